// The averages window's figures and gauges.
#include "chiuse_prova.h"
#include "medie.h"
#include "numeri.h"

#include <gtest/gtest.h>

namespace {

using numeri::TestoNumero;

TEST(Medie, WorkedExample)
{
    const FigureMedie f = CalcolaMedie(Chiuse({{100, 2, 0, "2026-12-07", 10, 100},
                                               {-50, -1, 0, "2026-12-07", 20, 100},
                                               {30, 0.5, 0, "2026-12-08", 15, 100}}));
    EXPECT_EQ(f.TotGiorni, 2);
    EXPECT_EQ(f.CapitaleInvestito, 4500);
    EXPECT_EQ(f.CapitaleMedio, 1500);
    EXPECT_EQ(f.MaxGain, 100);
    EXPECT_EQ(f.MaxLose, -50.0);
    EXPECT_EQ(TestoNumero(f.NumOperazioniGiorno), "1,5");
    EXPECT_EQ(f.GuadagnoMedio, 65);
    EXPECT_EQ(f.PerditaMedia, 50);
    EXPECT_EQ(TestoNumero(f.GMsuPM), "1,3");
    EXPECT_EQ(f.UtileMedioOperazione, 26);
    EXPECT_EQ(f.UtileMedioGiorno, 40);
    EXPECT_EQ(f.PercMediaGiorno, 0);
    EXPECT_EQ(TestoNumero(f.WL), "6,7");
    EXPECT_EQ(f.FattoreCulo, 125);
    EXPECT_TRUE(f.conGuadagni);
    EXPECT_EQ(f.Center, 667);
    EXPECT_EQ(f.Bottom, 1250);
}

TEST(Medie, EdgeCases)
{
    struct Caso {
        const char* nome;
        std::vector<Chiusa> chiuse;
        bool conGuadagni;
        std::optional<double> maxLose;
        const char *perditaMedia, *gmSuPm, *fattore, *wl, *numGiorno;
        int center, bottom;
    };
    const Caso casi[] = {
        {"no loss", {{10}, {20}}, true, std::nullopt, "0", "0", "66,67", "10", "2", 1000, 667},
        // Step 4 stops: the rest keeps 0 and no gauge is drawn.
        {"no gain", {{-10}, {-20}}, false, -20.0, "15", "0", "0", "0", "2", 0, 0},
        {"negative net profit gives luck 0", {{10}, {-50}}, true, -50.0, "50", "0,2", "0", "5", "2", 500, 0},
        {"even operations count in neither side", {{10}, {0}, {0}, {-10}}, true, -10.0, "10", "1", "0", "5", "4", 500,
         0},
        {"luck held at 1000", {{100}, {-99.9}}, true, -99.9, "99,9", "1", "1000", "5", "2", 500, 10000},
        {"shown average loss 0 gives ratio 0", {{10}, {-0.04}}, true, -0.04, "0", "0", "100,4", "5", "2", 500, 1004},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const FigureMedie f = CalcolaMedie(Chiuse(c.chiuse));
        EXPECT_EQ(f.conGuadagni, c.conGuadagni);
        EXPECT_EQ(f.MaxLose, c.maxLose);
        EXPECT_EQ(TestoNumero(f.PerditaMedia), c.perditaMedia);
        EXPECT_EQ(TestoNumero(f.GMsuPM), c.gmSuPm);
        EXPECT_EQ(TestoNumero(f.FattoreCulo), c.fattore);
        EXPECT_EQ(TestoNumero(f.WL), c.wl);
        EXPECT_EQ(TestoNumero(f.NumOperazioniGiorno), c.numGiorno);
        EXPECT_EQ(f.Center, c.center);
        EXPECT_EQ(f.Bottom, c.bottom);
    }
}

TEST(Medie, DaysCountDistinctDates)
{
    const FigureMedie f =
        CalcolaMedie(Chiuse({{1, 0, 0, "2026-12-07"}, {2, 0, 0, "2026-12-07"}, {3, 0, 0, "2026-12-07"}}));
    EXPECT_EQ(f.TotGiorni, 1);
    EXPECT_EQ(f.NumOperazioniGiorno, 3);
    EXPECT_EQ(f.UtileMedioGiorno, 6);
}

TEST(Medie, WholeFiguresDropOnlyATrueFraction)
{
    using Figura = double (*)(const FigureMedie&);
    const Figura capitale = [](const FigureMedie& f) { return f.CapitaleInvestito; };
    const Figura capitaleMedio = [](const FigureMedie& f) { return f.CapitaleMedio; };
    const Figura perOperazione = [](const FigureMedie& f) { return f.UtileMedioOperazione; };
    const Figura perGiorno = [](const FigureMedie& f) { return f.UtileMedioGiorno; };
    const Figura percentoGiorno = [](const FigureMedie& f) { return f.PercMediaGiorno; };
    const Figura center = [](const FigureMedie& f) { return double(f.Center); };
    const char* giorno = "2026-12-07";
    std::vector<Chiusa> ventottoSu29(28, Chiusa{1});
    ventottoSu29.push_back({-1});
    std::vector<Chiusa> unoSu16(15, Chiusa{-1});
    unoSu16.push_back({1});
    struct Caso {
        const char* nome;
        std::vector<Chiusa> chiuse;
        Figura figura;
        double atteso;
    };
    const Caso casi[] = {
        // 100 x 1,13 is 112,99999999999999 in binary.
        {"capital: 100 x 1,13", {{1, 0, 0, giorno, 100, 1.13}}, capitale, 113},
        {"capital: 7 x 1,15 = 8,05", {{1, 0, 0, giorno, 7, 1.15}}, capitale, 8},
        {"average capital: 2 x 100 x 1,13 over 2",
         {{1, 0, 0, giorno, 100, 1.13}, {1, 0, 0, giorno, 100, 1.13}},
         capitaleMedio,
         113},
        {"average capital: 2001 over 2", {{1, 0, 0, giorno, 1, 1000}, {1, 0, 0, giorno, 1, 1001}}, capitaleMedio, 1000},
        // 2,01 - 0,01 is 1,9999999999999998 in binary.
        {"profit per operation: (2,01 - 0,01) / 2", {{2.01}, {-0.01}}, perOperazione, 1},
        {"profit per operation: 80 / 3", {{100}, {-50}, {30}}, perOperazione, 26},
        {"profit per day: 2,01 - 0,01 in one day", {{2.01}, {-0.01}}, perGiorno, 2},
        {"profit per day: 2,5 in one day", {{2.5}}, perGiorno, 2},
        {"per cent per day: 2,01 - 0,01 in one day", {{1, 2.01}, {-1, -0.01}}, percentoGiorno, 2},
        {"per cent per day: 2,03 - 4,03 in one day", {{1, 2.03}, {-1, -4.03}}, percentoGiorno, -2},
        {"per cent per day: 1,5 - 2 in one day", {{1, 1.5}, {-1, -2}}, percentoGiorno, -1},
        // Round(9,655..., 3) x 100 is 965,4999999999999 in binary: the half goes to 966.
        {"winning gauge: 28 of 29", ventottoSu29, center, 966},
        {"winning gauge: 1 of 16 is 62,5", unoSu16, center, 62},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const FigureMedie f = CalcolaMedie(Chiuse(c.chiuse));
        ASSERT_TRUE(f.conGuadagni);
        EXPECT_EQ(c.figura(f), c.atteso);
    }
}

TEST(Medie, NoOperationGivesZeros)
{
    const FigureMedie f = CalcolaMedie({});
    EXPECT_EQ(f.TotGiorni, 0);
    EXPECT_FALSE(f.conGuadagni);
    EXPECT_FALSE(f.MaxLose.has_value());
}

} // namespace
