#include "ambiente_portafoglio.h"
#include "blocco_file.h"
#include "copia_database.h"
#include "database.h"
#include "destinazione_esportazione.h"
#include "esito_prova.h"
#include "guasti_file.h"
#include "motore.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <unistd.h>

namespace {

QStringList Tabelle(QSqlDatabase db)
{
    QStringList t;
    QSqlQuery q(db);
    EXPECT_TRUE(
        q.exec("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY name"));
    while (q.next())
        t << q.value(0).toString();
    return t;
}

TEST(CopiaDatabase, TieneLeTabelleSceltePiuConto)
{
    AmbientePortafoglio a;
    a.inserisci({"2024-03-01", "Buy", "ENI", "Eni", 100, 10.5});
    a.inserisci({"2024-03-15", "Sell", "ENI", "Eni", 40, 12.25});
    ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(a.stato.DbDataSet, a.stato.DbPortafoglio)));
    a.allinea();
    CartellaProva::esegui(a.stato.DbPortafoglio,
                          "INSERT INTO Conto (Data, Tipo, Importo, Descrizione) "
                          "VALUES ('2024-01-01', 'Versamento', 1000, '.')");
    const QStringList tabellePrima = Tabelle(a.stato.DbPortafoglio);
    const auto eseguitiPrima = a.righe();
    const auto fotografiaPrima = a.righe("EseguitiTemp");

    struct Caso {
        const char* nome;
        TabelleScelte scelte;
        QStringList tabelle;
        ConteggiEsportazione conteggi;
    };
    const Caso casi[] = {
        {"solo Eseguiti", {false, true, false}, {"Conto", "Eseguiti"}, {std::nullopt, 2, std::nullopt}},
        {"tutte", {true, true, true}, {"Conto", "Eseguiti", "OperazioniChiuse", "Portafoglio"}, {1, 2, 1}},
        {"chiuse e portafoglio",
         {true, false, true},
         {"Conto", "OperazioniChiuse", "Portafoglio"},
         {1, std::nullopt, 1}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const QString file = a.cartella.percorso(QStringLiteral("copia %1.mdb").arg(c.nome));
        const EsitoEsportazione esito = EsportaCopiaDatabase(a.stato.DbPortafoglio, file, c.scelte);
        ASSERT_TRUE(esito.esito.ok()) << esito.esito.messaggio.toStdString();
        EXPECT_EQ(esito.conteggi.OperazioniChiuse, c.conteggi.OperazioniChiuse);
        EXPECT_EQ(esito.conteggi.Eseguiti, c.conteggi.Eseguiti);
        EXPECT_EQ(esito.conteggi.Portafoglio, c.conteggi.Portafoglio);
        QSqlDatabase copia = a.cartella.apri(file);
        EXPECT_EQ(Tabelle(copia), c.tabelle);
        EXPECT_EQ(CartellaProva::valore(copia, "SELECT COUNT(*) FROM Conto").toInt(), 1);
        EXPECT_EQ(CartellaProva::valore(copia, "PRAGMA application_id").toInt(), 0x42565046);
        copia.close();
        // Opened as a portfolio, it is told for what it is: sound, but no portfolio.
        EXPECT_EQ(VerificaDatabase(file, TipoDatabase::Portafoglio).messaggio.toStdString(),
                  QStringLiteral("Il file %1 è una copia del database esportata da Brunivox e non può essere aperto "
                                 "come portafoglio. Per lavorare su un portafoglio, aprire un file salvato con Salva "
                                 "con nome.")
                      .arg(QFileInfo(file).fileName())
                      .toStdString());
        // No temporary file is left beside the copy.
        EXPECT_EQ(QDir(a.cartella.cartella()).entryList({".copia*"}, QDir::Files | QDir::Hidden), QStringList());
    }
    // The open portfolio is as it was, and still in use.
    EXPECT_TRUE(a.stato.DbPortafoglio.isOpen());
    EXPECT_EQ(Tabelle(a.stato.DbPortafoglio), tabellePrima);
    EXPECT_EQ(a.righe(), eseguitiPrima);
    EXPECT_EQ(a.righe("EseguitiTemp"), fotografiaPrima);
    a.inserisci({"2024-03-20", "Buy", "TIT", "Tim", 1, 1});
}

TEST(CopiaDatabase, UnaCopiaInterrottaLasciaIntattaLaPrecedente)
{
    AmbientePortafoglio a;
    a.inserisci({"2024-03-01", "Buy", "ENI", "Eni", 100, 10.5});
    a.allinea();
    const QString portafoglio = a.stato.PercorsoPortafoglio;
    const QString file = a.cartella.percorso(QStringLiteral("copia.db"));
    ASSERT_TRUE(EsportaCopiaDatabase(a.stato.DbPortafoglio, file, {false, true, false}).esito.ok());
    const QByteArray prima = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    // Killed as the tables not asked for are dropped, before that is kept.
    const bool ucciso = Ucciso(
        MomentoUcciso::Commit, [&](const QString& f) { return f != portafoglio; },
        [&] {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("figlio"));
            db.setDatabaseName(portafoglio);
            if (db.open())
                static_cast<void>(EsportaCopiaDatabase(db, file, {true, true, true}));
        });
    ASSERT_TRUE(ucciso);

    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), prima);
    f.close();
    QSqlDatabase copia = a.cartella.apri(file);
    EXPECT_EQ(Tabelle(copia), QStringList({"Conto", "Eseguiti"}));
    copia.close();

    // The next export to that name takes up what the killed one left.
    ASSERT_TRUE(EsportaCopiaDatabase(a.stato.DbPortafoglio, file, {true, true, true}).esito.ok());
    EXPECT_EQ(Tabelle(a.cartella.apri(file)), QStringList({"Conto", "Eseguiti", "OperazioniChiuse", "Portafoglio"}));
    EXPECT_EQ(QDir(a.cartella.cartella()).entryList({"*copia*"}, QDir::Files | QDir::Hidden),
              QStringList({"copia.db"}));
}

TEST(CopiaDatabase, CartellaMancanteNessunFile)
{
    AmbientePortafoglio a;
    const QString file = a.cartella.percorso(QStringLiteral("manca/copia.mdb"));
    const EsitoEsportazione esito = EsportaCopiaDatabase(a.stato.DbPortafoglio, file, {true, true, true});
    EXPECT_FALSE(esito.esito.ok());
    EXPECT_TRUE(esito.esito.messaggio.startsWith(QStringLiteral("Copia del database non riuscita")));
    EXPECT_FALSE(QFile::exists(file));
}

TEST(DestinazioneEsportazione, MaiUnDatabaseDelProgramma)
{
    AmbientePortafoglio a;
    a.stato.CartellaProgramma = a.cartella.cartella();
    const QString cartella = a.cartella.cartella();
    struct Caso {
        QString percorso;
        bool ammesso;
    };
    const Caso casi[] = {
        {a.stato.PercorsoPortafoglio, false},
        {cartella + QStringLiteral("/./prova.gvf"), false},
        {a.cartella.dataset(), false},
        {a.cartella.dataexe(), false},
        {cartella, false},
        {a.cartella.percorso(QStringLiteral("altro.xls")), true},
        {a.cartella.percorso(QStringLiteral("prova.gvf.xls")), true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.percorso.toStdString());
        EXPECT_EQ(VerificaDestinazioneEsportazione(c.percorso, a.stato).messaggio.isEmpty(), c.ammesso);
    }
    EXPECT_EQ(VerificaDestinazioneEsportazione(a.stato.PercorsoPortafoglio, a.stato).messaggio,
              QStringLiteral("Impossibile esportare su prova.gvf: è il portafoglio aperto. Scegliere un altro file."));
    // Named like the program's own files, in whatever folder.
    EXPECT_EQ(VerificaDestinazioneEsportazione(QDir::temp().filePath("dataset.gvx"), a.stato).messaggio,
              QStringLiteral("Il file dataset.gvx è un file di Brunivox e non può essere sostituito: "
                             "scegliere un altro nome."));
}

TEST(DestinazioneEsportazione, PortafoglioApertoAltrove)
{
    AmbientePortafoglio a;
    const QString altro = a.cartella.nuovoPortafoglio(QStringLiteral("altrove.gvf"));
    // Another name of the same file: no lock file beside it, the lock is on the content.
    const QString fisso = a.cartella.percorso(QStringLiteral("fisso.gvf"));
    ASSERT_EQ(::link(QFile::encodeName(altro).constData(), QFile::encodeName(fisso).constData()), 0);
    {
        // Held by this process on another lock object: as another copy holds it.
        const EsitoBlocco altrove = BloccaPortafoglio(altro);
        ASSERT_TRUE(altrove.esito.ok());
        EXPECT_EQ(VerificaDestinazioneEsportazione(altro, a.stato).messaggio,
                  QStringLiteral("Il portafoglio altrove.gvf è già aperto in un'altra copia di Brunivox."));
        EXPECT_EQ(VerificaDestinazioneEsportazione(fisso, a.stato).messaggio,
                  QStringLiteral("Il portafoglio fisso.gvf è già aperto in un'altra copia di Brunivox."));
    }
    EXPECT_EQ(VerificaDestinazioneEsportazione(altro, a.stato).messaggio, QString());
    EXPECT_EQ(VerificaDestinazioneEsportazione(fisso, a.stato).messaggio, QString());
    EXPECT_FALSE(QFile::exists(PercorsoBlocco(altro)));
    EXPECT_FALSE(QFile::exists(PercorsoBlocco(fisso)));

    // A second name of the open portfolio is the open portfolio.
    const QString aperto = a.cartella.percorso(QStringLiteral("aperto.gvf"));
    ASSERT_EQ(::link(QFile::encodeName(a.stato.PercorsoPortafoglio).constData(), QFile::encodeName(aperto).constData()),
              0);
    EXPECT_EQ(VerificaDestinazioneEsportazione(aperto, a.stato).messaggio,
              QStringLiteral("Impossibile esportare su aperto.gvf: è il portafoglio aperto. Scegliere un altro file."));
}

} // namespace
