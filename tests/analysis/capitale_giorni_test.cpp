// The capital curve, the operations chart and the weekday totals.
#include "capitale.h"
#include "chiuse_prova.h"
#include "giorni.h"

#include <gtest/gtest.h>

namespace {

TEST(Capitale, CurveIsTheRunningSumFromZero)
{
    EXPECT_EQ(CurvaCapitale(Chiuse({{100}, {-30}, {50}})), (std::vector<double>{100, 70, 120}));
    EXPECT_EQ(CurvaCapitale(Chiuse({{-5}})), (std::vector<double>{-5}));
    EXPECT_TRUE(CurvaCapitale({}).empty());
}

TEST(Capitale, OperationsChartCarriesMinusTheStopLossOnEveryRow)
{
    const std::vector<PuntoGrOperazioni> attesi = {{100, -250}, {-30, -250}};
    EXPECT_EQ(SerieGrOperazioni(Chiuse({{100}, {-30}}), 250), attesi);
}

// 2026-12-07 is a Monday.
TEST(Giorni, TotalsByWeekdayOfTheDate)
{
    using T = std::array<std::optional<double>, 5>;
    struct Caso {
        const char* nome;
        std::vector<Chiusa> chiuse;
        T attesi;
    };
    const Caso casi[] = {
        {"Wednesday 40 and -10, Friday 25",
         {{40, 0, 0, "2026-12-09"}, {25, 0, 0, "2026-12-11"}, {-10, 0, 0, "2026-12-09"}},
         {std::nullopt, std::nullopt, 30.0, std::nullopt, 25.0}},
        {"a day whose sum is 0 has a value", {{10, 0, 0, "2026-12-07"}, {-10, 0, 0, "2026-12-07"}},
         {0.0, std::nullopt, std::nullopt, std::nullopt, std::nullopt}},
        {"weekend dates count nowhere", {{7, 0, 0, "2026-12-12"}, {9, 0, 0, "2026-12-13"}, {1, 0, 0, "2026-12-08"}},
         {std::nullopt, 1.0, std::nullopt, std::nullopt, std::nullopt}},
        {"two weeks add up on the same day", {{3, 0, 0, "2026-12-11"}, {4, 0, 0, "2026-12-04"}},
         {std::nullopt, std::nullopt, std::nullopt, std::nullopt, 7.0}},
        {"an unreadable date counts nowhere", {{3, 0, 0, "31/12/2026"}, {4, 0, 0, ""}}, {}},
        {"no operation", {}, {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(TotaliPerGiorno(Chiuse(c.chiuse)), c.attesi);
    }
}

TEST(Giorni, TheStoredWeekdayIsNotUsed)
{
    auto righe = Chiuse({{5, 0, 0, "2026-12-09"}});
    righe[0].giornoDiSettimana = 2;   // says Monday, the date is a Wednesday
    EXPECT_EQ(TotaliPerGiorno(righe)[2], 5.0);
    EXPECT_FALSE(TotaliPerGiorno(righe)[0].has_value());
}

} // namespace
