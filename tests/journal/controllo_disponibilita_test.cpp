#include "controllo_disponibilita.h"
#include "semina_eseguiti.h"
#include "storia_prova.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

#include <vector>

namespace {

Operazione Compra(const char* data, const char* cod, qint64 qta, const char* tipo = "Buy")
{
    return {data, tipo, "PCT", cod, "Titolo", qta, 10};
}

Operazione Vendi(const char* data, const char* cod, qint64 qta, const char* tipo = "Sell")
{
    return {data, tipo, "PCT", cod, "Titolo", qta, 11};
}

class Controllo : public ::testing::Test {
protected:
    CartellaProva c;
    StoriaProva s{c};
};

TEST_F(Controllo, HistoriesPassOrReportTheFirstUncoveredSell)
{
    struct Caso {
        const char* nome;
        std::vector<Operazione> storia;   // in the order entered
        QString messaggio;
    };
    const std::vector<Caso> casi = {
        {"empty history", {}, ""},
        {"buy then sell on one day", {Compra("2024-03-04", "AAA", 10), Vendi("2024-03-04", "AAA", 10)}, ""},
        {"sell entered before its buy on one day",
         {Vendi("2024-03-04", "AAA", 10), Compra("2024-03-04", "AAA", 10)},
         "AAA non e' in portafoglio in data: 04/03/2024"},
        {"entered out of date order but covered by date",
         {Vendi("2024-03-06", "AAA", 4), Compra("2024-03-04", "AAA", 10), Vendi("2024-03-05", "AAA", 6)},
         ""},
        {"a sold-out code reports 0 pieces",
         {Compra("2024-03-04", "AAA", 10), Vendi("2024-03-05", "AAA", 10), Vendi("2024-03-06", "AAA", 1)},
         "AAA disponibili solo 0 pezzi"},
        {"oversell", {Compra("2024-03-04", "AAA", 100), Vendi("2024-03-05", "AAA", 101)}, "AAA disponibili solo 100 pezzi"},
        {"only the first uncovered sell is reported",
         {Compra("2024-03-04", "AAA", 10), Vendi("2024-03-05", "BBB", 1), Vendi("2024-03-06", "AAA", 50)},
         "BBB non e' in portafoglio in data: 05/03/2024"},
        {"only a type that upper-cases to BUY buys",
         {Compra("2024-03-04", "AAA", 10, "bUy"), Vendi("2024-03-05", "AAA", 5, ""), Vendi("2024-03-06", "AAA", 6, "buy ")},
         "AAA disponibili solo 5 pezzi"},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        CartellaProva::esegui(s.portafoglio, "DELETE FROM Eseguiti");
        s.Inserisci(caso.storia);
        const Esito esito = VerificaDisponibilita(s.portafoglio);
        EXPECT_EQ(esito.messaggio, caso.messaggio);
        EXPECT_EQ(esito.tipo, caso.messaggio.isEmpty() ? Esito::Tipo::Accettato : Esito::Tipo::Rifiutato);
    }
}

// Rows from a file made elsewhere: the check must neither overflow nor pass them.
TEST_F(Controllo, TradesThatCannotBeReplayedAreRefusedByDateAndCode)
{
    // Only what the check reads: the other fields are left NULL.
    const auto riga = [](const char* data, const char* tipo, qint64 qta) {
        return RigaEseguito{0, data, tipo, QString(), "AAA", QString(), qta, 0, 0, QString(), {}};
    };
    struct Caso {
        const char* nome;
        std::vector<RigaEseguito> righe;
        const char* frammento;
        // What no trade row can hold, written over the rows once seeded.
        const char* ritocco = nullptr;
    };
    const Caso casi[] = {
        {"a quantity beyond any whole number",
         {riga("2024-03-04", "Buy", 1)},
         "quantità 1E+20",
         "UPDATE Eseguiti SET Qta = 1e20"},
        {"two buys whose sum overflows",
         {riga("2024-03-04", "Buy", 900000000000000), riga("2024-03-05", "Buy", 900000000000000)},
         "posseduta supererebbe"},
        {"two buys of 9e18",
         {riga("2024-03-04", "Buy", 9000000000000000000), riga("2024-03-05", "Buy", 9000000000000000000)},
         "quantità 9E+18"},
        {"a negative quantity", {riga("2024-03-04", "Buy", -10)}, "quantità -10"},
        {"a date that does not exist", {riga("2024-02-30", "Buy", 10)}, "non è una data valida"},
        {"no date", {riga("", "Buy", 10)}, "non è una data valida"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        CartellaProva::esegui(s.portafoglio, "DELETE FROM Eseguiti");
        ASSERT_TRUE(SeminaEseguiti(s.portafoglio, k.righe).esito.ok());
        if (k.ritocco)
            CartellaProva::esegui(s.portafoglio, k.ritocco);
        const Esito esito = VerificaDisponibilita(s.portafoglio);
        EXPECT_TRUE(esito.rifiutato());
        EXPECT_TRUE(esito.messaggio.contains(QString::fromUtf8(k.frammento))) << esito.messaggio.toStdString();
        EXPECT_TRUE(esito.messaggio.contains("codice \"AAA\"")) << esito.messaggio.toStdString();
    }
    EXPECT_TRUE(VerificaDisponibilita(s.portafoglio).messaggio.contains("data \"\"")); // the empty date, as stored
}

// The check reads the quantity by how it is stored: a text is no quantity, not 0 pieces.
TEST_F(Controllo, QuantityNotStoredAsANumberIsRefused)
{
    const std::pair<const char*, bool> casi[] = {
        {"'abc'", false}, {"'5,0'", false}, {"x'35'", false}, {"NULL", false},
        {"9e999", false}, {"'5'", true},    {"5.0", true},
    };
    for (const auto& [valore, passa] : casi) {
        SCOPED_TRACE(valore);
        CartellaProva::esegui(s.portafoglio, "DELETE FROM Eseguiti");
        s.Inserisci({Compra("2024-03-04", "AAA", 5), Vendi("2024-03-05", "AAA", 5)});
        CartellaProva::esegui(
            s.portafoglio, QStringLiteral("UPDATE Eseguiti SET Qta = %1 WHERE Tipo = 'Sell'").arg(QLatin1String(valore)));
        const Esito esito = VerificaDisponibilita(s.portafoglio);
        EXPECT_EQ(esito.messaggio, passa ? QString()
                                         : QStringLiteral("L'eseguito con data \"05/03/2024\" e codice \"AAA\" non è "
                                                          "valido: la quantità non è un numero. Correggerlo o eliminarlo "
                                                          "nella finestra Eseguiti."));
    }
}

TEST_F(Controllo, ManyDistinctCodesAreTracked)
{
    std::vector<Operazione> storia;
    std::vector<QByteArray> codici;
    for (int i = 0; i < 250; ++i)
        codici.push_back(QByteArray("C") + QByteArray::number(i));
    for (const QByteArray& cod : codici)
        storia.push_back(Compra("2024-03-04", cod.constData(), 5));
    for (const QByteArray& cod : codici)
        storia.push_back(Vendi("2024-03-05", cod.constData(), 5));
    s.Inserisci(storia);
    EXPECT_TRUE(VerificaDisponibilita(s.portafoglio).ok());

    s.Inserisci(Vendi("2024-03-06", "C249", 1));
    EXPECT_EQ(VerificaDisponibilita(s.portafoglio).messaggio, "C249 disponibili solo 0 pezzi");
}

TEST_F(Controllo, SeesUncommittedTradesAndLeavesTheCallersTransactionOpen)
{
    s.Inserisci(Compra("2024-03-04", "AAA", 10));
    ASSERT_TRUE(s.portafoglio.transaction());
    s.Inserisci(Vendi("2024-03-05", "AAA", 20));
    EXPECT_EQ(VerificaDisponibilita(s.portafoglio).messaggio, "AAA disponibili solo 10 pezzi");
    ASSERT_TRUE(s.portafoglio.rollback());
    EXPECT_EQ(CartellaProva::valore(s.portafoglio, "SELECT count(*) FROM Eseguiti").toInt(), 1);
    EXPECT_TRUE(VerificaDisponibilita(s.portafoglio).ok());
}

TEST_F(Controllo, MessageIsSetOnlyOnFailure)
{
    StatoApplicazione stato;
    stato.DbPortafoglio = s.portafoglio;
    stato.MessaggioDisponibilita = "precedente";
    s.Inserisci(Compra("2024-03-04", "AAA", 10));
    EXPECT_TRUE(ControlloDisponibilita(stato).ok());
    EXPECT_EQ(stato.MessaggioDisponibilita, "precedente");

    stato.MessaggioDisponibilita.clear();
    s.Inserisci(Vendi("2024-03-03", "AAA", 10));
    EXPECT_TRUE(ControlloDisponibilita(stato).rifiutato());
    EXPECT_EQ(stato.MessaggioDisponibilita, "AAA non e' in portafoglio in data: 03/03/2024");
}

TEST_F(Controllo, UnreadableHistoryDoesNotPass)
{
    CartellaProva::esegui(s.portafoglio, "DROP TABLE Eseguiti");
    // A failed read is a database error, not a refusal, and leaves no refusal text behind.
    const Esito esito = VerificaDisponibilita(s.portafoglio);
    EXPECT_TRUE(esito.erroreDatabase());
    EXPECT_TRUE(esito.messaggio.startsWith("Errore del database: ")) << esito.messaggio.toStdString();
    StatoApplicazione stato;
    stato.DbPortafoglio = s.portafoglio;
    EXPECT_TRUE(ControlloDisponibilita(stato).erroreDatabase());
    EXPECT_TRUE(stato.MessaggioDisponibilita.isEmpty());
}

} // namespace
