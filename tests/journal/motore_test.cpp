#include "esito_prova.h"
#include "controllo_disponibilita.h"
#include "motore.h"
#include "semina_eseguiti.h"
#include "storia_prova.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

namespace {

RigaOperazioneChiusa Chiusa(const char* data, int giorno, const char* system, const char* cod, const char* titolo,
                            double pzoCarico, qint64 qta, double prezzo, double gp, double gpPerc, double commissioni)
{
    return {data, giorno, system, cod, titolo, pzoCarico, qta, prezzo, gp, gpPerc, commissioni, {}, std::nullopt};
}

struct Caso {
    const char* nome;
    std::vector<Operazione> storia;
    std::vector<RigaPortafoglio> portafoglio;
    std::vector<RigaOperazioneChiusa> chiuse;
    QString messaggio;
    std::map<QString, qint64> contatori;   // every other catalogue code must be 0
};

// Dates: 2024-03-04 is a Monday (weekday 2), 2024-03-10 a Sunday (weekday 1).
const std::vector<Caso>& Casi()
{
    static const std::vector<Caso> casi = {
        {"two buys average to one position with both commissions",
         {{"2024-03-04", "Buy", "PCT", "AAA", "Alfa", 100, 10, "NE"},
          {"2024-03-05", "Buy", "PCT", "AAA", "Alfa", 100, 12, "EA"}},
         {{"PCT", "AAA", "Alfa", 200, 11, 2200, 1.0 + 1.2}},
         {},
         "",
         {{"NE", 1}, {"EA", 1}}},
        {"the amount after a buy uses the unrounded carrying price",
         {{"2024-03-04", "Buy", "ZZZ", "AAA", "Alfa", 1, 10}, {"2024-03-05", "Buy", "ZZZ", "AAA", "Alfa", 2, 11}},
         {{"ZZZ", "AAA", "Alfa", 3, 10.6667, 32.0 / 3 * 3, 0}},
         {},
         "",
         {{"NE", 2}}},
        {"partial sell takes its share of the buy commissions",
         {{"2024-03-04", "Buy", "FIX", "AAA", "Alfa", 50, 10},
          {"2024-03-05", "Buy", "FIX", "AAA", "Alfa", 50, 10},
          {"2024-03-08", "Sell", "FIX", "AAA", "Alfa", 30, 12, "UA"}},
         {{"FIX", "AAA", "Alfa", 70, 10, 700, 7}},
         {Chiusa("2024-03-08", 6, "FIX", "AAA", "Alfa", 10, 30, 12, 60, 20, 5 + 3)},
         "",
         {{"NE", 2}, {"UA", 1}}},
        {"system missing from the table costs nothing",
         {{"2024-03-04", "Buy", "ZZZ", "AAA", "Alfa", 100, 10}},
         {{"ZZZ", "AAA", "Alfa", 100, 10, 1000, 0}},
         {},
         "",
         {{"NE", 1}}},
        {"the minimum raises a small commission and a larger one stays unrounded",
         {{"2024-03-04", "Buy", "MIN", "AAA", "Alfa", 100, 10},
          {"2024-03-04", "Buy", "WEB", "BBB", "Beta", 333, 10.07}},
         {{"MIN", "AAA", "Alfa", 100, 10, 1000, 2.5}, {"WEB", "BBB", "Beta", 333, 10.07, 333 * 10.07, 333 * 10.07 * 1.9 / 1000}},
         {},
         "",
         {{"NE", 2}}},
        {"a sold-out code loses its row and reopens with the new buy's system and name, last",
         {{"2024-03-04", "Buy", "PCT", "AAA", "Alfa", 100, 10},
          {"2024-03-05", "Buy", "FIX", "BBB", "Beta", 10, 5},
          {"2024-03-06", "Sell", "PCT", "AAA", "Alfa", 100, 11},
          {"2024-03-10", "Buy", "FIX", "AAA", "Alfa nuova", 50, 9}},
         {{"FIX", "BBB", "Beta", 10, 5, 50, 5}, {"FIX", "AAA", "Alfa nuova", 50, 9, 450, 5}},
         {Chiusa("2024-03-06", 4, "PCT", "AAA", "Alfa", 10, 100, 11, 100, 10, 1.1 + 1.0)},
         "",
         {{"NE", 4}}},
        {"a sell of a code not held stops the run before its error is counted",
         {{"2024-03-04", "Buy", "PCT", "AAA", "Alfa", 100, 10},
          {"2024-03-05", "Sell", "PCT", "BBB", "Beta", 10, 5, "EA"},
          {"2024-03-06", "Buy", "PCT", "CCC", "Gamma", 10, 1, "ER"}},
         {{"PCT", "AAA", "Alfa", 100, 10, 1000, 1}},
         {},
         "BBB e' stato venduto : 05/03/2024",
         {{"NE", 1}}},
        {"an oversell keeps its closed operation and leaves the position as it was",
         {{"2024-03-04", "Buy", "FIX", "AAA", "Alfa", 100, 10},
          {"2024-03-05", "Sell", "FIX", "AAA", "Alfa", 150, 12, "UA"},
          {"2024-03-06", "Buy", "FIX", "AAA", "Alfa", 10, 1}},
         {{"FIX", "AAA", "Alfa", 100, 10, 1000, 5}},
         {Chiusa("2024-03-05", 3, "FIX", "AAA", "Alfa", 10, 150, 12, 300, 20, 5 + 7.5)},
         "AAA disponibili solo 100 pezzi",
         {{"NE", 1}}},
        {"an empty history resets everything", {}, {}, {}, "", {}},
        {"only a type that upper-cases to BUY buys",
         {{"2024-03-04", "buy", "FIX", "AAA", "Alfa", 10, 10},
          {"2024-03-04", "BUY", "FIX", "AAA", "Alfa", 10, 10},
          {"2024-03-06", "", "FIX", "AAA", "Alfa", 5, 10},
          {"2024-03-07", "Vendi", "FIX", "AAA", "Alfa", 5, 10}},
         {{"FIX", "AAA", "Alfa", 10, 10, 100, 5}},
         {Chiusa("2024-03-06", 4, "FIX", "AAA", "Alfa", 10, 5, 10, 0, 0, 7.5),
          Chiusa("2024-03-07", 5, "FIX", "AAA", "Alfa", 10, 5, 10, 0, 0, 7.5)},
         "",
         {{"NE", 4}}},
        {"trades replay by date, not by the order they were entered",
         {{"2024-03-05", "Buy", "ZZZ", "AAA", "Alfa", 10, 1}, {"2024-03-04", "Buy", "ZZZ", "BBB", "Beta", 10, 2}},
         {{"ZZZ", "BBB", "Beta", 10, 2, 20, 0}, {"ZZZ", "AAA", "Alfa", 10, 1, 10, 0}},
         {},
         "",
         {{"NE", 2}}},
        {"on one day a sell entered before its buy is not covered",
         {{"2024-03-04", "Sell", "ZZZ", "AAA", "Alfa", 10, 1}, {"2024-03-04", "Buy", "ZZZ", "AAA", "Alfa", 10, 1}},
         {},
         {},
         "AAA e' stato venduto : 04/03/2024",
         {}},
        {"quotes in codes and names are stored as they are",
         {{"2024-03-04", "Buy", "ZZZ", "O'K", "L'Oreal", 10, 2}, {"2024-03-05", "Sell", "ZZZ", "O'K", "L'Oreal", 4, 3}},
         {{"ZZZ", "O'K", "L'Oreal", 6, 2, 12, 0}},
         {Chiusa("2024-03-05", 3, "ZZZ", "O'K", "L'Oreal", 2, 4, 3, 4, 50, 0)},
         "",
         {{"NE", 2}}},
        {"prices and results round half to even",
         {{"2024-03-04", "Buy", "ZZZ", "AAA", "Alfa", 100, 1.23456}, {"2024-03-05", "Sell", "ZZZ", "AAA", "Alfa", 30, 1.56789},
          {"2024-03-04", "Buy", "ZZZ", "BBB", "Beta", 10, 0.25}, {"2024-03-05", "Sell", "ZZZ", "BBB", "Beta", 5, 0.5}},
         {{"ZZZ", "AAA", "Alfa", 70, 1.2346, 86.4, 0}, {"ZZZ", "BBB", "Beta", 5, 0.25, 1.2, 0}},
         {Chiusa("2024-03-05", 3, "ZZZ", "AAA", "Alfa", 1.2346, 30, 1.5679, 9.9987, 27, 0),
          Chiusa("2024-03-05", 3, "ZZZ", "BBB", "Beta", 0.25, 5, 0.5, 1.25, 100, 0)},
         "",
         {{"NE", 4}}},
        {"a carrying price of 0 gives a per-cent result of 0",
         {{"2024-03-04", "Buy", "ZZZ", "AAA", "Alfa", 10, 0}, {"2024-03-05", "Sell", "ZZZ", "AAA", "Alfa", 5, 1}},
         {{"ZZZ", "AAA", "Alfa", 5, 0, 0, 0}},
         {Chiusa("2024-03-05", 3, "ZZZ", "AAA", "Alfa", 0, 5, 1, 5, 0, 0)},
         "",
         {{"NE", 2}}},
        {"a negative quantity stops the replay before it is applied or counted",
         {{"2024-03-04", "Buy", "ZZZ", "AAA", "Alfa", 10, 10}, {"2024-03-05", "Buy", "ZZZ", "AAA", "Alfa", -10, 10}},
         {{"ZZZ", "AAA", "Alfa", 10, 10, 100, 0}},
         {},
         "L'eseguito con data \"05/03/2024\" e codice \"AAA\" non è valido: la quantità -10 non è un numero intero "
         "da 0 a 999999999999999. Correggerlo o eliminarlo nella finestra Eseguiti.",
         {{"NE", 1}}},
    };
    return casi;
}

class Motore : public ::testing::Test {
protected:
    void SetUp() override
    {
        s.SistemiDiProva();
        // Leftovers of an earlier run that the replay must replace.
        CartellaProva::esegui(s.dataset, "UPDATE Errori SET Contatore = 7");
        CartellaProva::esegui(s.portafoglio, "INSERT INTO Portafoglio (Cod, Qta) VALUES ('OLD', 1)");
        CartellaProva::esegui(s.portafoglio, "INSERT INTO OperazioniChiuse (Cod, Qta) VALUES ('OLD', 1)");
    }

    CartellaProva c;
    StoriaProva s{c};
};

TEST_F(Motore, EdgeCasesGiveTheExactRows)
{
    for (const Caso& caso : Casi()) {
        SCOPED_TRACE(caso.nome);
        CartellaProva::esegui(s.portafoglio, "DELETE FROM Eseguiti");
        s.Inserisci(caso.storia);

        const Esito esito = RicalcolaPortafoglio(s.dataset, s.portafoglio);
        EXPECT_EQ(esito.messaggio, caso.messaggio);
        EXPECT_EQ(esito.rifiutato(), !caso.messaggio.isEmpty());
        EXPECT_EQ(s.Portafoglio(), caso.portafoglio);
        EXPECT_EQ(s.Chiuse(), caso.chiuse);
        for (const auto& [cod, contatore] : s.Contatori()) {
            const auto atteso = caso.contatori.find(cod);
            EXPECT_EQ(contatore, atteso == caso.contatori.end() ? 0 : atteso->second) << cod.toStdString();
        }
    }
}

TEST_F(Motore, RunAgainGivesTheSameTables)
{
    s.Inserisci(Casi()[5].storia);
    ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(s.dataset, s.portafoglio)));
    const QStringList prima = s.Risultati();
    ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(s.dataset, s.portafoglio)));
    EXPECT_EQ(s.Risultati(), prima);
}

TEST_F(Motore, DatabaseErrorTakesBackTheWholeRunInBothDatabases)
{
    s.Inserisci(Casi()[2].storia);
    ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(s.dataset, s.portafoglio)));
    const QStringList prima = s.Risultati();

    // A refused closed operation half-way through a longer history.
    s.Inserisci({{"2024-03-11", "Buy", "PCT", "BAD", "Guasto", 10, 1, "EA"},
                 {"2024-03-12", "Sell", "PCT", "AAA", "Alfa", 10, 13, "EA"},
                 {"2024-03-13", "Sell", "PCT", "BAD", "Guasto", 10, 2, "EA"}});
    CartellaProva::esegui(s.portafoglio, "CREATE TRIGGER guasto BEFORE INSERT ON OperazioniChiuse WHEN NEW.Cod = 'BAD' "
                                         "BEGIN SELECT RAISE(ABORT, 'scrittura rifiutata'); END");

    const Esito esito = RicalcolaPortafoglio(s.dataset, s.portafoglio);
    EXPECT_TRUE(esito.erroreDatabase());
    EXPECT_TRUE(esito.messaggio.startsWith("Errore del database: ")) << esito.messaggio.toStdString();
    EXPECT_TRUE(esito.messaggio.contains("scrittura rifiutata")) << esito.messaggio.toStdString();
    EXPECT_EQ(s.Risultati(), prima);
    // Neither connection is left inside a transaction.
    for (QSqlDatabase* db : {&s.dataset, &s.portafoglio}) {
        QSqlQuery q(*db);
        EXPECT_TRUE(q.exec("BEGIN"));
        EXPECT_TRUE(q.exec("ROLLBACK"));
    }
}

TEST_F(Motore, MissingTableIsReportedAndChangesNothing)
{
    s.Inserisci(Casi()[0].storia);
    ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(s.dataset, s.portafoglio)));
    const QStringList prima = s.Righe(s.portafoglio, "SELECT * FROM Portafoglio");
    CartellaProva::esegui(s.portafoglio, "DROP TABLE OperazioniChiuse");
    CartellaProva::esegui(s.dataset, "UPDATE Errori SET Contatore = 3");

    const Esito esito = RicalcolaPortafoglio(s.dataset, s.portafoglio);
    EXPECT_TRUE(esito.erroreDatabase());
    EXPECT_TRUE(esito.messaggio.startsWith("Errore del database: ")) << esito.messaggio.toStdString();
    EXPECT_EQ(s.Righe(s.portafoglio, "SELECT * FROM Portafoglio"), prima);
    EXPECT_EQ(CartellaProva::valore(s.dataset, "SELECT min(Contatore) FROM Errori").toInt(), 3);
}

TEST_F(Motore, MissingTextsAreWrittenEmptyAndMatchEachOther)
{
    // A history from elsewhere with no code or name: the two trades are one security.
    // A null text is stored as NULL, an empty one as ''.
    const EsitoSemina semina
        = SeminaEseguiti(s.portafoglio,
                         {{0, "2024-03-04", "Buy", "ZZZ", QString(), QString(), 10, 1, 10, QString(), {}},
                          {0, "2024-03-05", "Buy", "ZZZ", QString(""), QString(), 10, 3, 30, "NE", {}}});
    ASSERT_TRUE(EsitoAccettato(semina.esito));
    ASSERT_EQ(CartellaProva::valore(s.portafoglio,
                                    "SELECT COUNT(*) FROM Eseguiti WHERE Cod IS NULL AND Errore IS NULL "
                                    "AND Titolo IS NULL")
                  .toInt(),
              1);
    EXPECT_TRUE(EsitoAccettato(RicalcolaPortafoglio(s.dataset, s.portafoglio)));
    EXPECT_EQ(s.Righe(s.portafoglio, "SELECT Cod, Titolo, Qta, PzoCarico FROM Portafoglio"),
              QStringList({"QString:|QString:|qlonglong:20|R:2"}));
}

// Rows from a file made elsewhere. The run stops at the first that cannot be replayed,
// naming its date and code, keeps what came before and never writes a value that is not
// a finite number.
TEST_F(Motore, EdgeNumbersStopTheRunAtTheirTrade)
{
    // A row as a file from elsewhere may hold it: system ZZZ, no optimal price.
    const auto riga = [](const char* data, const char* tipo, const char* cod, const char* titolo, qint64 qta,
                         double prezzo, double importo) {
        return RigaEseguito{0, data, tipo, "ZZZ", cod, titolo, qta, prezzo, importo, "NE", {}};
    };
    struct Caso {
        const char* nome;
        std::vector<RigaEseguito> righe;
        const char* data;    // as the message names it
        const char* frammento;
        qint64 contati = 1;  // trades replayed before the stop
        // What no trade row can hold, written over the rows once seeded.
        const char* ritocco = nullptr;
    };
    const Caso casi[] = {
        {"a quantity of 1e20",
         {riga("2024-03-05", "Buy", "BIG", "B", 1, 1, 1e20)},
         "05/03/2024",
         "la quantità 1E+20 non è un numero intero",
         1,
         "UPDATE Eseguiti SET Qta = 1e20 WHERE Cod = 'BIG'"},
        {"two buys of 9e18",
         {riga("2024-03-05", "Buy", "BIG", "B", 9000000000000000000, 1, 9e18),
          riga("2024-03-06", "Buy", "BIG", "B", 9000000000000000000, 1, 9e18)},
         "05/03/2024",
         "la quantità 9E+18"},
        {"two buys whose sum passes the limit",
         {riga("2024-03-05", "Buy", "BIG", "B", 600000000000000, 1, 6e14),
          riga("2024-03-06", "Buy", "BIG", "B", 600000000000000, 1, 6e14)},
         "06/03/2024",
         "la quantità posseduta supererebbe 999999999999999 pezzi",
         2},
        {"a price of 1e305", {riga("2024-03-05", "Buy", "BIG", "B", 10, 1e305, 1e306)}, "05/03/2024", "troppo grandi"},
        {"a sell at 1e305",
         {riga("2024-03-05", "Sell", "AAA", "Alfa", 5, 1e305, 5e305)},
         "05/03/2024",
         "troppo grandi"},
        {"a negative price",
         {riga("2024-03-05", "Buy", "BIG", "B", 10, -2, -20)},
         "05/03/2024",
         "il prezzo -2 è negativo"},
        {"a date that does not exist",
         {riga("2024-03-32", "Buy", "BIG", "B", 10, 2, 20)},
         "2024-03-32",
         "la data non è una data valida"},
        // Sorted first, so nothing is replayed before it.
        {"February 30th",
         {riga("2024-02-30", "Buy", "BIG", "B", 10, 2, 20)},
         "2024-02-30",
         "la data non è una data valida",
         0},
        {"no date", {riga("", "Buy", "BIG", "B", 10, 2, 20)}, "", "la data non è una data valida", 0},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        CartellaProva::esegui(s.portafoglio, "DELETE FROM Eseguiti");
        // A position held before the bad row, which the run must keep.
        s.Inserisci({"2024-03-04", "Buy", "ZZZ", "AAA", "Alfa", 10, 10});
        ASSERT_TRUE(EsitoAccettato(SeminaEseguiti(s.portafoglio, k.righe).esito));
        if (k.ritocco)
            CartellaProva::esegui(s.portafoglio, k.ritocco);

        const Esito esito = RicalcolaPortafoglio(s.dataset, s.portafoglio);
        EXPECT_TRUE(esito.rifiutato());
        const QString& messaggio = esito.messaggio;
        EXPECT_TRUE(messaggio.startsWith(QStringLiteral("L'eseguito con data \"%1\" e codice \"").arg(k.data)))
            << messaggio.toStdString();
        EXPECT_TRUE(messaggio.contains(QString::fromUtf8(k.frammento))) << messaggio.toStdString();
        const std::vector<RigaPortafoglio> posizioni = s.Portafoglio();
        if (k.contati == 0) {
            EXPECT_TRUE(posizioni.empty());
        } else {
            ASSERT_FALSE(posizioni.empty());
            EXPECT_EQ(posizioni.front(), (RigaPortafoglio{"ZZZ", "AAA", "Alfa", 10, 10, 100, 0}));
        }
        EXPECT_EQ(s.Chiuse(), std::vector<RigaOperazioneChiusa>{});
        EXPECT_EQ(s.Contatori().at("NE"), k.contati);
        for (const char* sql : {"SELECT COUNT(*) FROM Portafoglio WHERE abs(PzoCarico) > 1e308 OR abs(Importo) > 1e308 "
                                "OR abs(Commissioni) > 1e308",
                                "SELECT COUNT(*) FROM OperazioniChiuse WHERE abs(GP) > 1e308 OR abs(PzoCarico) > 1e308"})
            EXPECT_EQ(CartellaProva::valore(s.portafoglio, sql).toInt(), 0) << sql;
    }
}

// A figure stored as something other than a number (a text SQLite could not take as one,
// such as "12,5", a blob, a NULL) or an infinity is no figure: every replay stops at its trade
// with the message that names it, never reading it as 0 or as the digits before the comma.
TEST_F(Motore, FiguresNotStoredAsNumbersStopEveryReplayAtTheirTrade)
{
    struct Caso {
        const char* colonna;
        const char* valore; // SQL written over the row
        const char* difetto; // nullptr: the row is a number and replays
    };
    const Caso casi[] = {
        {"Qta", "'abc'", "la quantità non è un numero"},
        {"Qta", "'70,5'", "la quantità non è un numero"},
        {"Qta", "x'3730'", "la quantità non è un numero"},
        {"Qta", "NULL", "la quantità non è un numero"},
        {"Qta", "'70'", nullptr}, // the column's affinity stores it as the number 70
        {"Prezzo", "'12,5'", "il prezzo non è un numero"},
        {"Prezzo", "'abc'", "il prezzo non è un numero"},
        {"Prezzo", "x'00'", "il prezzo non è un numero"},
        {"Prezzo", "NULL", "il prezzo non è un numero"},
        {"Prezzo", "9e999", "il prezzo non è un numero"},
        {"Prezzo", "'12.5'", nullptr},
        {"Importo", "'abc'", "l'importo non è un numero"},
        {"Importo", "'875,0'", "l'importo non è un numero"},
        {"Importo", "x'01'", "l'importo non è un numero"},
        {"Importo", "NULL", "l'importo non è un numero"},
        {"Importo", "-9e999", "l'importo non è un numero"},
        {"PrezzoOttimale", "'abc'", "il prezzo ottimale non è un numero"},
        {"PrezzoOttimale", "x'01'", "il prezzo ottimale non è un numero"},
        {"PrezzoOttimale", "9e999", "il prezzo ottimale non è un numero"},
        {"PrezzoOttimale", "NULL", nullptr}, // left empty by a staged import
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(std::string(k.colonna) + " = " + k.valore);
        CartellaProva::esegui(s.portafoglio, "DELETE FROM Eseguiti");
        s.Inserisci({{"2024-03-04", "Buy", "ZZZ", "AAA", "Alfa", 10, 10},
                     {"2024-03-05", "Buy", "ZZZ", "ENI", "Eni", 70, 12.5},
                     {"2024-03-06", "Sell", "ZZZ", "ENI", "Eni", 70, 13}});
        CartellaProva::esegui(s.portafoglio, QStringLiteral("UPDATE Eseguiti SET PrezzoOttimale = Prezzo"));
        CartellaProva::esegui(s.portafoglio, QStringLiteral("UPDATE Eseguiti SET %1 = %2 WHERE Data = '2024-03-05'")
                                                 .arg(QLatin1String(k.colonna), QLatin1String(k.valore)));
        const QString atteso = k.difetto ? QStringLiteral("L'eseguito con data \"05/03/2024\" e codice \"ENI\" non è "
                                                          "valido: %1. Correggerlo o eliminarlo nella finestra Eseguiti.")
                                               .arg(QString::fromUtf8(k.difetto))
                                         : QString();

        const Esito esito = RicalcolaPortafoglio(s.dataset, s.portafoglio);
        EXPECT_EQ(esito.messaggio, atteso);
        EXPECT_EQ(s.Portafoglio(), (std::vector<RigaPortafoglio>{{"ZZZ", "AAA", "Alfa", 10, 10, 100, 0}}));
        EXPECT_EQ(s.Chiuse().size(), k.difetto ? 0u : 1u);
        EXPECT_EQ(s.Contatori().at("NE"), k.difetto ? 1 : 3);

        // The confirmation's pass: the holding check reads the quantity, the replay the rest.
        const PassaggioStoria passaggio = ControllaERiproduci(s.dataset, s.portafoglio, std::nullopt);
        const bool quantita = QLatin1String(k.colonna) == QLatin1String("Qta");
        EXPECT_EQ(passaggio.controllo.messaggio, quantita ? atteso : QString());
        if (!quantita) {
            ASSERT_TRUE(passaggio.ricalcolo);
            EXPECT_EQ(passaggio.ricalcolo->messaggio, atteso);
        }
    }
}

// A position may reach the largest quantity a trade may hold, and not one piece more: the
// engine, the holding check and the confirmation's pass draw the line at the same place.
TEST_F(Motore, PositionReachesTheLargestQuantityAndNotOnePast)
{
    constexpr qint64 M = 999'999'999'999'999;
    const QString oltre = QStringLiteral("L'eseguito con data \"06/03/2024\" e codice \"BIG\" non è valido: la "
                                         "quantità posseduta supererebbe 999999999999999 pezzi. Correggerlo o "
                                         "eliminarlo nella finestra Eseguiti.");
    struct Caso {
        const char* nome;
        std::vector<qint64> acquisti; // one a day from 2024-03-05
        QString messaggio;
        qint64 posseduti;
    };
    const Caso casi[] = {
        {"one trade of exactly the largest quantity", {M}, "", M},
        {"two trades that reach it exactly", {M - 1, 1}, "", M},
        {"a piece past it", {M, 1}, oltre, M},
        {"two trades that pass it by one", {M - 1, 2}, oltre, M - 1},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        CartellaProva::esegui(s.portafoglio, "DELETE FROM Eseguiti");
        std::vector<Operazione> storia;
        for (std::size_t i = 0; i < k.acquisti.size(); ++i)
            storia.push_back({QStringLiteral("2024-03-%1").arg(5 + i, 2, 10, QLatin1Char('0')), "Buy", "ZZZ", "BIG",
                              "B", k.acquisti[i], 1});
        s.Inserisci(storia);

        EXPECT_EQ(RicalcolaPortafoglio(s.dataset, s.portafoglio).messaggio, k.messaggio);
        const std::vector<RigaPortafoglio> posizioni = s.Portafoglio();
        ASSERT_EQ(posizioni.size(), 1u);
        EXPECT_EQ(posizioni[0].Qta, k.posseduti);
        EXPECT_EQ(VerificaDisponibilita(s.portafoglio).messaggio, k.messaggio);
        EXPECT_EQ(ControllaERiproduci(s.dataset, s.portafoglio, std::nullopt).controllo.messaggio, k.messaggio);
    }
}

// The run is one commit across both files: when the settings cannot be committed (another
// connection is reading them), the portfolio keeps its old derived tables too.
TEST_F(Motore, FailedCommitOfTheSettingsChangesNeitherFile)
{
    s.Inserisci(Casi()[2].storia);
    ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(s.dataset, s.portafoglio)));
    const QStringList prima = s.Risultati();
    s.Inserisci({{"2024-03-20", "Buy", "PCT", "NEW", "Nuovo", 10, 1, "EA"}});

    CartellaProva::esegui(s.portafoglio, "PRAGMA busy_timeout = 50");
    QSqlDatabase lettore = QSqlDatabase::addDatabase("QSQLITE", "lettore-motore");
    lettore.setDatabaseName(s.dataset.databaseName());
    ASSERT_TRUE(lettore.open());
    CartellaProva::esegui(lettore, "BEGIN");
    CartellaProva::valore(lettore, "SELECT COUNT(*) FROM Errori");

    const Esito esito = RicalcolaPortafoglio(s.dataset, s.portafoglio);
    EXPECT_TRUE(esito.erroreDatabase());
    EXPECT_TRUE(esito.messaggio.startsWith("Errore del database: ")) << esito.messaggio.toStdString();
    EXPECT_EQ(s.Risultati(), prima);

    CartellaProva::esegui(lettore, "ROLLBACK");
    lettore.close();
    lettore = QSqlDatabase();
    QSqlDatabase::removeDatabase("lettore-motore");
    // Nothing was left open or attached: the next run goes through.
    EXPECT_TRUE(EsitoAccettato(RicalcolaPortafoglio(s.dataset, s.portafoglio)));
    EXPECT_NE(s.Risultati(), prima);
}

} // namespace

// A run keeps the closed operations already stored that it would write again and rewrites
// the rest: whatever the tables held before, they end exactly as after a run on empty
// tables, row numbers and storage types included.
TEST_F(Motore, StoredRowsEndAsAFullRunWritesThem)
{
    s.Inserisci({{"2024-03-04", "Buy", "PCT", "AAA", "Alfa", 100, 10, "NE"},
                 {"2024-03-05", "Sell", "PCT", "AAA", "Alfa", 30, 11, "EA"},
                 {"2024-03-06", "Buy", "MIN", "BBB", "Beta", 10, 5, "NE"},
                 {"2024-03-07", "Sell", "PCT", "AAA", "Alfa", 30, 12, "UA"},
                 {"2024-03-08", "Sell", "MIN", "BBB", "Beta", 10, 6, "NE"}});
    ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(s.dataset, s.portafoglio)));
    const QString chiuse = "SELECT rowid, * FROM OperazioniChiuse ORDER BY rowid";
    const QStringList atteseChiuse = s.Righe(s.portafoglio, chiuse);
    ASSERT_EQ(atteseChiuse.size(), 3);
    const QStringList attesi = s.Risultati();

    const char* const guasti[] = {
        "UPDATE OperazioniChiuse SET GP = GP + 1 WHERE rowid = 2",
        "INSERT INTO OperazioniChiuse (Data, Cod, Qta) VALUES ('2024-03-09', 'OLD', 1)",
        "DELETE FROM OperazioniChiuse WHERE rowid = 1",
        "DELETE FROM OperazioniChiuse WHERE rowid = 3",
        "UPDATE OperazioniChiuse SET Errore = 'EA' WHERE rowid = 3",
        "UPDATE OperazioniChiuse SET Qta = '30' WHERE rowid = 2",
        "UPDATE OperazioniChiuse SET giornoDiSettimana = NULL WHERE rowid = 1",
        "DELETE FROM OperazioniChiuse",
    };
    for (const char* guasto : guasti) {
        SCOPED_TRACE(guasto);
        CartellaProva::esegui(s.portafoglio, guasto);
        CartellaProva::esegui(s.dataset, "UPDATE Errori SET Contatore = 7 WHERE Cod = 'UA'");
        ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(s.dataset, s.portafoglio)));
        EXPECT_EQ(s.Righe(s.portafoglio, chiuse), atteseChiuse);
        EXPECT_EQ(s.Risultati(), attesi);
    }
}

// Counters that already hold the history's counts are not written again: a second run over
// the same trades leaves the settings file as it was, while a changed count is written.
TEST_F(Motore, CountersAlreadyUpToDateAreNotRewritten)
{
    s.Inserisci(Casi()[2].storia);
    ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(s.dataset, s.portafoglio)));
    CartellaProva::esegui(s.dataset, "CREATE TRIGGER guasto BEFORE UPDATE ON Errori "
                                     "BEGIN SELECT RAISE(ABORT, 'disco pieno'); END");

    EXPECT_TRUE(EsitoAccettato(RicalcolaPortafoglio(s.dataset, s.portafoglio)));
    EXPECT_EQ(s.Contatori().at("NE"), 2);
    EXPECT_EQ(s.Contatori().at("UA"), 1);

    s.Inserisci({{"2024-03-20", "Buy", "PCT", "NEW", "Nuovo", 10, 1, "EA"}});
    const Esito esito = RicalcolaPortafoglio(s.dataset, s.portafoglio);
    EXPECT_TRUE(esito.erroreDatabase()) << "a changed counter is written";
    EXPECT_TRUE(esito.messaggio.contains("disco pieno")) << esito.messaggio.toStdString();
}

// The confirmation's pass sees the trades in the order SQLite sorts them by date and key,
// whatever order the keys were given in and whatever the stored dates hold.
TEST_F(Motore, ConfirmationPassFollowsTheSortedHistory)
{
    struct Riga {
        const char* data; // SQL written over the stored date
        const char* tipo;
        qint64 qta;
        double prezzo;
        const char* cod = "AAA"; // another code tells which trade a refusal is about
    };
    struct Caso {
        const char* nome;
        std::vector<Riga> righe; // keys 1, 2, ... in this order
    };
    const Caso casi[] = {
        {"dates follow the keys, ties included",
         {{"'2024-03-04'", "Buy", 100, 10}, {"'2024-03-05'", "Sell", 30, 11}, {"'2024-03-05'", "Sell", 20, 12},
          {"'2024-03-06'", "Sell", 50, 9}}},
        {"two sells entered the other way round",
         {{"'2024-03-04'", "Buy", 100, 10}, {"'2024-03-07'", "Sell", 50, 12}, {"'2024-03-06'", "Sell", 50, 11}}},
        {"the sell entered before its buy",
         {{"'2024-03-06'", "Sell", 10, 12}, {"'2024-03-05'", "Buy", 10, 10}}},
        {"a buy entered after the sell it covers, further on",
         {{"'2024-03-04'", "Buy", 10, 10}, {"'2024-03-05'", "Sell", 20, 12}, {"'2024-03-06'", "Buy", 1, 1},
          {"'2024-03-03'", "Buy", 10, 11}}},
        {"a sell uncovered by key and by date",
         {{"'2024-03-04'", "Buy", 10, 10}, {"'2024-03-05'", "Sell", 20, 12}, {"'2024-03-06'", "Buy", 10, 11}}},
        {"a buy dated before the rest, last",
         {{"'2024-03-05'", "Buy", 10, 10}, {"'2024-03-06'", "Sell", 10, 12}, {"'2024-03-04'", "Buy", 5, 11}}},
        {"odd dates in the order SQLite sorts them",
         {{"NULL", "Buy", 10, 10}, {"NULL", "Buy", 10, 10}, {"''", "Buy", 10, 11}, {"'2024-03-04'", "Buy", 10, 12},
          {"'2024-03-04 '", "Sell", 5, 13}, {"'2024-03-4'", "Buy", 1, 9}, {"x'323032342d30332d3033'", "Buy", 2, 8},
          {"x'32'", "Sell", 1, 14}}},
        {"odd dates out of order",
         {{"'2024-03-4'", "Buy", 10, 10}, {"x'323032342d30332d3033'", "Buy", 1, 10}, {"''", "Buy", 10, 11},
          {"'2024-03-04'", "Buy", 10, 12}, {"NULL", "Buy", 3, 7}, {"'2024-03-04 '", "Buy", 5, 13},
          {"20240305", "Sell", 4, 9}, {"'2024-03-040'", "Buy", 1, 9}, {"'2024-03-04'", "Buy", 2, 8}}},
        {"a blank date after the dated ones",
         {{"'2024-02-3x'", "Buy", 10, 10, "CCC"}, {"'2024-03-05'", "Buy", 10, 12}, {"''", "Buy", 2, 11, "BBB"}}},
        {"an empty date after the dated ones",
         {{"'2024-02-3x'", "Buy", 10, 10, "CCC"}, {"'2024-03-05'", "Buy", 10, 12}, {"NULL", "Buy", 2, 11, "BBB"}}},
        {"a date that is a longer text after its start",
         {{"'2024-03-04x'", "Buy", 10, 10, "CCC"}, {"'2024-03-04'", "Sell", 10, 12, "BBB"}}},
        {"a date stored as bytes sorts after the texts",
         {{"x'323032342d30332d3033'", "Buy", 10, 10}, {"'2024-03-05'", "Sell", 10, 12}}},
        {"dates stored as bytes among themselves",
         {{"x'323032342d30332d3034'", "Buy", 10, 10}, {"x'323032342d30332d3035'", "Sell", 5, 12},
          {"x'323032342d30332d3033'", "Sell", 5, 11}}},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        CartellaProva::esegui(s.portafoglio, "DELETE FROM Eseguiti");
        CartellaProva::esegui(s.portafoglio, "DELETE FROM sqlite_sequence WHERE name = 'Eseguiti'");
        for (const Riga& r : caso.righe)
            s.Inserisci({"2024-03-04", r.tipo, "PCT", r.cod, "Alfa", r.qta, r.prezzo});
        for (size_t i = 0; i < caso.righe.size(); ++i)
            CartellaProva::esegui(s.portafoglio, QStringLiteral("UPDATE Eseguiti SET Data = %1 WHERE ID = %2")
                                                     .arg(QLatin1String(caso.righe[i].data))
                                                     .arg(i + 1));
        QSqlQuery perData(s.portafoglio);
        ASSERT_TRUE(perData.exec("SELECT ID FROM Eseguiti ORDER BY Data, ID"));
        std::vector<qint64> ordine;
        while (perData.next())
            ordine.push_back(perData.value(0).toLongLong());
        ASSERT_EQ(ordine.size(), caso.righe.size());

        const Esito controllo = VerificaDisponibilita(s.portafoglio);
        const PassaggioStoria passaggio = ControllaERiproduci(s.dataset, s.portafoglio, std::nullopt);
        EXPECT_EQ(passaggio.controllo.messaggio, controllo.messaggio);
        if (controllo.rifiutato())
            continue;
        EXPECT_EQ(passaggio.righe, qint64(ordine.size()));
        for (size_t i = 0; i < ordine.size(); ++i)
            EXPECT_EQ(ControllaERiproduci(s.dataset, s.portafoglio, ordine[i]).rigaCercato, qint64(i))
                << "key " << ordine[i];

        const Esito ricalcolo = RicalcolaPortafoglio(s.dataset, s.portafoglio);
        ASSERT_TRUE(passaggio.ricalcolo);
        EXPECT_EQ(passaggio.ricalcolo->messaggio, ricalcolo.messaggio);
        EXPECT_EQ(passaggio.ricalcolo->posizioni, s.Portafoglio());
        EXPECT_EQ(passaggio.ricalcolo->chiuse, s.Chiuse());
    }
}
