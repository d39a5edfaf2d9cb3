// The run pass and the frequency tables of the risk and draw-down windows.
#include "chiuse_prova.h"
#include "sequenze.h"

#include <gtest/gtest.h>

namespace {

TEST(Sequenze, RunPassAsWritten)
{
    struct Caso {
        const char* nome;
        std::vector<double> percentuali;
        std::vector<Serie> attese;
    };
    const Caso casi[] = {
        {"1, 2, -1, 3: the open run is not stored", {1, 2, -1, 3}, {{3, 2}, {-1, -1}}},
        {"-1, 0, 2: zeros inside a losing run count", {-1, 0, 2}, {{-1, -2}}},
        {"1, 0, 0, 2: zeros after a winning run form no run", {1, 0, 0, 2}, {{1, 1}}},
        {"1, 0, -1, 2", {1, 0, -1, 2}, {{1, 1}, {-1, -2}}},
        {"zeros alone form no run", {0, 0, 0, 5}, {}},
        {"one operation", {4}, {}},
        {"alternating", {2, -1, 2, -1}, {{2, 1}, {-1, -1}, {2, 1}}},
        {"nothing", {}, {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(PassoSerie(c.percentuali), c.attese);
    }
}

TEST(Sequenze, DistinctValuesLargestFirst)
{
    const std::vector<Ricorrenza> attese = {{3, 1}, {2, 2}, {0, 2}, {-1.5, 1}};
    EXPECT_EQ(ValoriDistinti({2, -1.5, 0, 3, 2, -0.0}), attese);
    EXPECT_TRUE(ValoriDistinti({}).empty());
}

TEST(Sequenze, FrequenciesRoundHalvesToEven)
{
    // 1 of 8 is 12,5 exactly; 1 of 3 is 33,33; 1 of 1600 is 0,0625 -> 0,06.
    EXPECT_EQ(TabellaFrequenze({{5, 1}}, 8), (std::vector<Frequenza>{{5, 12.5}}));
    EXPECT_EQ(TabellaFrequenze({{5, 1}}, 3), (std::vector<Frequenza>{{5, 33.33}}));
    EXPECT_EQ(TabellaFrequenze({{5, 1}}, 1600), (std::vector<Frequenza>{{5, 0.06}}));
}

TEST(Sequenze, RiskAndDrawDownOfTheWorkedExample)
{
    const auto righe = Percentuali({1, 2, -1, 3});

    const FigureRisk risk = CalcolaRisk(righe);
    EXPECT_EQ(risk.serie, (std::vector<Serie>{{3, 2}, {-1, -1}}));
    const std::vector<Frequenza> frequenzeRisk = {{3, 25}, {2, 25}, {1, 25}, {-1, 25}};
    EXPECT_EQ(risk.frequenze, frequenzeRisk);

    const FigureMDD mdd = CalcolaMDD(righe);
    EXPECT_EQ(mdd.serie, risk.serie);
    const std::vector<Frequenza> frequenzeMdd = {{2, 50}, {-1, 50}};
    EXPECT_EQ(mdd.frequenze, frequenzeMdd);
}

TEST(Sequenze, ASingleOperationHasNoRunAndOneValueAtHundred)
{
    const auto righe = Percentuali({4});
    EXPECT_TRUE(CalcolaRisk(righe).serie.empty());
    EXPECT_EQ(CalcolaRisk(righe).frequenze, (std::vector<Frequenza>{{4, 100}}));
    EXPECT_TRUE(CalcolaMDD(righe).frequenze.empty());
}

// No table limits: thousands of runs and distinct values are all kept.
TEST(Sequenze, LongHistoriesKeepEveryRunAndValue)
{
    std::vector<double> p;
    for (int i = 0; i < 5000; ++i)
        p.push_back(i % 2 ? -(i + 1) / 100.0 : (i + 1) / 100.0);
    const FigureRisk risk = CalcolaRisk(Percentuali(p));
    EXPECT_EQ(risk.serie.size(), 4999u);
    EXPECT_EQ(risk.frequenze.size(), 5000u);
    EXPECT_EQ(risk.frequenze.front().valore, 49.99);
}

} // namespace
