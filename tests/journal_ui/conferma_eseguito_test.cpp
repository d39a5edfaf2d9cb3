#include "ambiente_portafoglio.h"
#include "conferma_eseguito.h"
#include "controllo_disponibilita.h"
#include "esito_prova.h"
#include "motore.h"

#include <gtest/gtest.h>
#include <QSqlQuery>
#include <QSqlRecord>

#include <functional>
#include <stdexcept>
#include <utility>

using eseguiti::ConfermaEseguito;
using eseguiti::DatiPannello;
using eseguiti::EsitoConferma;
using eseguiti::Modo;
using eseguiti::RichiestaConferma;
using Stato = EsitoConferma::Stato;

namespace {

DatiPannello Pannello(const QDate& data, const QString& tipo, const QString& cod, const QString& titolo,
                      const QString& qta, const QString& prezzo, const QString& errore = QStringLiteral("NE"),
                      const QString& ottimale = QString())
{
    return {data, tipo, QStringLiteral("WEB"), cod, titolo, qta, prezzo, errore, ottimale};
}

// A check that refuses whatever was written.
Esito Rifiuta(StatoApplicazione& s)
{
    s.MessaggioDisponibilita = QStringLiteral("ENI disponibili solo 0 pezzi");
    return Esito::rifiutato(s.MessaggioDisponibilita);
}

class ConfermaEseguitoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        buy = a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
        sell = a.inserisci({"2024-02-10", "Sell", "ENI", "Eni", 100, 13});
        enel = a.inserisci({"2024-03-10", "Buy", "ENEL", "Enel", 50, 6});
        a.allinea();
    }

    EsitoConferma conferma(const RichiestaConferma& r, const eseguiti::ControlloStoria& c = {})
    {
        return ConfermaEseguito(a.stato, r, c);
    }

    AmbientePortafoglio a;
    qint64 buy = 0, sell = 0, enel = 0;
};

} // namespace

TEST_F(ConfermaEseguitoTest, NewTradeIsWrittenAsTypedAndShownAtItsDate)
{
    struct Caso {
        const char* prezzo;
        const char* errore;
        const char* ottimale;
        double prezzoAtteso;
        double ottimaleAtteso;
    };
    const Caso casi[] = {
        {"12,5", "NE", "", 12.5, 12.5},            // no error: the optimal price is the price
        {"0,03125", "EA", "0,09375", 0.03125, 0.09375},  // a new trade's prices are not rounded
        {"7", "UA", "", 7, 7},
    };
    for (const Caso& k : casi) {
        const auto prima = a.conta();
        const EsitoConferma esito = conferma({Modo::Nuovo,
                                              Pannello(QDate(2024, 2, 1), "Buy", "ENI", "Eni", "40", k.prezzo, k.errore,
                                                       k.ottimale),
                                              std::nullopt, 2});
        ASSERT_EQ(esito.stato(), Stato::Accettato) << esito.messaggio().toStdString();
        EXPECT_TRUE(esito.messaggio().isEmpty());
        EXPECT_EQ(a.conta(), prima + 1);
        QSqlQuery q(a.stato.DbPortafoglio);
        ASSERT_TRUE(q.exec("SELECT Data, Tipo, System, Cod, Titolo, Qta, Prezzo, Importo, Errore, PrezzoOttimale, ID "
                           "FROM Eseguiti ORDER BY ID DESC LIMIT 1") && q.next());
        EXPECT_EQ(q.value(0).toString(), "2024-02-01");
        EXPECT_EQ(q.value(1).toString(), "Buy");
        EXPECT_EQ(q.value(2).toString(), "WEB");
        EXPECT_EQ(q.value(5).toLongLong(), 40);
        EXPECT_DOUBLE_EQ(q.value(6).toDouble(), k.prezzoAtteso) << k.prezzo;
        EXPECT_DOUBLE_EQ(q.value(7).toDouble(), 40 * k.prezzoAtteso);
        EXPECT_EQ(q.value(8).toString(), k.errore);
        EXPECT_DOUBLE_EQ(q.value(9).toDouble(), k.ottimaleAtteso);
        // Between the buy of 10/01 and the sell of 10/02, after any earlier new trade of that day.
        EXPECT_EQ(esito.RigaCorrente, 1 + (prima - 3));
        EXPECT_EQ(a.righe("EseguitiTemp"), a.righe());
    }
}

TEST_F(ConfermaEseguitoTest, ChangeRoundsPricesToFourDecimalsHalfToEven)
{
    const EsitoConferma esito = conferma({Modo::Modifica,
                                          Pannello(QDate(2024, 3, 20), "Buy", "ENEL", "Enel", "50", "0,03125", "EA",
                                                   "0,09375"),
                                          enel, 2});
    ASSERT_EQ(esito.stato(), Stato::Accettato) << esito.messaggio().toStdString();
    EXPECT_DOUBLE_EQ(a.valore(QString("SELECT Prezzo FROM Eseguiti WHERE ID = %1").arg(enel)).toDouble(), 0.0312);
    EXPECT_DOUBLE_EQ(a.valore(QString("SELECT PrezzoOttimale FROM Eseguiti WHERE ID = %1").arg(enel)).toDouble(), 0.0938);
    // The amount is the quantity times the price as typed.
    EXPECT_DOUBLE_EQ(a.valore(QString("SELECT Importo FROM Eseguiti WHERE ID = %1").arg(enel)).toDouble(), 50 * 0.03125);
    EXPECT_EQ(a.valore(QString("SELECT Data FROM Eseguiti WHERE ID = %1").arg(enel)).toString(), "2024-03-20");
    EXPECT_EQ(a.righe("EseguitiTemp"), a.righe());
}

TEST_F(ConfermaEseguitoTest, ChangedTradeIsShownWhereItsNewDatePutsIt)
{
    const EsitoConferma esito =
        conferma({Modo::Modifica, Pannello(QDate(2023, 12, 1), "Buy", "ENEL", "Enel", "50", "6"), enel, 2});
    ASSERT_EQ(esito.stato(), Stato::Accettato);
    EXPECT_EQ(esito.RigaCorrente, 0);
}

TEST_F(ConfermaEseguitoTest, NewNameGoesToEveryTradeOfTheCode)
{
    const EsitoConferma esito =
        conferma({Modo::Modifica, Pannello(QDate(2024, 1, 10), "Buy", "ENI", "Eni spa", "100", "12,5"), buy, 0});
    ASSERT_EQ(esito.stato(), Stato::Accettato) << esito.messaggio().toStdString();
    EXPECT_EQ(a.valore("SELECT COUNT(*) FROM Eseguiti WHERE Cod = 'ENI' AND Titolo = 'Eni spa'").toInt(), 2);
    EXPECT_EQ(a.valore("SELECT Titolo FROM Eseguiti WHERE Cod = 'ENEL'").toString(), "Enel");
}

TEST_F(ConfermaEseguitoTest, RefusedChangeLeavesTheHistoryAsTheSnapshotHadIt)
{
    struct Caso {
        RichiestaConferma richiesta;
        const char* prefisso;
    };
    const Caso casi[] = {
        {{Modo::Nuovo, Pannello(QDate(2024, 2, 11), "Sell", "ENI", "Eni", "5", "13"), std::nullopt, 1},
         "Impossibile inserire : "},
        // A rename of the code's trades is taken back with the change.
        {{Modo::Modifica, Pannello(QDate(2024, 2, 20), "Buy", "ENI", "Eni spa", "100", "12,5"), buy, 0},
         "Impossibile modificare "},
        {{Modo::Elimina, {}, buy, 0}, "Impossibile eliminare "},
    };
    const auto prima = a.righe();
    const auto sequenza = a.valore("SELECT seq FROM sqlite_sequence WHERE name = 'Eseguiti'");
    for (const Caso& k : casi) {
        const EsitoConferma esito = conferma(k.richiesta, Rifiuta);
        EXPECT_EQ(esito.stato(), Stato::Rifiutato) << k.prefisso;
        EXPECT_EQ(esito.messaggio(), QString(k.prefisso) + "ENI disponibili solo 0 pezzi");
        EXPECT_EQ(esito.RigaCorrente, k.richiesta.riga) << k.prefisso;
        EXPECT_TRUE(a.stato.MessaggioDisponibilita.isEmpty());
        EXPECT_EQ(a.righe(), prima) << k.prefisso;
        EXPECT_EQ(a.righe("EseguitiTemp"), prima) << k.prefisso;
    }
    // The key a refused new trade took is never given again.
    EXPECT_GE(a.valore("SELECT seq FROM sqlite_sequence WHERE name = 'Eseguiti'").toLongLong(), sequenza.toLongLong());
}

TEST_F(ConfermaEseguitoTest, ErrorBetweenTheWriteAndTheCheckLosesNothing)
{
    const RichiestaConferma richieste[] = {
        {Modo::Nuovo, Pannello(QDate(2024, 2, 11), "Buy", "ENI", "Eni", "5", "13"), std::nullopt, 1},
        {Modo::Modifica, Pannello(QDate(2024, 2, 20), "Buy", "ENI", "Eni spa", "100", "12,5"), buy, 0},
        {Modo::Elimina, {}, sell, 1},
    };
    const auto prima = a.righe();
    for (const RichiestaConferma& r : richieste) {
        long long visti = -1;
        const EsitoConferma esito = conferma(r, [&](StatoApplicazione& s) -> Esito {
            // The check runs on the written, not yet committed history...
            visti = CartellaProva::valore(s.DbPortafoglio, "SELECT COUNT(*) FROM Eseguiti").toLongLong();
            // ...and fails before it can say anything.
            throw std::runtime_error("disco pieno");
        });
        EXPECT_EQ(visti, r.modo == Modo::Nuovo ? 4 : r.modo == Modo::Elimina ? 2 : 3);
        EXPECT_EQ(esito.stato(), Stato::Errore);
        EXPECT_TRUE(esito.messaggio().contains("disco pieno")) << esito.messaggio().toStdString();
        EXPECT_TRUE(esito.messaggio().contains("non è stato modificato")) << esito.messaggio().toStdString();
        EXPECT_EQ(a.righe(), prima);
        EXPECT_EQ(a.righe("EseguitiTemp"), prima);
        ASSERT_TRUE(a.stato.DbPortafoglio.transaction()) << "a transaction was left open";
        a.stato.DbPortafoglio.rollback();
    }
}

TEST_F(ConfermaEseguitoTest, DatabaseErrorPartWayRollsEverythingBack)
{
    const auto prima = a.righe();
    QSqlDatabase db = a.stato.DbPortafoglio;

    // The rename succeeds, then the change of the trade itself fails: the rename goes too.
    CartellaProva::esegui(db, "CREATE TEMP TRIGGER blocca_data BEFORE UPDATE OF Data ON Eseguiti "
                              "BEGIN SELECT RAISE(ABORT, 'scrittura bloccata'); END");
    EsitoConferma esito =
        conferma({Modo::Modifica, Pannello(QDate(2024, 1, 11), "Buy", "ENI", "Eni spa", "100", "12,5"), buy, 0});
    EXPECT_EQ(esito.stato(), Stato::Errore);
    EXPECT_TRUE(esito.messaggio().contains("scrittura bloccata")) << esito.messaggio().toStdString();
    EXPECT_EQ(a.righe(), prima);
    CartellaProva::esegui(db, "DROP TRIGGER blocca_data");

    // A refused new trade whose restore breaks after the history was emptied.
    CartellaProva::esegui(db, "CREATE TEMP TRIGGER blocca_ripristino BEFORE INSERT ON Eseguiti "
                              "WHEN NEW.ID IN (SELECT ID FROM EseguitiTemp) BEGIN SELECT RAISE(ABORT, 'ripristino'); END");
    esito = conferma({Modo::Nuovo, Pannello(QDate(2024, 2, 11), "Sell", "ENI", "Eni", "5", "13"), std::nullopt, 1},
                     Rifiuta);
    EXPECT_EQ(esito.stato(), Stato::Errore);
    EXPECT_EQ(a.righe(), prima);
    CartellaProva::esegui(db, "DROP TRIGGER blocca_ripristino");
}

TEST_F(ConfermaEseguitoTest, DeletionShowsTheFollowingTradeOrTheNewLast)
{
    // Rows: 0 buy ENI, 1 sell ENI, 2 buy ENEL.
    EsitoConferma esito = conferma({Modo::Elimina, {}, enel, 2});
    ASSERT_EQ(esito.stato(), Stato::Accettato);
    EXPECT_EQ(esito.RigaCorrente, 1);  // the last one went: the new last
    esito = conferma({Modo::Elimina, {}, sell, 1});
    ASSERT_EQ(esito.stato(), Stato::Accettato);
    EXPECT_EQ(esito.RigaCorrente, 0);
    EXPECT_FALSE(esito.storicoVuoto);
    const qint64 nuovo = a.inserisci({"2024-05-01", "Buy", "A2A", "A2a", 10, 2});
    a.allinea();
    esito = conferma({Modo::Elimina, {}, buy, 0});
    ASSERT_EQ(esito.stato(), Stato::Accettato);
    EXPECT_EQ(esito.RigaCorrente, 0);  // the following trade moved up into row 0
    esito = conferma({Modo::Elimina, {}, nuovo, 0});
    ASSERT_EQ(esito.stato(), Stato::Accettato);
    EXPECT_EQ(esito.RigaCorrente, -1);
    EXPECT_TRUE(esito.storicoVuoto);
    EXPECT_EQ(a.conta(), 0);
    EXPECT_EQ(a.conta("EseguitiTemp"), 0);
}

TEST_F(ConfermaEseguitoTest, BadInputIsRefusedBeforeAnythingIsWritten)
{
    struct Caso {
        DatiPannello dati;
        const char* frammento;
    };
    const QDate d(2024, 4, 1);
    const Caso casi[] = {
        {Pannello(d, "Buy", "ENI", "Eni", "10", ","), "non è un numero valido"},
        {Pannello(d, "Buy", "ENI", "Eni", "10", "12.5"), "non è un numero valido"},
        {Pannello(d, "Buy", "ENI", "Eni", "10", "abc"), "non è un numero valido"},
        {Pannello(d, "Buy", "ENI", "Eni", "10", "0,00"), "maggiore di zero"},
        {Pannello(d, "Buy", "ENI", "Eni", "10", "12", "EA", ","), "prezzo ottimale"},
        {Pannello(d, "Buy", "ENI", "Eni", "0", "12"), "quantità"},
        {Pannello(d, "Buy", "ENI", "Eni", "-5", "12"), "quantità"},
        {Pannello(d, "Buy", "ENI", "Eni", "1,5", "12"), "quantità"},
        // Beyond what the engine can count, as the panel shows such a stored quantity.
        {Pannello(d, "Buy", "ENI", "Eni", "1E+20", "12"), "quantità"},
        {Pannello(d, "Buy", "ENI", "Eni", "1000000000000000", "12"), "quantità"},
        {Pannello(d, "Buy", "ENI", "Eni", "10000", "1E+305"), "troppo grande"},
        {Pannello(d, "Buy", "ENI", "Eni", "10", "12", "E'"), "apici"},
        {Pannello(d, "Buy", "ENI", "Eni", "10", "12", "EAX"), "al massimo 2 caratteri"},
        {Pannello(d, "Buy", "ENI", "Eni", "10", "12", ""), "codice errore"},
        {Pannello(d, "Buy", "EN'I", "Eni", "10", "12"), "apici"},
        // Pasted past the key filters: what a spreadsheet would run, what would not show.
        {Pannello(d, "Buy", "=1+2", "Eni", "10", "12"), "cominciare con =, +, - o @"},
        {Pannello(d, "Buy", "-ENI", "Eni", "10", "12"), "cominciare con =, +, - o @"},
        {Pannello(d, "Buy", "ENI", "@Eni", "10", "12"), "cominciare con =, +, - o @"},
        {{d, "Buy", "+WEB", "ENI", "Eni", "10", "12", "NE", ""}, "cominciare con =, +, - o @"},
        {Pannello(d, "Buy", "EN\tI", "Eni", "10", "12"), "Il codice del titolo non può contenere caratteri di controllo"},
        {Pannello(d, "Buy", "ENI", QStringLiteral("Eni\u202E"), "10", "12"), "nome del titolo non può contenere"},
        {{d, "Buy", QStringLiteral("W\nB"), "ENI", "Eni", "10", "12", "NE", ""}, "Il sistema non può contenere"},
        {Pannello(d, "Buy", "ENI", "  ", "10", "12"), "nome del titolo"},
        {Pannello(d, "", "ENI", "Eni", "10", "12"), "Buy o Sell"},
        {Pannello(QDate(), "Buy", "ENI", "Eni", "10", "12"), "data"},
        {{d, "Buy", "", "ENI", "Eni", "10", "12", "NE", ""}, "sistema"},
    };
    const auto prima = a.righe();
    const auto sequenza = a.valore("SELECT seq FROM sqlite_sequence WHERE name = 'Eseguiti'");
    for (const Modo modo : {Modo::Nuovo, Modo::Modifica}) {
        for (const Caso& k : casi) {
            bool controllato = false;
            const EsitoConferma esito =
                conferma({modo, k.dati, buy, 0}, [&](StatoApplicazione&) {
                    controllato = true;
                    return Esito::accettato();
                });
            EXPECT_EQ(esito.stato(), Stato::DatiNonValidi) << k.frammento;
            EXPECT_TRUE(esito.messaggio().contains(k.frammento)) << esito.messaggio().toStdString();
            EXPECT_FALSE(controllato);
        }
    }
    EXPECT_EQ(a.righe(), prima);
    EXPECT_EQ(a.valore("SELECT seq FROM sqlite_sequence WHERE name = 'Eseguiti'"), sequenza);
}

TEST_F(ConfermaEseguitoTest, StaleSnapshotIsNeverWrittenBack)
{
    // Eseguiti changed behind the window's back (the snapshot was not rebuilt).
    a.inserisci({"2024-04-01", "Buy", "A2A", "A2a", 10, 2});
    const auto prima = a.righe();
    const EsitoConferma esito = conferma(
        {Modo::Nuovo, Pannello(QDate(2024, 2, 11), "Sell", "ENI", "Eni", "5", "13"), std::nullopt, 1}, Rifiuta);
    EXPECT_EQ(esito.stato(), Stato::Errore);
    EXPECT_TRUE(esito.messaggio().contains("ripetere")) << esito.messaggio().toStdString();
    EXPECT_EQ(a.righe(), prima);
}

TEST_F(ConfermaEseguitoTest, RealCheckRefusesASellOfMoreThanHeld)
{
    const auto prima = a.righe();
    const EsitoConferma esito =
        conferma({Modo::Nuovo, Pannello(QDate(2024, 3, 11), "Sell", "ENEL", "Enel", "60", "6"), std::nullopt, 2});
    EXPECT_EQ(esito.stato(), Stato::Rifiutato);
    EXPECT_EQ(esito.messaggio(), "Impossibile inserire : ENEL disponibili solo 50 pezzi");
    EXPECT_EQ(a.righe(), prima);
}

// Texts the panel fills in itself from a stored trade are read back, whatever their form,
// and an error code no longer in the catalogue is the trade's own business.
TEST_F(ConfermaEseguitoTest, WhatThePanelShowsIsTakenBack)
{
    struct Caso {
        const char* qta;
        const char* prezzo;
        const char* errore;
        long long qtaAttesa;
        double prezzoAtteso;
    };
    const Caso casi[] = {
        {"1", "3E+20", "NE", 1, 3e20},
        {"1000", "1,5E-07", "EA", 1000, 0.0},  // a changed trade's price rounds to 4 decimals
        {"123456789", "12", "NE", 123456789, 12},
        {"999999999999999", "1", "NE", 999999999999999, 1},
        {"100", "12,5", "ZZ", 100, 12.5},   // not in the catalogue
        {"100", "12,5", "é", 100, 12.5},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.prezzo);
        a.allinea();
        const EsitoConferma esito = conferma(
            {Modo::Modifica, Pannello(QDate(2024, 3, 10), "Buy", "ENEL", "Enel", k.qta, k.prezzo, k.errore), enel, 2});
        ASSERT_EQ(esito.stato(), Stato::Accettato) << esito.messaggio().toStdString();
        EXPECT_EQ(a.valore(QString("SELECT Qta FROM Eseguiti WHERE ID = %1").arg(enel)).toLongLong(), k.qtaAttesa);
        EXPECT_DOUBLE_EQ(a.valore(QString("SELECT Prezzo FROM Eseguiti WHERE ID = %1").arg(enel)).toDouble(), k.prezzoAtteso);
        EXPECT_EQ(a.valore(QString("SELECT Errore FROM Eseguiti WHERE ID = %1").arg(enel)).toString(), QString::fromUtf8(k.errore));
    }
}

// The check could not read the history: that is a database failure, told as such, and the
// history goes back to what it was.
TEST_F(ConfermaEseguitoTest, DatabaseErrorOfTheCheckIsNotARefusal)
{
    const auto prima = a.righe();
    const auto illeggibile = [](StatoApplicazione& s) {
        StatoApplicazione senzaPortafoglio = s;
        senzaPortafoglio.DbPortafoglio = QSqlDatabase();
        return ControlloDisponibilita(senzaPortafoglio);
    };
    const RichiestaConferma richieste[] = {
        {Modo::Nuovo, Pannello(QDate(2024, 2, 11), "Buy", "ENI", "Eni", "5", "13"), std::nullopt, 1},
        {Modo::Modifica, Pannello(QDate(2024, 2, 20), "Buy", "ENI", "Eni spa", "100", "12,5"), buy, 0},
        {Modo::Elimina, {}, sell, 1},
    };
    for (const RichiestaConferma& r : richieste) {
        const EsitoConferma esito = conferma(r, illeggibile);
        EXPECT_EQ(esito.stato(), Stato::Errore);
        EXPECT_FALSE(esito.messaggio().startsWith("Impossibile")) << esito.messaggio().toStdString();
        EXPECT_TRUE(esito.messaggio().startsWith("Errore del database: ")) << esito.messaggio().toStdString();
        EXPECT_TRUE(esito.messaggio().contains("non è stato modificato")) << esito.messaggio().toStdString();
        EXPECT_TRUE(a.stato.MessaggioDisponibilita.isEmpty());
        EXPECT_EQ(a.righe(), prima);
        EXPECT_EQ(a.righe("EseguitiTemp"), prima);
    }
}

// With no trade left the refresh runs no engine, so the deletion itself leaves nothing
// held, nothing closed and every counter at 0, in the same transaction.
class UltimoEseguito : public ::testing::Test {
protected:
    void SetUp() override
    {
        id = a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5, "EA"});
        a.allinea();
        ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(a.stato.DbDataSet, a.stato.DbPortafoglio)));
        ASSERT_EQ(a.conta("Portafoglio"), 1);
    }
    long long contatori()
    {
        return CartellaProva::valore(a.stato.DbDataSet, "SELECT total(Contatore) FROM Errori").toLongLong();
    }

    AmbientePortafoglio a;
    qint64 id = 0;
};

TEST_F(UltimoEseguito, DeletingItEmptiesWhatWasDerived)
{
    ASSERT_EQ(contatori(), 1);
    CartellaProva::esegui(a.stato.DbPortafoglio, "INSERT INTO OperazioniChiuse (Cod, Qta) VALUES ('OLD', 1)");
    const EsitoConferma esito = ConfermaEseguito(a.stato, {Modo::Elimina, {}, id, 0});
    ASSERT_EQ(esito.stato(), Stato::Accettato) << esito.messaggio().toStdString();
    EXPECT_TRUE(esito.storicoVuoto);
    EXPECT_EQ(a.conta("Portafoglio"), 0);
    EXPECT_EQ(a.conta("OperazioniChiuse"), 0);
    EXPECT_EQ(contatori(), 0);
    // Nothing stays attached to the portfolio connection.
    EXPECT_EQ(a.valore("SELECT COUNT(*) FROM pragma_database_list WHERE name = 'impostazioni'").toInt(), 0);
}

TEST_F(UltimoEseguito, SettingsHeldByAReaderRefuseTheDeletionWhole)
{
    CartellaProva::esegui(a.stato.DbPortafoglio, "PRAGMA busy_timeout = 50");
    QSqlDatabase lettore = QSqlDatabase::addDatabase("QSQLITE", "lettore-impostazioni");
    {
        lettore.setDatabaseName(a.stato.DbDataSet.databaseName());
        ASSERT_TRUE(lettore.open());
        CartellaProva::esegui(lettore, "BEGIN");
        CartellaProva::valore(lettore, "SELECT COUNT(*) FROM Errori");

        const auto prima = a.righe();
        const EsitoConferma esito = ConfermaEseguito(a.stato, {Modo::Elimina, {}, id, 0});
        EXPECT_EQ(esito.stato(), Stato::Errore);
        EXPECT_EQ(a.righe(), prima);
        EXPECT_EQ(a.conta("Portafoglio"), 1);
        CartellaProva::esegui(lettore, "ROLLBACK");
        lettore.close();
    }
    lettore = QSqlDatabase();
    QSqlDatabase::removeDatabase("lettore-impostazioni");
    EXPECT_EQ(contatori(), 1);
    // The connection is usable again: the same deletion now goes through.
    EXPECT_EQ(ConfermaEseguito(a.stato, {Modo::Elimina, {}, id, 0}).stato(), Stato::Accettato);
    EXPECT_EQ(contatori(), 0);
}

// The refresh after a confirmation writes the replay its check made instead of replaying
// again, and only while nothing it read has changed: either way the derived tables are
// what a run on empty tables gives.
TEST_F(ConfermaEseguitoTest, TheRefreshWritesWhatAFullRunWould)
{
    const auto derivate = [this] {
        QStringList righe;
        for (const char* sql : {"SELECT rowid, * FROM Portafoglio ORDER BY rowid",
                                "SELECT rowid, * FROM OperazioniChiuse ORDER BY rowid"}) {
            QSqlQuery q(a.stato.DbPortafoglio);
            EXPECT_TRUE(q.exec(sql));
            while (q.next())
                for (int c = 0; c < q.record().count(); ++c)
                    righe << q.value(c).toString();
        }
        QSqlQuery q(a.stato.DbDataSet);
        EXPECT_TRUE(q.exec("SELECT Cod, Contatore FROM Errori ORDER BY rowid"));
        while (q.next())
            righe << q.value(0).toString() + "=" + q.value(1).toString();
        return righe;
    };
    const auto completa = [&] {
        CartellaProva::esegui(a.stato.DbPortafoglio, "DELETE FROM Portafoglio");
        CartellaProva::esegui(a.stato.DbPortafoglio, "DELETE FROM OperazioniChiuse");
        EXPECT_TRUE(EsitoAccettato(RicalcolaPortafoglio(a.stato.DbDataSet, a.stato.DbPortafoglio)));
        return derivate();
    };
    struct Caso {
        const char* nome;
        RichiestaConferma richiesta;
        std::function<void()> poi; // written between the confirmation and the refresh; none for nothing
    };
    const Caso casi[] = {
        {"partial sell",
         {Modo::Nuovo, Pannello(QDate(2024, 3, 11), "Sell", "ENEL", "Enel", "20", "7", "EA"), std::nullopt, 3},
         {}},
        {"rename and move",
         {Modo::Modifica, Pannello(QDate(2024, 1, 5), "Buy", "ENI", "Eni spa", "100", "12"), buy, 0},
         {}},
        {"rate changed since",
         {Modo::Nuovo, Pannello(QDate(2024, 3, 12), "Buy", "ENEL", "Enel", "10", "6"), std::nullopt, 3},
         [&] {
             CartellaProva::esegui(
                 a.stato.DbDataSet,
                 "UPDATE System SET Commissioni = Commissioni + 1, CommissioniMin = CommissioniMin + 1");
         }},
        {"trade written since",
         {Modo::Elimina, {}, sell, 1},
         [&] {
             a.inserisci({"2024-05-01", "Buy", "A2A", "A2a", 10, 2, "EA"});
         }},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        a.allinea();
        const EsitoConferma esito = conferma(k.richiesta);
        ASSERT_EQ(esito.stato(), Stato::Accettato) << esito.messaggio().toStdString();
        const auto pronto = esito.ricalcolo;
        ASSERT_TRUE(pronto);
        if (k.poi)
            k.poi();
        EXPECT_TRUE(EsitoAccettato(RicalcolaPortafoglio(a.stato.DbDataSet, a.stato.DbPortafoglio, pronto.get())));
        // Used exactly when nothing changed.
        EXPECT_EQ(pronto->dopo == ImprontaDi(a.stato.DbPortafoglio), !k.poi);
        const QStringList scritte = derivate();
        EXPECT_EQ(scritte, completa());
    }
}

// The check reads no settings: settings it cannot read leave it as it was, with no replay
// handed on (the refresh then replays on its own and says what failed).
TEST_F(ConfermaEseguitoTest, UnreadableSettingsDoNotStopTheCheck)
{
    CartellaProva::esegui(a.stato.DbDataSet, "ALTER TABLE System RENAME TO Altrove");
    const EsitoConferma esito
        = conferma({Modo::Nuovo, Pannello(QDate(2024, 3, 11), "Buy", "ENEL", "Enel", "5", "6"), std::nullopt, 3});
    EXPECT_EQ(esito.stato(), Stato::Accettato) << esito.messaggio().toStdString();
    EXPECT_FALSE(esito.ricalcolo);
    EXPECT_EQ(a.righe("EseguitiTemp"), a.righe());
    CartellaProva::esegui(a.stato.DbDataSet, "ALTER TABLE Altrove RENAME TO System");
}

namespace {

// Every stored value of a trade table with its kind (NULL, text, blob, number), by key.
QString Valori(AmbientePortafoglio& a, const QString& tabella)
{
    return a
        .valore(QStringLiteral("SELECT group_concat(riga, '|') FROM (SELECT quote(ID) || quote(Data) || quote(Tipo) "
                               "|| quote(System) || quote(Cod) || quote(Titolo) || quote(Qta) || quote(Prezzo) || "
                               "quote(Importo) || quote(Errore) || quote(PrezzoOttimale) AS riga FROM %1 ORDER BY ID)")
                    .arg(tabella))
        .toString();
}

} // namespace

// A snapshot that differs from the history in any stored value, its kind, a key or a row is
// made the history again; one that already is stays it.
TEST(FotografiaEseguiti, RifattaQuandoNonTieneLoStorico)
{
    AmbientePortafoglio a;
    a.inserisci({"2024-03-01", "Buy", "ENI", "Eni", 10, 2.5});
    a.inserisci({"2024-03-02", "Buy", "ENEL", "Enel", 5, 1.25, ""});
    a.inserisci({"2024-03-03", "Sell", "ENI", "Eni", 10, 3});
    CartellaProva::esegui(a.stato.DbPortafoglio, "UPDATE Eseguiti SET PrezzoOttimale = NULL WHERE ID = 3");
    const char* const guasti[] = {
        "",
        "UPDATE EseguitiTemp SET Errore = NULL WHERE ID = 2",
        "UPDATE EseguitiTemp SET Titolo = CAST(Titolo AS BLOB) WHERE ID = 1",
        "UPDATE EseguitiTemp SET Prezzo = 2.5000001 WHERE ID = 1",
        "UPDATE EseguitiTemp SET PrezzoOttimale = 0 WHERE ID = 3",
        "UPDATE EseguitiTemp SET Data = '2024-03-01 ' WHERE ID = 1",
        "UPDATE EseguitiTemp SET ID = 7 WHERE ID = 3",
        "DELETE FROM EseguitiTemp WHERE ID = 2",
        "INSERT INTO EseguitiTemp SELECT 9, Data, Tipo, System, Cod, Titolo, Qta, Prezzo, Importo, Errore, "
        "PrezzoOttimale FROM Eseguiti WHERE ID = 1",
        "DELETE FROM EseguitiTemp",
    };
    const QString storia = Valori(a, QStringLiteral("Eseguiti"));
    for (const char* guasto : guasti) {
        SCOPED_TRACE(guasto);
        ASSERT_TRUE(EsitoAccettato(eseguiti::RicostruisciFotografia(a.stato.DbPortafoglio)));
        if (*guasto)
            CartellaProva::esegui(a.stato.DbPortafoglio, guasto);
        ASSERT_TRUE(EsitoAccettato(eseguiti::RicostruisciFotografia(a.stato.DbPortafoglio)));
        EXPECT_EQ(Valori(a, QStringLiteral("EseguitiTemp")), storia);
    }
    EXPECT_EQ(Valori(a, QStringLiteral("Eseguiti")), storia);
}
