#include "cartella_prova.h"
#include "cifra_stringa.h"
#include "database.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

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
