#include "guadagno_netto.h"
#include "liquidita.h"
#include "storia_prova.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

class GuadagnoNetto : public ::testing::Test {
protected:
    void SetUp() override
    {
        stato.DbDataSet = s.dataset;
        stato.DbPortafoglio = s.portafoglio;
        stato.PercorsoPortafoglio = s.portafoglio.databaseName();
    }

    void Chiuse(const std::vector<std::pair<double, double>>& gpCommissioni, double capitalGain)
    {
        CartellaProva::esegui(s.portafoglio, "DELETE FROM OperazioniChiuse");
        QSqlQuery q(s.portafoglio);
        q.prepare("INSERT INTO OperazioniChiuse (Data, Cod, GP, Commissioni) VALUES ('2024-03-04', 'AAA', ?, ?)");
        for (const auto& [gp, commissioni] : gpCommissioni) {
            q.addBindValue(gp);
            q.addBindValue(commissioni);
            ASSERT_TRUE(q.exec());
        }
        QSqlQuery aliquota(s.dataset);
        aliquota.prepare("UPDATE Settaggi SET CapitalGain = ?");
        aliquota.addBindValue(capitalGain);
        ASSERT_TRUE(aliquota.exec());
    }

    // The result of a read that must succeed; a failed read shows its text and counts as NaN.
    double Netto()
    {
        const auto letto = CalcolaGuadagnoNetto(stato);
        EXPECT_TRUE(letto.ok()) << letto.errore.toStdString();
        return letto.ok() && letto.righe.size() == 1 ? letto.righe.front() : std::nan("");
    }

    CartellaProva c;
    StoriaProva s{c};
    StatoApplicazione stato;
};

TEST_F(GuadagnoNetto, TaxIsDueOnAGrossGainAndCutToAWholeUnit)
{
    struct Caso {
        std::vector<std::pair<double, double>> chiuse;   // GP, Commissioni
        double capitalGain;
        double atteso;
    };
    const std::vector<Caso> casi = {
        {{{1000, 100}}, 12.5, 788},                 // 900 * 12.5% = 112.5 -> 112
        {{{600, 60}, {400, 40}}, 12.5, 788},
        {{{50, 80}}, 26, -37},                      // gross gain, net loss: Int(|-30| * 26%) = 7
        {{{50, 80}}, 0, -30},
        {{{0, 10}}, 26, -10},                       // no gross gain, no tax
        {{{-200, 5}, {100, 5}}, 26, -110},
        {{{100, 0}}, 33.3333, 67},
    };
    for (const Caso& caso : casi) {
        Chiuse(caso.chiuse, caso.capitalGain);
        EXPECT_EQ(Netto(), caso.atteso) << caso.chiuse.size() << " rows, rate " << caso.capitalGain;
    }
}

TEST_F(GuadagnoNetto, TaxDropsOnlyATrueFraction)
{
    struct Caso {
        const char* nome;
        double gp, commissioni, capitalGain;
        double atteso;
    };
    const Caso casi[] = {
        // 64,1 - 14,1 is 49,99999999999999 in binary, and 20 % of it 9,999999999999998.
        {"20 % of 64,1 - 14,1 is 10", 64.1, 14.1, 20, 40},
        {"12,5 % of 900 is 112,5: 112", 1000, 100, 12.5, 788},
        {"20 % of 49,99 is 9,998: 9", 64.09, 14.1, 20, 40.99},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Chiuse({{c.gp, c.commissioni}}, c.capitalGain);
        // The net result keeps the noise of GP - Commissioni; the tax is whole.
        EXPECT_DOUBLE_EQ(Netto(), c.atteso);
    }
}

TEST_F(GuadagnoNetto, NothingWithoutClosedOperationsOrWithoutAPortfolio)
{
    EXPECT_EQ(Netto(), 0);
    Chiuse({{1000, 100}}, 12.5);
    stato.PercorsoPortafoglio.clear();
    EXPECT_EQ(Netto(), 0);
}

} // namespace

TEST_F(GuadagnoNetto, ATableThatCannotBeReadIsReportedNotTakenForZero)
{
    Chiuse({{1000, 100}}, 12.5);
    const auto letto = CalcolaGuadagnoNetto(stato);
    ASSERT_EQ(letto.righe, std::vector<double>{788});
    EXPECT_EQ(letto.errore, "");

    struct Caso { const char* nome; QSqlDatabase db; const char* tabella; };
    const Caso casi[] = {
        {"closed operations", s.portafoglio, "OperazioniChiuse"},
        {"settings", s.dataset, "Settaggi"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        QSqlDatabase db = k.db;
        CartellaProva::esegui(db, QStringLiteral("ALTER TABLE %1 RENAME TO Sparita").arg(k.tabella));
        const auto guasto = CalcolaGuadagnoNetto(stato);
        EXPECT_TRUE(guasto.righe.empty());
        EXPECT_TRUE(guasto.errore.startsWith("Errore del database: ")) << guasto.errore.toStdString();
        // The windows that show the net result read it through the liquidity, which tells the
        // failure (the settings' own reader may tell it first).
        const LetturaLiquidita liquidita = LeggiLiquidita(stato);
        EXPECT_FALSE(liquidita.errore.isEmpty());
        if (QLatin1String(k.tabella) == QLatin1String("OperazioniChiuse")) {
            EXPECT_EQ(liquidita.errore, guasto.errore);
        }
        EXPECT_EQ(liquidita.figure.guadagnoNetto, 0);
        CartellaProva::esegui(db, QStringLiteral("ALTER TABLE Sparita RENAME TO %1").arg(k.tabella));
    }
}
