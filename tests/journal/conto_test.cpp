// The cash account's sums and writes, and the liquidity both position windows show.
#include "cartella_prova.h"
#include "liquidita.h"
#include "tabella_conto.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

RigaConto Movimento(const char* tipo, double importo)
{
    RigaConto r;
    r.Tipo = QString::fromUtf8(tipo);
    r.Importo = importo;
    return r;
}

RigaPortafoglio Posizione(const char* cod, qint64 qta, double pzoCarico)
{
    RigaPortafoglio p;
    p.Cod = QString::fromUtf8(cod);
    p.Qta = qta;
    p.PzoCarico = pzoCarico;
    return p;
}

const std::vector<RigaConto> Esempio = {Movimento("Dividendi", 10), Movimento("Versamento", 100),
                                        Movimento("Prelievo", 20), Movimento("Costi di gestione", 5)};

} // namespace

TEST(SommaMovimenti, KindsAddOrSubtractAndUnknownKindsCountNowhere)
{
    std::vector<RigaConto> movimenti = Esempio;
    movimenti.push_back(Movimento("Bonus", 1000));
    movimenti.push_back(Movimento("dividendi", 1000)); // the words are compared exactly
    const SommeConto s = SommaMovimenti(movimenti);
    EXPECT_DOUBLE_EQ(s.dividendi, 10);
    EXPECT_DOUBLE_EQ(s.versamenti, 100);
    EXPECT_DOUBLE_EQ(s.prelievi, -20);
    EXPECT_DOUBLE_EQ(s.costi, -5);
    EXPECT_DOUBLE_EQ(s.netto, 85);
    EXPECT_EQ(s.sconosciuti, 2);
}

TEST(CalcolaLiquidita, ValueLiquidityAndGauge)
{
    struct Caso {
        const char* nome;
        std::vector<RigaPortafoglio> posizioni;
        std::vector<RigaConto> movimenti;
        double capitale;
        double guadagno;
        double valore;
        double liquidita;
        short indicatore;
    };
    const Caso casi[] = {
        {"no position, no movement", {}, {}, 10000, 0, 0, 10000, 1000},
        {"positions and movements", {Posizione("ENI", 100, 25)}, Esempio, 10000, 12.3456, 2500, 7597.35, 752},
        {"halves round to even", {}, {}, 1000.125, 0, 0, 1000.12, 1000},
        {"liquidity below zero draws 0", {Posizione("ENI", 1000, 25)}, {}, 10000, 0, 25000, -15000, 0},
        {"liquidity of zero draws 0", {Posizione("ENI", 100, 100)}, {}, 10000, 0, 10000, 0, 0},
        // Reachable only with a negative portfolio value: the base of the share is zero.
        {"zero divisor draws 0", {Posizione("X", 10, -10)}, {}, 0, 0, -100, 100, 0},
        {"share beyond a short draws 0", {Posizione("X", 1000, -10)}, {}, 100, 0, -10000, 10100, 0},
        {"large share that fits", {Posizione("X", 100, -10)}, {}, 100, 0, -1000, 1100, 11000},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Liquidita l = CalcolaLiquidita(c.posizioni, c.movimenti, c.capitale, c.guadagno);
        EXPECT_DOUBLE_EQ(l.valorePortafoglio, c.valore);
        EXPECT_DOUBLE_EQ(l.liquiditaArrotondata, c.liquidita);
        EXPECT_EQ(l.indicatore, c.indicatore);
    }
}

TEST(CalcolaLiquidita, GaugeDropsOnlyATrueFraction)
{
    struct Caso {
        const char* nome;
        double pzoCarico;
        double versamento;
        short indicatore;
    };
    const Caso casi[] = {
        // 1000,01 of 10000,1 is 99,99999999999999 per mille in binary.
        {"1000,01 of 10000,1 is 100 per mille", 9000.09, 0.1, 100},
        {"2999,5 of 10000 is 299,95 per mille", 7000.5, 0, 299},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Liquidita l
            = CalcolaLiquidita({Posizione("ENI", 1, c.pzoCarico)}, {Movimento("Versamento", c.versamento)}, 10000, 0);
        EXPECT_EQ(l.indicatore, c.indicatore);
    }
}

struct ContoSuFile : ::testing::Test {
    CartellaProva cartella;
    QSqlDatabase db = cartella.apri(cartella.nuovoPortafoglio(QStringLiteral("conto.gvf")));

    MovimentoConto movimento(const char* tipo, double importo, const char* descrizione = "")
    {
        return {QDate(2024, 3, 1), QString::fromUtf8(tipo), importo, QString::fromUtf8(descrizione)};
    }
};

TEST_F(ContoSuFile, InsertChangeAndDeleteOneMovement)
{
    qint64 id = 0;
    ASSERT_TRUE(InserisciMovimento(db, movimento("Dividendi", 12.5, "l'acconto"), &id).ok());
    ASSERT_TRUE(InserisciMovimento(db, movimento("Versamento", 100)).ok());
    auto righe = LeggiConto(db).righe;
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0], (RigaConto{id, "2024-03-01", "Dividendi", 12.5, "l'acconto"}));
    EXPECT_EQ(righe[1].Descrizione, ".") << "an empty description is stored as a point";

    const MovimentoConto cambiato{QDate(2024, 2, 29), QStringLiteral("Prelievo"), 7, QString()};
    ASSERT_TRUE(ModificaMovimento(db, id, cambiato).ok());
    righe = LeggiConto(db).righe;
    EXPECT_EQ(righe[0], (RigaConto{id, "2024-02-29", "Prelievo", 7, "."}));

    ASSERT_TRUE(EliminaMovimento(db, id).ok());
    EXPECT_EQ(LeggiConto(db).righe.size(), 1u);
}

TEST_F(ContoSuFile, BadMovementsAreRefusedAndChangeNothing)
{
    qint64 id = 0;
    ASSERT_TRUE(InserisciMovimento(db, movimento("Dividendi", 1), &id).ok());
    struct Caso {
        const char* nome;
        MovimentoConto m;
    };
    const Caso casi[] = {
        {"unknown kind", movimento("Bonus", 1)},
        {"negative amount", movimento("Versamento", -1)},
        {"amount not a number", movimento("Versamento", std::nan(""))},
        {"no date", {QDate(), QStringLiteral("Versamento"), 1, QString()}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_TRUE(InserisciMovimento(db, c.m).rifiutato());
        EXPECT_TRUE(ModificaMovimento(db, id, c.m).rifiutato());
    }
    EXPECT_TRUE(ModificaMovimento(db, id + 1, movimento("Versamento", 1)).rifiutato()) << "a movement that is gone";
    EXPECT_TRUE(EliminaMovimento(db, id + 1).rifiutato());
    const auto righe = LeggiConto(db).righe;
    ASSERT_EQ(righe.size(), 1u);
    EXPECT_EQ(righe[0].Tipo, "Dividendi");
}

// An amount read by how it is stored: a text (even one that reads as a number in the user's
// locale), a blob, a NULL or an infinity stops the reading with a message naming the movement.
TEST_F(ContoSuFile, AmountNotStoredAsANumberStopsTheReadingAndNamesTheMovement)
{
    const std::pair<const char*, bool> casi[] = {
        {"'abc'", false}, {"'12,5'", false}, {"x'31'", false}, {"NULL", false},
        {"9e999", false}, {"-9e999", false}, {"'12.5'", true}, {"12", true},
    };
    for (const auto& [valore, numero] : casi) {
        SCOPED_TRACE(valore);
        CartellaProva::esegui(db, "DELETE FROM Conto");
        ASSERT_TRUE(InserisciMovimento(db, movimento("Versamento", 100)).ok());
        ASSERT_TRUE(InserisciMovimento(db, {QDate(2024, 3, 2), QStringLiteral("Dividendi"), 5, QString()}).ok());
        CartellaProva::esegui(
            db, QStringLiteral("UPDATE Conto SET Importo = %1 WHERE Tipo = 'Dividendi'").arg(QLatin1String(valore)));
        const Lettura<RigaConto> l = LeggiConto(db);
        if (numero) {
            EXPECT_TRUE(l.ok()) << l.errore.toStdString();
            EXPECT_EQ(l.righe.size(), 2u);
            continue;
        }
        EXPECT_EQ(l.errore, QStringLiteral("Il movimento del conto con data \"02/03/2024\" e tipo \"Dividendi\" non è "
                                           "valido: l'importo non è un numero. Correggerlo o eliminarlo nella finestra "
                                           "Gestione conto titoli."));
        EXPECT_TRUE(l.righe.empty());
    }
}
