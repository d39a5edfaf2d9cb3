// Files left by a crash, damaged on disk, read-only, or in use by another copy of the program.
#include "blocco_file.h"
#include "cartella_prova.h"
#include "database.h"
#include "guasti_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString InserisciEseguito = QStringLiteral(
    "INSERT INTO Eseguiti (Data, Tipo, System, Cod, Titolo, Qta, Prezzo, Importo, Errore, PrezzoOttimale) "
    "VALUES ('2024-03-01', 'Buy', 'WEB', 'ENI', printf('%.200c', 'x'), 10, 1, 10, 'NE', 1)");
const QString InserisciConsiglio =
    QStringLiteral("INSERT INTO Consiglio (Consiglio) VALUES (printf('%.300c', 'y'))");

} // namespace

TEST(FileLasciatoDaUnCrash, IsRecoveredAndAccepted)
{
    struct Caso {
        const char* nome;
        QString (*file)(const CartellaProva&);
        TipoDatabase tipo;
        const QString& istruzione;
        const char* tabella;
    };
    const Caso casi[] = {
        {"portfolio", [](const CartellaProva& c) { return c.nuovoPortafoglio("crash.gvf"); }, TipoDatabase::Portafoglio,
         InserisciEseguito, "Eseguiti"},
        {"settings", [](const CartellaProva& c) { return c.dataset(); }, TipoDatabase::Impostazioni,
         InserisciConsiglio, "Consiglio"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        CartellaProva c;
        const QString percorso = k.file(c);
        const long long prima = LeggiStatoFile(percorso, QLatin1String(k.tabella)).righe;
        ScrittoreUcciso(percorso, k.istruzione);

        EXPECT_EQ(VerificaDatabase(percorso, k.tipo).messaggio, QString());

        // The killed transaction is gone whole; the journal with it.
        EXPECT_FALSE(QFile::exists(percorso + "-journal"));
        const StatoFile dopo = LeggiStatoFile(percorso, QLatin1String(k.tabella));
        EXPECT_EQ(dopo.integrita, "ok");
        EXPECT_EQ(dopo.righe, prima);
    }
}

TEST(FileDanneggiato, DamagedDataPagesAreRefusedThoughTheSchemaReads)
{
    CartellaProva c;
    const QString percorso = c.nuovoPortafoglio("rotto.gvf");
    {
        QSqlDatabase db = c.apri(percorso);
        CartellaProva::esegui(db, "BEGIN");
        for (int i = 0; i < 400; ++i)
            CartellaProva::esegui(db, InserisciEseguito);
        CartellaProva::esegui(db, "COMMIT");
        db.close();
    }
    ASSERT_EQ(VerificaDatabase(percorso, TipoDatabase::Portafoglio).messaggio, QString());
    DanneggiaUltimePagine(percorso);

    const QString errore = VerificaDatabase(percorso, TipoDatabase::Portafoglio).messaggio;
    EXPECT_EQ(errore, "Il file rotto.gvf è danneggiato e non può essere usato.");
}

TEST(FileDiSolaLettura, AReadOnlyFileOrFolderIsRefusedByName)
{
    CartellaProva c;
    QDir(c.cartella()).mkdir("chiusa");
    const QString inChiusa = c.nuovoPortafoglio("chiusa/p.gvf");
    const QString soloLettura = c.nuovoPortafoglio("sola.gvf");
    QFile::setPermissions(soloLettura, QFile::ReadOwner | QFile::ReadGroup);
    QFile::setPermissions(c.percorso("chiusa"), QFile::ReadOwner | QFile::ExeOwner);

    struct Caso { QString percorso; QString atteso; };
    const Caso casi[] = {
        {soloLettura, "Il file " + QDir::toNativeSeparators(soloLettura)
                          + " è di sola lettura: Brunivox ha bisogno di scriverci."},
        {inChiusa, "La cartella " + QDir::toNativeSeparators(c.percorso("chiusa"))
                       + " è di sola lettura: Brunivox ha bisogno di scriverci."},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.percorso.toStdString());
        EXPECT_EQ(VerificaScrivibile(k.percorso).messaggio, k.atteso);
        EXPECT_EQ(VerificaDatabase(k.percorso, TipoDatabase::Portafoglio).messaggio, k.atteso);
    }
    EXPECT_EQ(VerificaScrivibile(c.nuovoPortafoglio("libero.gvf")).messaggio, QString());
    QFile::setPermissions(c.percorso("chiusa"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(BloccoFile, OneHolderAtATimeAndAStaleLockIsTakenOver)
{
    CartellaProva c;
    EsitoBlocco primo = BloccaCartellaProgramma(c.cartella());
    ASSERT_TRUE(primo.blocco) << primo.esito.messaggio.toStdString();
    EXPECT_TRUE(QFile::exists(c.dataset() + ".lock"));

    EsitoBlocco secondo = BloccaCartellaProgramma(c.cartella());
    EXPECT_FALSE(secondo.blocco);
    EXPECT_TRUE(secondo.esito.rifiutato());
    EXPECT_EQ(secondo.esito.messaggio, "Brunivox è già in esecuzione.");

    const QString p = c.nuovoPortafoglio("p.gvf");
    EsitoBlocco portafoglio = BloccaPortafoglio(p);
    ASSERT_TRUE(portafoglio.blocco);
    EXPECT_EQ(BloccaPortafoglio(p).esito.messaggio, "Il portafoglio p.gvf è già aperto in un'altra copia di Brunivox.");

    primo.blocco.reset();
    EXPECT_FALSE(QFile::exists(c.dataset() + ".lock"));
    EXPECT_TRUE(BloccaCartellaProgramma(c.cartella()).blocco);

    // A process that dies holding the lock leaves its file behind.
    const pid_t figlio = fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        QLockFile blocco(PercorsoBlocco(c.dataset()));
        _exit(blocco.tryLock(0) ? 0 : 1);
    }
    int stato = 0;
    waitpid(figlio, &stato, 0);
    ASSERT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
    ASSERT_TRUE(QFile::exists(c.dataset() + ".lock"));
    EXPECT_TRUE(BloccaCartellaProgramma(c.cartella()).blocco);
}

TEST(BloccoFile, AnotherNameOfTheSameFileMeetsItsLockInAnotherCopy)
{
    CartellaProva c;
    const QString condiviso = c.nuovoPortafoglio("condiviso.gvf");
    QDir(c.cartella()).mkdir("altrove");
    ASSERT_TRUE(QFile::link(condiviso, c.percorso("altrove/link.gvf")));
    ASSERT_EQ(::link(QFile::encodeName(condiviso).constData(),
                     QFile::encodeName(c.percorso("altrove/fisso.gvf")).constData()),
              0);
    ASSERT_TRUE(QFile::link(c.cartella(), c.percorso("cartella-link")));

    // Another copy of the program holds the portfolio, then dies holding it.
    std::shared_ptr<BloccoFile> tenuto;
    FiglioInAttesa altraCopia([&] {
        tenuto = BloccaPortafoglio(condiviso).blocco;
        return tenuto != nullptr;
    });
    ASSERT_TRUE(altraCopia.pronto());

    struct Caso {
        const char* nome;
        QString percorso;
    };
    const Caso casi[] = {
        {"same path", condiviso},
        {"symbolic link", c.percorso("altrove/link.gvf")},
        {"hard link", c.percorso("altrove/fisso.gvf")},
        {"through a linked folder", c.percorso("cartella-link/condiviso.gvf")},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        const EsitoBlocco secondo = BloccaPortafoglio(k.percorso);
        EXPECT_FALSE(secondo.blocco);
        EXPECT_EQ(secondo.esito.messaggio.toStdString(),
                  QStringLiteral("Il portafoglio %1 è già aperto in un'altra copia di Brunivox.")
                      .arg(QFileInfo(k.percorso).fileName())
                      .toStdString());
        EXPECT_TRUE(VerificaPortafoglioLibero(k.percorso).rifiutato());
    }
    EXPECT_EQ(QDir(c.percorso("altrove")).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({"fisso.gvf", "link.gvf"}));

    altraCopia.uccidi();
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        EXPECT_TRUE(VerificaPortafoglioLibero(k.percorso).ok());
        EXPECT_TRUE(BloccaPortafoglio(k.percorso).blocco);
    }
}

TEST(BloccoFile, TheProgramFolderIsToldByItsSettingsFileWhateverTheName)
{
    CartellaProva c;
    EsitoBlocco primo = BloccaCartellaProgramma(c.cartella());
    ASSERT_TRUE(primo.blocco) << primo.esito.messaggio.toStdString();
    ASSERT_TRUE(QFile::link(c.cartella(), c.percorso("programma-link")));
    QDir(c.cartella()).mkdir("copia");
    ASSERT_EQ(::link(QFile::encodeName(c.dataset()).constData(),
                     QFile::encodeName(c.percorso("copia/DataSet.gvx")).constData()),
              0);

    for (const QString& cartella : {c.percorso("programma-link"), c.percorso("copia")}) {
        SCOPED_TRACE(cartella.toStdString());
        const EsitoBlocco secondo = BloccaCartellaProgramma(cartella);
        EXPECT_FALSE(secondo.blocco);
        EXPECT_EQ(secondo.esito.messaggio, "Brunivox è già in esecuzione.");
    }
    EXPECT_FALSE(QFile::exists(c.percorso("copia/DataSet.gvx.lock")));
}
