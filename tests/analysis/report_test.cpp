// The overall report against the worked examples, as the window shows them.
#include "chiuse_prova.h"
#include "numeri.h"
#include "report.h"

#include <gtest/gtest.h>

namespace {

using numeri::TestoNumero;

TEST(Report, NoClosedOperationGivesNoFigures)
{
    EXPECT_FALSE(CalcolaReport({}, 26).has_value());
}

TEST(Report, WorkedExamples)
{
    struct Caso {
        const char* nome;
        std::vector<Chiusa> chiuse;
        double capitalGain;
        // counts and shares: win, lose, even, N; the per cents as shown
        long long nWin, nLose, nEven;
        const char *opGainP, *opLoseP, *opPariP;
        const char *tassa, *totale, *percTotale, *percMedia;
    };
    std::vector<Chiusa> ventinove;
    for (int i = 0; i < 100; ++i)
        ventinove.push_back({i < 29 ? 1.0 : -1.0, 0, 0});
    const Caso casi[] = {
        {"all even", {{0, 0, 2}, {0, 0, 3}, {0, 0, 5}}, 26, 0, 0, 3, "0", "0", "100", "0", "-10", "0", "0"},
        // sumGP 100 with commissions 150: the test is on sumGP, the size of -50 is taxed.
        {"commissions above a gain", {{60, 0, 100}, {40, 0, 50}}, 12.5, 2, 0, 0, "100", "0", "0", "6", "-56", "0", "0"},
        {"29 of 100 shows 28", ventinove, 0, 29, 71, 0, "28", "71", "0", "0", "-42", "0", "0"},
        {"1 of 3 shows 33", {{5, 1}, {-2, -1}, {0, 0}}, 0, 1, 1, 1, "33", "33", "33", "0", "3", "0", "0"},
        {"per cents 3 and -4 over 2", {{10, 3}, {-20, -4}}, 26, 1, 1, 0, "50", "50", "0", "0", "-10", "-1", "-1"},
        {"a loss is never taxed", {{-100, -5, 10}}, 26, 0, 1, 0, "0", "100", "0", "0", "-110", "-5", "-5"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto f = CalcolaReport(Chiuse(c.chiuse), c.capitalGain);
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->nWin, c.nWin);
        EXPECT_EQ(f->nLose, c.nLose);
        EXPECT_EQ(f->nEven, c.nEven);
        EXPECT_EQ(f->N, static_cast<long long>(c.chiuse.size()));
        EXPECT_EQ(TestoNumero(f->opGainP), c.opGainP);
        EXPECT_EQ(TestoNumero(f->opLoseP), c.opLoseP);
        EXPECT_EQ(TestoNumero(f->opPariP), c.opPariP);
        EXPECT_EQ(TestoNumero(f->tassa), c.tassa);
        EXPECT_EQ(TestoNumero(f->totaleGP), c.totale);
        EXPECT_EQ(TestoNumero(f->percTotale), c.percTotale);
        EXPECT_EQ(TestoNumero(f->percMedia), c.percMedia);
    }
}

TEST(Report, TaxAndAveragePerCentDropOnlyATrueFraction)
{
    struct Caso {
        const char* nome;
        std::vector<Chiusa> chiuse;
        double capitalGain;
        const char *tassa, *percMedia;
    };
    const Caso casi[] = {
        // 64,1 - 14,1 is 49,99999999999999 in binary, and 20 % of it 9,999999999999998.
        {"tax: 20 % of 64,1 - 14,1 is 10", {{64.1, 1, 14.1}}, 20, "10", "1"},
        {"tax: 12,5 % of 900 is 112,5", {{1000, 1, 100}}, 12.5, "112", "1"},
        // 2,01 - 0,01 is 1,9999999999999998: over 2 it is 1, not 0.
        {"per cent: (2,01 - 0,01) / 2 is 1", {{1, 2.01}, {-1, -0.01}}, 0, "0", "1"},
        {"per cent: (2,03 - 4,03) / 2 is -1", {{1, 2.03}, {-1, -4.03}}, 0, "0", "-1"},
        {"per cent: (1,5 - 0,5) / 2 is 0,5", {{1, 1.5}, {-1, -0.5}}, 0, "0", "0"},
        {"per cent: (3 - 4) / 2 is -0,5", {{1, 3}, {-1, -4}}, 0, "0", "-1"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto f = CalcolaReport(Chiuse(c.chiuse), c.capitalGain);
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(TestoNumero(f->tassa), c.tassa);
        EXPECT_EQ(TestoNumero(f->percMedia), c.percMedia);
    }
}

TEST(Report, SumsKeepGainsAndLossesApart)
{
    const auto f = CalcolaReport(Chiuse({{100, 2, 5}, {-30, -1.5, 5}, {50, 1, 4}}), 26);
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->sumGain, 150);
    EXPECT_EQ(f->sumLoss, 30);
    EXPECT_EQ(f->sumPctGain, 3);
    EXPECT_EQ(f->sumPctLoss, -1.5);
    EXPECT_EQ(f->sumComm, 14);
    // Int(|26 x (120 - 14) / 100|) = Int(27.56)
    EXPECT_EQ(f->tassa, 27);
    EXPECT_EQ(f->totaleGP, 120 - 14 - 27);
}

} // namespace
