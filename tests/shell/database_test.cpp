#include "cartella_prova.h"
#include "cifra_stringa.h"
#include "database.h"
#include "schema_spedito.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

QStringList Colonne(QSqlDatabase& db, const QString& tabella)
{
    QStringList nomi;
    const QSqlRecord r = db.record(tabella);
    for (int i = 0; i < r.count(); ++i)
        nomi << r.fieldName(i);
    return nomi;
}

} // namespace

TEST(DatabaseSpediti, HoldEveryTableAndFieldInOrder)
{
    CartellaProva c;
    QSqlDatabase ds = c.apri(c.dataset());
    QSqlDatabase pf = c.apri(c.dataexe());
    const QStringList eseguiti = {"ID", "Data", "Tipo", "System", "Cod", "Titolo", "Qta",
                                  "Prezzo", "Importo", "Errore", "PrezzoOttimale"};
    EXPECT_EQ(Colonne(pf, "Eseguiti"), eseguiti);
    EXPECT_EQ(Colonne(pf, "EseguitiTemp"), eseguiti);
    EXPECT_EQ(Colonne(pf, "EseguitiBackup"), eseguiti);
    EXPECT_EQ(Colonne(pf, "Portafoglio"),
              QStringList({"System", "Cod", "Titolo", "Qta", "PzoCarico", "Importo", "Commissioni"}));
    EXPECT_EQ(Colonne(pf, "OperazioniChiuse"),
              QStringList({"Data", "giornoDiSettimana", "System", "Cod", "Titolo", "PzoCarico", "Qta", "Prezzo",
                           "GP", "GPPercentuale", "Commissioni", "Errore", "PrezzoOttimale"}));
    EXPECT_EQ(Colonne(pf, "Conto"), QStringList({"ID", "Data", "Tipo", "Importo", "Descrizione"}));
    EXPECT_EQ(Colonne(ds, "Errori"), Colonne(ds, "ErroriDefault"));
    EXPECT_TRUE(VerificaDatabase(c.dataset(), TipoDatabase::Impostazioni).messaggio.isEmpty());
    EXPECT_TRUE(VerificaDatabase(c.dataexe(), TipoDatabase::Portafoglio).messaggio.isEmpty());
    for (const char* t : {"Eseguiti", "EseguitiTemp", "EseguitiBackup", "Portafoglio", "OperazioniChiuse", "Conto"})
        EXPECT_EQ(CartellaProva::valore(pf, QString("SELECT count(*) FROM %1").arg(t)).toInt(), 0) << t;
}

TEST(DatabaseSpediti, SeedRows)
{
    CartellaProva c;
    QSqlDatabase ds = c.apri(c.dataset());
    EXPECT_EQ(CartellaProva::valore(ds, "SELECT count(*) FROM Settaggi").toInt(), 1);
    EXPECT_EQ(CifraStringa("D", ChiavePassword, CartellaProva::valore(ds, "SELECT Pwd FROM Settaggi").toString()), "0");
    EXPECT_EQ(CartellaProva::valore(ds, "SELECT ApriUltimo FROM Settaggi").toString(), "0");
    EXPECT_EQ(CartellaProva::valore(ds, "SELECT Tip + Benvenuto + Clock + Menu FROM Settaggi").toInt(), 4);
    EXPECT_EQ(CartellaProva::valore(ds, "SELECT Cod FROM Errori ORDER BY rowid LIMIT 1").toString(), "NE");
    EXPECT_EQ(CartellaProva::valore(ds, "SELECT count(*) FROM Errori").toInt(),
              CartellaProva::valore(ds, "SELECT count(*) FROM ErroriDefault").toInt());
    EXPECT_EQ(CartellaProva::valore(ds, "SELECT max(length(Cod)) FROM Errori").toInt(), 2);
    EXPECT_GE(CartellaProva::valore(ds, "SELECT count(DISTINCT Consiglio) FROM Consiglio").toInt(), 120);
    EXPECT_GE(CartellaProva::valore(ds, "SELECT count(*) FROM System").toInt(), 1);
    EXPECT_EQ(CartellaProva::valore(ds, "SELECT count(*) FROM Colori").toInt(), 1);
}

TEST(DatabaseSpediti, KeysAndCodeLengthAreKeptByTheDatabase)
{
    CartellaProva c;
    QSqlDatabase ds = c.apri(c.dataset());
    QSqlDatabase pf = c.apri(c.dataexe());
    QSqlQuery q(ds);
    EXPECT_FALSE(q.exec("INSERT INTO Errori (Cod) VALUES ('ABC')"));
    EXPECT_FALSE(q.exec("INSERT INTO ErroriDefault (Cod) VALUES ('ABC')"));
    // Keys are never given twice, even once the table is empty again.
    CartellaProva::esegui(pf, "INSERT INTO Eseguiti (Cod) VALUES ('A')");
    CartellaProva::esegui(pf, "DELETE FROM Eseguiti");
    CartellaProva::esegui(pf, "INSERT INTO Eseguiti (Cod) VALUES ('B')");
    EXPECT_EQ(CartellaProva::valore(pf, "SELECT ID FROM Eseguiti").toInt(), 2);
    // The snapshot takes copied keys and rows without one.
    CartellaProva::esegui(pf, "INSERT INTO EseguitiTemp SELECT * FROM Eseguiti");
    CartellaProva::esegui(pf, "INSERT INTO EseguitiTemp (Cod) VALUES ('C')");
    EXPECT_EQ(CartellaProva::valore(pf, "SELECT group_concat(ID) FROM EseguitiTemp").toString(), "2,3");
}

TEST(VerificaDatabase, RefusesFilesThatAreNotOurs)
{
    CartellaProva c;
    const QString testo = c.percorso("note.gvf");
    {
        QFile f(testo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Questo non e' un database\n");
    }
    const QString estraneo = c.percorso("estraneo.gvf");
    {
        QSqlDatabase db = c.apri(estraneo);
        CartellaProva::esegui(db, "CREATE TABLE Eseguiti (x)");
    }
    const QString monco = c.nuovoPortafoglio("monco.gvf");
    {
        QSqlDatabase db = c.apri(monco);
        CartellaProva::esegui(db, "ALTER TABLE Conto DROP COLUMN Descrizione");
    }
    const QString futuro = c.nuovoPortafoglio("futuro.gvf");
    {
        QSqlDatabase db = c.apri(futuro);
        CartellaProva::esegui(db, "PRAGMA user_version = 99");
    }
    struct Caso { QString percorso; TipoDatabase tipo; const char* frammento; };
    const Caso casi[] = {
        {c.percorso("manca.gvf"), TipoDatabase::Portafoglio, "non esiste"},
        {testo, TipoDatabase::Portafoglio, "non è un portafoglio di Brunivox"},
        {estraneo, TipoDatabase::Portafoglio, "non è un portafoglio di Brunivox"},
        {c.dataset(), TipoDatabase::Portafoglio, "non è un portafoglio di Brunivox"},
        {c.dataexe(), TipoDatabase::Impostazioni, "non è un file di impostazioni"},
        {monco, TipoDatabase::Portafoglio, "manca il campo Descrizione della tabella Conto"},
        {futuro, TipoDatabase::Portafoglio, "versione più recente"},
    };
    for (const Caso& k : casi) {
        const Esito esito = VerificaDatabase(k.percorso, k.tipo);
        EXPECT_TRUE(esito.rifiutato()) << k.frammento;
        EXPECT_TRUE(esito.messaggio.contains(QString::fromUtf8(k.frammento))) << esito.messaggio.toStdString();
    }
    EXPECT_FALSE(QFile::exists(c.percorso("manca.gvf")));
}

TEST(ApriDatabase, ARefusedFileLeavesTheOpenConnectionAlone)
{
    CartellaProva c;
    const QString buono = c.nuovoPortafoglio("buono.gvf");
    EsitoApertura primo = ApriDatabase("prova-apertura", buono, TipoDatabase::Portafoglio);
    ASSERT_TRUE(primo.esito.ok()) << primo.esito.messaggio.toStdString();
    CartellaProva::esegui(primo.db, "INSERT INTO Conto (Tipo) VALUES ('Versamento')");

    EsitoApertura secondo = ApriDatabase("prova-apertura", c.dataset(), TipoDatabase::Portafoglio);
    EXPECT_TRUE(secondo.esito.rifiutato());
    QSqlDatabase db = QSqlDatabase::database("prova-apertura", false);
    EXPECT_TRUE(db.isOpen());
    EXPECT_EQ(db.databaseName(), buono);
    EXPECT_EQ(CartellaProva::valore(db, "SELECT count(*) FROM Conto").toInt(), 1);
    db.close();
    db = QSqlDatabase();
    primo.db = QSqlDatabase();
    QSqlDatabase::removeDatabase("prova-apertura");
}

TEST(VerificaDatabase, RefusesAFileWhoseSchemaHoldsWhatTheShippedOneDoesNot)
{
    struct Caso {
        const char* nome;
        TipoDatabase tipo;
        QStringList sql;
        const char* oggetto;
    };
    const Caso casi[] = {
        {"trigger wiping the trades",
         TipoDatabase::Portafoglio,
         {"CREATE TRIGGER cancella AFTER DELETE ON Portafoglio BEGIN DELETE FROM Eseguiti; END"},
         "il trigger cancella"},
        {"trigger on the settings",
         TipoDatabase::Impostazioni,
         {"CREATE TRIGGER conta AFTER UPDATE ON Errori BEGIN DELETE FROM System; END"},
         "il trigger conta"},
        {"trigger named like a table",
         TipoDatabase::Portafoglio,
         {"CREATE TRIGGER Eseguiti AFTER INSERT ON Conto BEGIN DELETE FROM Conto; END"},
         "il trigger Eseguiti"},
        {"view",
         TipoDatabase::Portafoglio,
         {"CREATE VIEW Riepilogo AS SELECT Cod FROM Eseguiti"},
         "la vista Riepilogo"},
        {"index on our table", TipoDatabase::Impostazioni, {"CREATE INDEX codici ON Errori (Cod)"}, "l'indice codici"},
        {"table of its own", TipoDatabase::Portafoglio, {"CREATE TABLE Appunti (Testo TEXT)"}, "la tabella Appunti"},
        {"view in place of a table",
         TipoDatabase::Portafoglio,
         {"DROP TABLE Portafoglio",
          "CREATE VIEW Portafoglio AS SELECT System, Cod, Titolo, Qta, Prezzo AS PzoCarico, "
          "Importo, 0 AS Commissioni FROM Eseguiti"},
         "la vista Portafoglio"},
        {"our table made another way",
         TipoDatabase::Portafoglio,
         {"ALTER TABLE Conto ADD COLUMN Nota TEXT DEFAULT 'x'"},
         "la tabella Conto in una forma diversa"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        CartellaProva c;
        const QString percorso = k.tipo == TipoDatabase::Portafoglio ? c.dataexe() : c.dataset();
        {
            QSqlDatabase db = c.apri(percorso);
            for (const QString& istruzione : k.sql)
                CartellaProva::esegui(db, istruzione);
            db.close();
        }
        QFile f(percorso);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray prima = f.readAll();
        f.close();

        const Esito esito = VerificaDatabase(percorso, k.tipo);

        EXPECT_TRUE(esito.rifiutato());
        EXPECT_EQ(esito.messaggio.toStdString(),
                  QStringLiteral("Il file %1 contiene %2, che Brunivox non crea: per proteggere i dati il file non "
                                 "viene usato.")
                      .arg(QFileInfo(percorso).fileName(), QString::fromUtf8(k.oggetto))
                      .toStdString());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), prima);
    }
}

TEST(VerificaDatabase, TheShippedStatementsWithOtherCommentsAndBlanksAreOurs)
{
    CartellaProva c;
    QFile script(QDir(QStringLiteral(DATI_SQL)).filePath("dataexe.sql"));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    // Comments dropped and every blank doubled (its statements quote no text).
    QString testo = QString::fromUtf8(script.readAll());
    testo.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    testo.replace(QStringLiteral(" "), QStringLiteral("  "));
    const QString percorso = c.percorso("riscritto.gvf");
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(percorso).constData(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, testo.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    EXPECT_EQ(VerificaDatabase(percorso, TipoDatabase::Portafoglio).messaggio, QString());

    EXPECT_EQ(SqlNormalizzato("CREATE  TABLE t (a TEXT DEFAULT 'x  -- y', /* nota */ b)"),
              "CREATE TABLE t (a TEXT DEFAULT 'x  -- y', b)");
    EXPECT_NE(SqlNormalizzato("CREATE TABLE t (a DEFAULT 'x y')"),
              SqlNormalizzato("CREATE TABLE t (a DEFAULT 'x  y')"));
}

// The same schema and marks in UTF-16: refused at the check, in our words.
TEST(VerificaDatabase, AFileInUtf16IsRefused)
{
    CartellaProva c;
    for (const char* tipo : {"dataexe.sql", "dataset.sql"}) {
        SCOPED_TRACE(tipo);
        QFile script(QDir(QStringLiteral(DATI_SQL)).filePath(QString::fromLatin1(tipo)));
        ASSERT_TRUE(script.open(QIODevice::ReadOnly));
        const QString percorso = c.percorso(QStringLiteral("utf16_%1.gvf").arg(QString::fromLatin1(tipo)));
        {
            sqlite3* db = nullptr;
            ASSERT_EQ(sqlite3_open(QFile::encodeName(percorso).constData(), &db), SQLITE_OK);
            EXPECT_EQ(sqlite3_exec(db, "PRAGMA encoding = 'UTF-16le'", nullptr, nullptr, nullptr), SQLITE_OK);
            EXPECT_EQ(sqlite3_exec(db, script.readAll().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
        }
        const TipoDatabase t
            = QByteArray(tipo) == "dataexe.sql" ? TipoDatabase::Portafoglio : TipoDatabase::Impostazioni;
        const Esito esito = VerificaDatabase(percorso, t);
        EXPECT_TRUE(esito.rifiutato());
        EXPECT_EQ(esito.messaggio,
                  QStringLiteral("Il file %1 è scritto nella codifica UTF-16le, che Brunivox non usa: "
                                 "non può essere aperto.")
                      .arg(QFileInfo(percorso).fileName()));
    }
}

TEST(VerificaDatabase, AFileMissingAWorkingTableIsDamagedUnlessItIsAnExportedCopy)
{
    struct Caso {
        const char* nome;
        QStringList sql;
        const char* atteso;
    };
    const QString esportata = QStringLiteral(
        "Il file p.gvf è una copia del database esportata da Brunivox e non può essere aperto come portafoglio. "
        "Per lavorare su un portafoglio, aprire un file salvato con Salva con nome.");
    const Caso casi[] = {
        {"snapshot only", {"DROP TABLE EseguitiTemp"}, "Il file p.gvf è danneggiato: manca la tabella EseguitiTemp."},
        {"both working tables and Conto",
         {"DROP TABLE EseguitiTemp", "DROP TABLE EseguitiBackup", "DROP TABLE Conto"},
         "Il file p.gvf è danneggiato: manca la tabella EseguitiTemp."},
        {"working tables and the derived ones",
         {"DROP TABLE EseguitiTemp", "DROP TABLE EseguitiBackup", "DROP TABLE Portafoglio",
          "DROP TABLE OperazioniChiuse"},
         nullptr},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        CartellaProva c;
        const QString p = c.nuovoPortafoglio("p.gvf");
        {
            QSqlDatabase db = c.apri(p);
            for (const QString& istruzione : k.sql)
                CartellaProva::esegui(db, istruzione);
            db.close();
        }
        EXPECT_EQ(VerificaDatabase(p, TipoDatabase::Portafoglio).messaggio.toStdString(),
                  (k.atteso ? QString::fromUtf8(k.atteso) : esportata).toStdString());
    }
}

TEST(ApriDatabase, TheSchemaOfBothFilesIsNotTrusted)
{
    CartellaProva c;
    struct Caso {
        const char* connessione;
        QString percorso;
        TipoDatabase tipo;
    };
    const Caso casi[] = {
        {"prova-impostazioni", c.dataset(), TipoDatabase::Impostazioni},
        {"prova-portafoglio", c.dataexe(), TipoDatabase::Portafoglio},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.connessione);
        {
            EsitoApertura apertura = ApriDatabase(k.connessione, k.percorso, k.tipo);
            ASSERT_TRUE(apertura.esito.ok()) << apertura.esito.messaggio.toStdString();
            EXPECT_EQ(CartellaProva::valore(apertura.db, "PRAGMA trusted_schema").toInt(), 0);
            apertura.db.close();
        }
        QSqlDatabase::removeDatabase(k.connessione);
    }
}
