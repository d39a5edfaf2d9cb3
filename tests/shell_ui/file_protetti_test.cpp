// Portfolio commands against files they must not lose: damaged, left by a crash, read-only,
// open in another copy of the program, or the program's own.
#include "banco_prova.h"
#include "blocco_contenuto.h"
#include "blocco_file.h"
#include "colore_long.h"
#include "colori.h"
#include "dialogo_file_qt.h"
#include "finestra_figlia.h"
#include "guasti_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QToolBar>

#include <cerrno>
#include <unistd.h>

namespace {

// What a writer killed in the middle of its transaction was writing: SQL text, because the
// killed child runs it on a connection of its own.
const QString InserisciEseguito = QStringLiteral(
    "INSERT INTO Eseguiti (Data, Tipo, System, Cod, Titolo, Qta, Prezzo, Importo, Errore, PrezzoOttimale) "
    "VALUES ('2024-03-01', 'Buy', 'WEB', 'ENI', printf('%.200c', 'x'), 10, 1, 10, 'NE', 1)");

// Long titles make files of several pages, so that a torn copy would show.
const QString TitoloLungo(200, QLatin1Char('x'));

// The untitled portfolio open with one trade: what must survive a refused command.
void ScratchConUnEseguito(BancoProva& b)
{
    b.menu("mnu_NuovoPortafoglio");
    b.eseguito("2024-03-01", "Buy", "ENI", 100, 12.5);
    b.messaggi.mostrati.clear();
}

void Scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << percorso.toStdString();
    f.write(dati);
}

void ExpectScratchAncoraAperto(BancoProva& b)
{
    EXPECT_EQ(b.stato.PercorsoPortafoglio, b.cartella.dataexe());
    ASSERT_TRUE(b.stato.DbPortafoglio.isOpen());
    EXPECT_EQ(b.stato.DbPortafoglio.databaseName(), b.cartella.dataexe());
    EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Eseguiti"), 1);
    EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - Brunivox1");
    EXPECT_EQ(ApriUltimo(b), "0");
    EXPECT_TRUE(QFile::exists(PercorsoBlocco(b.cartella.dataexe())));
}

// For as long as it lives, the content locks fail as on a file system that keeps no record
// locks (some network and FUSE file systems).
class SenzaRecordLock {
public:
    SenzaRecordLock() : vera_(SostituisciChiamataBlocco(Rifiuta)) {}
    ~SenzaRecordLock() { SostituisciChiamataBlocco(vera_); }

private:
    static int Rifiuta(int, int, struct flock*)
    {
        errno = ENOLCK;
        return -1;
    }
    ChiamataBlocco vera_;
};

} // namespace

TEST(FileProtetti, WithoutRecordLocksTheLockFileAloneGuardsAndThePortfolioOpens)
{
    const SenzaRecordLock senza;
    BancoProva b;
    b.registraFinta("frmEseguiti");
    EXPECT_TRUE(b.stato.DbDataSet.isOpen());
    const QString p = PortafoglioCon(b, "p.gvf", 3);
    b.dialoghi.scelte << p;

    b.menu("mnu_Apri");

    EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join(" | ").toStdString();
    EXPECT_EQ(b.stato.PercorsoPortafoglio, p);
    EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - p.gvf");
    EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Portafoglio"), 1);
    // Another copy is kept off by the lock file alone.
    EXPECT_EQ(BloccaPortafoglio(p).esito.messaggio, "Il portafoglio p.gvf è già aperto in un'altra copia di Brunivox.");
    EXPECT_EQ(BloccaCartellaProgramma(b.cartella.cartella()).esito.messaggio, "Brunivox è già in esecuzione.");

    // Save as copies through its temporary file all the same, and goes on in the copy.
    const QString copia = b.cartella.percorso("copia.gvf");
    b.dialoghi.scelte << copia;
    b.menu("mnu_Salva");
    EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join(" | ").toStdString();
    EXPECT_EQ(b.stato.PercorsoPortafoglio, copia);
    EXPECT_EQ(LeggiStatoFile(copia, "Eseguiti").righe, 3);
    EXPECT_FALSE(QFile::exists(PercorsoBlocco(p)));
    EXPECT_TRUE(QFile::exists(PercorsoBlocco(copia)));

    // A lock file whose owner cannot be read stays: there is no telling whether its copy runs.
    const QString altro = PortafoglioCon(b, "altro.gvf", 1);
    Scrivi(PercorsoBlocco(altro), "");
    EXPECT_EQ(BloccaPortafoglio(altro).esito.messaggio,
              "Il portafoglio altro.gvf è già aperto in un'altra copia di Brunivox.");
}

TEST(FileProtetti, OpenTakesOverALockFileWhoseOwnerCannotBeRead)
{
    BancoProva b;
    b.registraFinta("frmEseguiti");
    const QString p = PortafoglioCon(b, "p.gvf", 3);
    // Left by a copy killed between making its lock file and writing it.
    Scrivi(PercorsoBlocco(p), "");
    b.dialoghi.scelte << p;

    b.menu("mnu_Apri");

    EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join(" | ").toStdString();
    EXPECT_EQ(b.stato.PercorsoPortafoglio, p);
    EXPECT_FALSE(BloccaPortafoglio(p).blocco);
}

TEST(FileProtetti, OpenRefusesDamagedReadOnlyLockedOrUncomputableFilesAndKeepsTheOpenOne)
{
    struct Caso {
        const char* nome;
        std::function<void(BancoProva&, const QString&)> prepara;
        std::function<QString(const QString&)> messaggio;   // exact, or a fragment when `esatto` is false
        bool esatto;
        bool intatto = true;   // byte for byte; a rolled-back run still bumps the change counter
    };
    std::shared_ptr<BloccoFile> altraCopia;
    std::unique_ptr<ScrittoreInAttesa> altroScrittore;
    const Caso casi[] = {
        {"damaged data pages", [](BancoProva&, const QString& p) { DanneggiaUltimePagine(p); },
         [](const QString&) { return QStringLiteral("Il file x.gvf è danneggiato e non può essere usato."); }, true},
        {"read-only file", [](BancoProva&, const QString& p) { QFile::setPermissions(p, QFile::ReadOwner); },
         [](const QString& p) { return "Il file " + p + " è di sola lettura: Brunivox ha bisogno di scriverci."; },
         true},
        {"open in another copy", [&altraCopia](BancoProva&, const QString& p) { altraCopia = BloccaPortafoglio(p).blocco; },
         [](const QString&) { return QStringLiteral("Il portafoglio x.gvf è già aperto in un'altra copia di Brunivox."); },
         true},
        // Another program is writing the file: the engine's first write is refused.
        {"engine cannot write",
         [&altroScrittore](BancoProva&, const QString& p) { altroScrittore = std::make_unique<ScrittoreInAttesa>(p); },
         [](const QString&) { return QStringLiteral("Errore del database"); }, false, false},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        BancoProva b;
        b.registraFinta("frmEseguiti");
        ScratchConUnEseguito(b);
        const QString p = PortafoglioCon(b, "x.gvf", 300, TitoloLungo);
        k.prepara(b, p);
        const QByteArray prima = Contenuto(p);
        const long long righe = LeggiStatoFile(p, "Eseguiti").righe;
        b.dialoghi.scelte << p;

        b.menu("mnu_Apri");

        ASSERT_EQ(b.messaggi.mostrati.size(), 1) << b.messaggi.testi().join(" | ").toStdString();
        const QString testo = b.messaggi.mostrati.first().testo;
        if (k.esatto) {
            EXPECT_EQ(testo, k.messaggio(p));
        } else {
            EXPECT_TRUE(testo.contains(k.messaggio(p))) << testo.toStdString();
        }
        ExpectScratchAncoraAperto(b);
        if (k.intatto) {
            EXPECT_EQ(Contenuto(p), prima);
        }
        EXPECT_EQ(LeggiStatoFile(p, "Eseguiti").righe, righe);
        EXPECT_EQ(QFile::exists(PercorsoBlocco(p)), altraCopia != nullptr);
        altraCopia.reset();
        altroScrittore.reset();
        QFile::setPermissions(p, QFile::ReadOwner | QFile::WriteOwner);
    }
}

TEST(FileProtetti, OpenRefusesAFileCarryingStatementsOfItsOwnAndRunsNoneOfThem)
{
    struct Caso {
        const char* nome;
        const char* sql;
        const char* oggetto;
    };
    const Caso casi[] = {
        // The engine empties Portafoglio first: the trigger would take the whole history.
        {"trigger wiping the trades",
         "CREATE TRIGGER cancella AFTER DELETE ON Portafoglio BEGIN DELETE FROM Eseguiti; END", "il trigger cancella"},
        {"trigger booking a withdrawal",
         "CREATE TRIGGER preleva AFTER INSERT ON OperazioniChiuse BEGIN INSERT INTO Conto (Data, Tipo, Importo, "
         "Descrizione) VALUES ('2024-01-05', 'Prelievo', 1000000000, '.'); END",
         "il trigger preleva"},
        {"nothing of its own", nullptr, nullptr},
        {"index on the trades", "CREATE INDEX per_codice ON Eseguiti (Cod)", "l'indice per_codice"},
        {"view", "CREATE VIEW Riepilogo AS SELECT Cod, SUM(Qta) FROM Eseguiti GROUP BY Cod", "la vista Riepilogo"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        BancoProva b;
        b.registraFinta("frmEseguiti");
        ScratchConUnEseguito(b);
        const QString p = PortafoglioCon(b, "x.gvf", 2);
        {
            QSqlDatabase db = b.cartella.apri(p);
            CartellaProva::esegui(db,
                                  "INSERT INTO Eseguiti (Data, Tipo, System, Cod, Titolo, Qta, Prezzo, Importo, "
                                  "Errore, PrezzoOttimale) VALUES ('2024-01-05', 'Sell', 'WEB', 'ENI', 'Eni', 5, 2, "
                                  "10, 'NE', 2)");
            if (k.sql)
                CartellaProva::esegui(db, k.sql);
            db.close();
        }
        const QByteArray prima = Contenuto(p);
        b.dialoghi.scelte << p;

        b.menu("mnu_Apri");

        if (!k.oggetto) {
            EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join(" | ").toStdString();
            EXPECT_EQ(b.stato.PercorsoPortafoglio, p);
            EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Eseguiti"), 3);
            EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "OperazioniChiuse"), 1);
            EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Conto"), 0);
            continue;
        }
        ASSERT_EQ(b.messaggi.mostrati.size(), 1) << b.messaggi.testi().join(" | ").toStdString();
        EXPECT_EQ(b.messaggi.mostrati.first().testo.toStdString(),
                  QStringLiteral("Il file x.gvf contiene %1, che Brunivox non crea: per proteggere i dati il file non "
                                 "viene usato.")
                      .arg(QString::fromUtf8(k.oggetto))
                      .toStdString());
        ExpectScratchAncoraAperto(b);
        EXPECT_EQ(Contenuto(p), prima);
        EXPECT_EQ(LeggiStatoFile(p, "Eseguiti").righe, 3);
        EXPECT_EQ(LeggiStatoFile(p, "Conto").righe, 0);
        EXPECT_FALSE(QFile::exists(PercorsoBlocco(p)));
    }
}

TEST(FileProtetti, AFileLeftByAKilledWriterOpensWithItsLastCommittedTrades)
{
    BancoProva b;
    b.registraFinta("frmEseguiti");
    const QString p = PortafoglioCon(b, "crash.gvf", 2, TitoloLungo);
    ScrittoreUcciso(p, InserisciEseguito);
    b.dialoghi.scelte << p;

    b.menu("mnu_Apri");

    EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join(" | ").toStdString();
    EXPECT_EQ(b.stato.PercorsoPortafoglio, p);
    EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Eseguiti"), 2);
    EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Portafoglio"), 1);
}

TEST(FileProtetti, EachOpenPortfolioIsLockedUntilAnotherReplacesIt)
{
    BancoProva b;
    const QString a = PortafoglioCon(b, "a.gvf", 1, TitoloLungo);
    const QString c = PortafoglioCon(b, "c.gvf", 1, TitoloLungo);
    b.dialoghi.scelte << a << c;
    b.menu("mnu_Apri");
    EXPECT_TRUE(QFile::exists(PercorsoBlocco(a)));
    EXPECT_FALSE(BloccaPortafoglio(a).blocco);
    b.menu("mnu_Apri");
    EXPECT_FALSE(QFile::exists(PercorsoBlocco(a)));
    EXPECT_TRUE(QFile::exists(PercorsoBlocco(c)));
    b.menu("mnu_NuovoPortafoglio");
    EXPECT_FALSE(QFile::exists(PercorsoBlocco(c)));
    EXPECT_TRUE(QFile::exists(PercorsoBlocco(b.cartella.dataexe())));
    EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join(" | ").toStdString();
}

TEST(FileProtetti, OpenRefusesAPortfolioOpenInAnotherCopyUnderAnyOfItsNames)
{
    struct Caso {
        const char* nome;
        std::function<QString(BancoProva&, const QString&)> nomina;
    };
    const Caso casi[] = {
        {"same path", [](BancoProva&, const QString& p) { return p; }},
        {"symbolic link",
         [](BancoProva& b, const QString& p) {
             const QString link = b.cartella.percorso("link.gvf");
             EXPECT_TRUE(QFile::link(p, link));
             return link;
         }},
        {"hard link",
         [](BancoProva& b, const QString& p) {
             const QString fisso = b.cartella.percorso("fisso.gvf");
             EXPECT_EQ(::link(QFile::encodeName(p).constData(), QFile::encodeName(fisso).constData()), 0);
             return fisso;
         }},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        BancoProva b;
        b.registraFinta("frmEseguiti");
        ScratchConUnEseguito(b);
        const QString condiviso = PortafoglioCon(b, "condiviso.gvf", 3);
        const std::shared_ptr<BloccoFile> altraCopia = BloccaPortafoglio(condiviso).blocco;
        ASSERT_TRUE(altraCopia);
        const QString scelto = k.nomina(b, condiviso);
        const QByteArray prima = Contenuto(condiviso);
        b.dialoghi.scelte << scelto;

        b.menu("mnu_Apri");

        ASSERT_EQ(b.messaggi.mostrati.size(), 1) << b.messaggi.testi().join(" | ").toStdString();
        EXPECT_EQ(b.messaggi.mostrati.first().testo.toStdString(),
                  QStringLiteral("Il portafoglio %1 è già aperto in un'altra copia di Brunivox.")
                      .arg(QFileInfo(scelto).fileName())
                      .toStdString());
        ExpectScratchAncoraAperto(b);
        EXPECT_EQ(Contenuto(condiviso), prima);
    }
}

TEST(FileProtetti, SaveAsNeverTargetsAFileOfTheProgramOrOneInUse)
{
    struct Caso {
        const char* nome;
        std::function<QString(BancoProva&)> destinazione;
        const char* frammento;
    };
    std::shared_ptr<BloccoFile> altraCopia;
    const Caso casi[] = {
        {"the settings file", [](BancoProva& b) { return b.cartella.dataset(); }, "è un file di Brunivox"},
        {"the scratch portfolio", [](BancoProva& b) { return b.cartella.dataexe(); }, "è un file di Brunivox"},
        {"settings of another folder", [](BancoProva& b) {
             QDir(b.cartella.cartella()).mkdir("altra");
             const QString p = b.cartella.percorso("altra/DataSet.gvx");
             QFile::copy(b.cartella.dataset(), p);
             return p;
         }, "è un file di Brunivox"},
        {"open in another copy", [&altraCopia](BancoProva& b) {
             const QString p = PortafoglioCon(b, "altrove.gvf", 3, TitoloLungo);
             altraCopia = BloccaPortafoglio(p).blocco;
             return p;
         }, "è già aperto in un'altra copia di Brunivox"},
        {"hard link of one open in another copy", [&altraCopia](BancoProva& b) {
             const QString p = PortafoglioCon(b, "altrove.gvf", 3, TitoloLungo);
             altraCopia = BloccaPortafoglio(p).blocco;
             const QString fisso = b.cartella.percorso("fisso.gvf");
             EXPECT_EQ(::link(QFile::encodeName(p).constData(), QFile::encodeName(fisso).constData()), 0);
             return fisso;
         }, "è già aperto in un'altra copia di Brunivox"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        BancoProva b;
        b.registraFinta("frmEseguiti");
        const QString aperto = PortafoglioCon(b, "aperto.gvf", 1, TitoloLungo);
        b.dialoghi.scelte << aperto;
        b.menu("mnu_Apri");
        const QString destinazione = k.destinazione(b);
        const QByteArray prima = Contenuto(destinazione);
        b.aggiornate.clear();
        b.dialoghi.scelte << destinazione;
        b.messaggi.risposte << Messaggi::Risposta::Si;

        b.menu("mnu_Salva");

        ASSERT_EQ(b.messaggi.mostrati.size(), 1) << b.messaggi.testi().join(" | ").toStdString();
        EXPECT_EQ(b.messaggi.mostrati.first().pulsanti, Messaggi::Pulsanti::Ok);  // no overwrite question
        EXPECT_TRUE(b.messaggi.mostrati.first().testo.contains(QString::fromUtf8(k.frammento)))
            << b.messaggi.mostrati.first().testo.toStdString();
        EXPECT_EQ(Contenuto(destinazione), prima);
        EXPECT_EQ(b.stato.PercorsoPortafoglio, aperto);
        EXPECT_TRUE(b.stato.DbPortafoglio.isOpen());
        EXPECT_EQ(ApriUltimo(b), aperto);
        altraCopia.reset();
    }

    // Whatever the settings file went through, the program still starts on it.
    BancoProva dopo;
    EXPECT_TRUE(dopo.stato.DbDataSet.isOpen());
}

TEST(FileProtetti, SaveAsLocksTheCopyItGoesOnInWhateverItsNames)
{
    struct Caso {
        const char* nome;
        bool esiste;
        bool perLink;
    };
    const Caso casi[] = {{"new file", false, false}, {"file replaced", true, false}, {"through a link", true, true}};
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        BancoProva b;
        ScratchConUnEseguito(b);
        const QString vero = b.cartella.percorso("salvato.gvf");
        if (k.esiste)
            PortafoglioCon(b, "salvato.gvf", 3);
        QString scelto = vero;
        if (k.perLink) {
            scelto = b.cartella.percorso("link.gvf");
            ASSERT_TRUE(QFile::link(vero, scelto));
        }
        b.dialoghi.scelte << scelto;
        b.messaggi.risposte << Messaggi::Risposta::Si;

        b.menu("mnu_Salva");

        EXPECT_EQ(b.stato.PercorsoPortafoglio, scelto);
        EXPECT_EQ(LeggiStatoFile(vero, "Eseguiti").righe, 1);
        EXPECT_EQ(QFileInfo(scelto).isSymLink(), k.perLink);
        // Another copy reaching the file by a name of its own meets the lock.
        const QString fisso = b.cartella.percorso("fisso.gvf");
        ASSERT_EQ(::link(QFile::encodeName(vero).constData(), QFile::encodeName(fisso).constData()), 0);
        EXPECT_FALSE(BloccaPortafoglio(fisso).blocco);
        EXPECT_FALSE(BloccaPortafoglio(vero).blocco);
        EXPECT_EQ(b.messaggi.mostrati.size(), k.esiste ? 1 : 0) << b.messaggi.testi().join(" | ").toStdString();
    }
}

TEST(FileProtetti, SaveAsAddsTheExtensionAndTheDialogDefaultsToIt)
{
    EXPECT_EQ(DialogoFileQt::SuffissoPredefinito("*.gvf|*.gvf"), "gvf");
    EXPECT_EQ(DialogoFileQt::SuffissoPredefinito("Tutti|*.*"), "");

    BancoProva b;
    ScratchConUnEseguito(b);
    b.dialoghi.scelte << b.cartella.percorso("senza") << b.cartella.percorso("con.punto.gvf");
    b.menu("mnu_Salva");
    EXPECT_EQ(b.stato.PercorsoPortafoglio, b.cartella.percorso("senza.gvf"));
    EXPECT_FALSE(QFile::exists(b.cartella.percorso("senza")));
    EXPECT_EQ(b.finestra->windowTitle(), "Brunivox - senza.gvf");
    EXPECT_EQ(ApriUltimo(b), b.cartella.percorso("senza.gvf"));
    b.menu("mnu_Salva");
    EXPECT_EQ(b.stato.PercorsoPortafoglio, b.cartella.percorso("con.punto.gvf"));
    EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join(" | ").toStdString();
}

TEST(FileProtetti, SaveAsCopiesTheCommittedStateNotTheBytesOfAHalfWrittenFile)
{
    BancoProva b;
    const QString a = PortafoglioCon(b, "a.gvf", 2000, TitoloLungo);
    b.dialoghi.scelte << a;
    b.menu("mnu_Apri");
    // Another writer dies in the middle of rewriting every row of the open file: pages of
    // the half-done change are in the file, the old ones only in its journal.
    ScrittoreUcciso(a, "UPDATE Eseguiti SET Titolo = printf('%.300c', 'z')", 1);
    const QString copia = b.cartella.percorso("copia.gvf");
    b.dialoghi.scelte << copia;

    b.menu("mnu_Salva");

    EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join(" | ").toStdString();
    EXPECT_EQ(b.stato.PercorsoPortafoglio, copia);
    const StatoFile stato = LeggiStatoFile(copia, "Eseguiti");
    EXPECT_EQ(stato.integrita.left(200), "ok");
    EXPECT_EQ(stato.righe, 2000);
    EXPECT_EQ(LeggiStatoFile(copia, "Eseguiti WHERE Titolo LIKE 'z%'").righe, 0);
    // Only the finished copy has a name: no temporary file is left beside it.
    EXPECT_EQ(QDir(b.cartella.cartella()).entryList({"*copia*"}, QDir::Files | QDir::Hidden),
              QStringList({"copia.gvf", "copia.gvf.lock"}));
}

TEST(FileProtetti, ARefreshThatCannotCountTheTradesSaysSo)
{
    BancoProva b;
    ScratchConUnEseguito(b);
    b.portafoglio("ALTER TABLE Eseguiti RENAME TO EseguitiSpariti");

    b.finestra->ControlloMenu();

    ASSERT_EQ(b.messaggi.mostrati.size(), 1);
    EXPECT_TRUE(b.messaggi.mostrati.first().testo.startsWith("Errore del database: "))
        << b.messaggi.mostrati.first().testo.toStdString();
    EXPECT_EQ(b.messaggi.mostrati.first().icona, Messaggi::Icona::Critico);
}

TEST(AspettoFinestre, ColoursReachTheMdiAreaChildrenCarryTheIconSmallButtonsTheirTooltips)
{
    BancoProva b("UPDATE Settaggi SET Icone32 = 0, IconeName = 0");
    b.registraFinta("frmEseguiti");
    const auto schema = LeggiColori(b.stato.DbDataSet);
    ASSERT_TRUE(schema);
    EXPECT_EQ(b.finestra->area()->background().color(), ColoreDaLong(schema->ColoreSfondo));

    b.menu("mnu_NuovoPortafoglio");
    FinestraFiglia* figlia = b.finestra->sottofinestra("frmEseguiti");
    ASSERT_NE(figlia, nullptr);
    EXPECT_FALSE(figlia->windowIcon().isNull());
    EXPECT_EQ(figlia->windowIcon().pixmap(16).toImage(), IconaProgramma().pixmap(16).toImage());

    EXPECT_EQ(b.finestra->toolbar1()->iconSize(), QSize(16, 16));
    EXPECT_EQ(b.finestra->pulsante(1)->toolTip(), "Nuovo");
    EXPECT_EQ(b.finestra->pulsante(12)->toolTip(), "Statistiche prestazioni per giorno settimanale");
}
