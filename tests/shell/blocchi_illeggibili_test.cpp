// Lock files whose owner cannot be read: taken over when no copy of the program holds the
// file, refused while one does.
#include "avvio.h"
#include "blocco_file.h"
#include "cartella_prova.h"
#include "database.h"
#include "guasti_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <unistd.h>

namespace {

const QString InEsecuzione = QStringLiteral("Brunivox è già in esecuzione.");

// What a kill, a power cut or a stray program leaves in a lock file.
struct Guasto {
    const char* nome;
    std::function<void(const QString& fileBlocco)> lascia;
    bool sostituito = false; // another file takes the lock file's name
};

void Scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile::remove(percorso);
    QDir().rmdir(percorso);
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << percorso.toStdString();
    f.write(dati);
}

// Written in place, as a writer does: a holder's lock file stays the file it holds.
void Sovrascrivi(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite | QIODevice::Truncate)) << percorso.toStdString();
    f.write(dati);
}

const Guasto Guasti[] = {
    {"empty", [](const QString& f) { Scrivi(f, ""); }},
    {"binary garbage", [](const QString& f) { Scrivi(f, QByteArray("\x00\x01\xff\xfe\x7f garbage", 14)); }},
    {"words", [](const QString& f) { Scrivi(f, "not a lock\nof ours\n"); }},
    {"pid zero", [](const QString& f) { Scrivi(f, "0\nBrunivox\nhost\n"); }},
    {"negative pid", [](const QString& f) { Scrivi(f, "-7\nBrunivox\nhost\n"); }},
    {"empty folder", [](const QString& f) {
         QFile::remove(f);
         ASSERT_TRUE(QDir().mkdir(f));
     }},
};

// The same spoiling, done to the lock file of a copy that is running.
const Guasto GuastiSottoUnaCopiaViva[] = {
    {"emptied", [](const QString& f) { Sovrascrivi(f, ""); }},
    {"binary garbage", [](const QString& f) { Sovrascrivi(f, QByteArray("\x00\x01\xff\xfe\x7f garbage", 14)); }},
    {"words", [](const QString& f) { Sovrascrivi(f, "not a lock\nof ours\n"); }},
    {"pid zero", [](const QString& f) { Sovrascrivi(f, "0\nBrunivox\nhost\n"); }},
    {"replaced by an empty file", [](const QString& f) { Scrivi(f, ""); }, true},
    {"replaced by an empty folder", [](const QString& f) {
         ASSERT_TRUE(QFile::remove(f));
         ASSERT_TRUE(QDir().mkdir(f));
     }, true},
};

// Our own, well-formed lock: its owner reads back as this process.
void ExpectBloccoNostro(const QString& fileBlocco)
{
    QLockFile l(fileBlocco);
    qint64 pid = 0;
    QString host, programma;
    ASSERT_TRUE(l.getLockInfo(&pid, &host, &programma)) << fileBlocco.toStdString();
    EXPECT_EQ(pid, getpid());
}

// One of the two locks of a copy of the program, and how it is asked for.
struct Serratura {
    const char* nome;
    std::function<QString(CartellaProva&)> percorso; // the file the lock guards
    std::function<Esito(CartellaProva&, std::shared_ptr<BloccoFile>&)> prendi;
    QString rifiuto;
};

std::vector<Serratura> Serrature()
{
    const QString portafoglioOccupato = QStringLiteral("Il portafoglio p.gvf è già aperto in un'altra copia di Brunivox.");
    return {
        {"program folder", [](CartellaProva& c) { return c.dataset(); },
         [](CartellaProva& c, std::shared_ptr<BloccoFile>& b) {
             EsitoBlocco e = BloccaCartellaProgramma(c.cartella());
             b = e.blocco;
             return e.esito;
         },
         InEsecuzione},
        {"start-up", [](CartellaProva& c) { return c.dataset(); },
         [](CartellaProva& c, std::shared_ptr<BloccoFile>& b) {
             StatoApplicazione stato;
             const Esito e = ApriImpostazioni(stato, c.cartella());
             b = stato.BloccoProgramma;
             stato.DbDataSet = QSqlDatabase();
             ChiudiDatabase(ConnessioneDataSet);
             return e;
         },
         InEsecuzione},
        {"portfolio", [](CartellaProva& c) { return c.nuovoPortafoglio("p.gvf"); },
         [](CartellaProva& c, std::shared_ptr<BloccoFile>& b) {
             EsitoBlocco e = BloccaPortafoglio(c.percorso("p.gvf"));
             b = e.blocco;
             return e.esito;
         },
         portafoglioOccupato},
        {"portfolio asked about by an export", [](CartellaProva& c) { return c.nuovoPortafoglio("p.gvf"); },
         [](CartellaProva& c, std::shared_ptr<BloccoFile>&) { return VerificaPortafoglioLibero(c.percorso("p.gvf")); },
         portafoglioOccupato},
        {"portfolio name with no file yet", [](CartellaProva& c) { return c.percorso("p.gvf"); },
         [](CartellaProva& c, std::shared_ptr<BloccoFile>& b) {
             EsitoBlocco e = BloccaPortafoglio(c.percorso("p.gvf"));
             b = e.blocco;
             return e.esito;
         },
         portafoglioOccupato},
    };
}

} // namespace

TEST(BloccoIlleggibile, IsTakenOverWhenNoCopyHoldsTheFile)
{
    for (const Serratura& s : Serrature()) {
        for (const Guasto& g : Guasti) {
            SCOPED_TRACE(std::string(s.nome) + ", " + g.nome);
            CartellaProva c;
            const QString file = s.percorso(c);
            const QString fileBlocco = PercorsoBlocco(file);
            g.lascia(fileBlocco);

            std::shared_ptr<BloccoFile> blocco;
            EXPECT_EQ(s.prendi(c, blocco).messaggio, QString());
            if (blocco) {
                ExpectBloccoNostro(fileBlocco);
                blocco.reset();
            }
            EXPECT_FALSE(QFileInfo::exists(fileBlocco));
        }
    }
}

TEST(BloccoIlleggibile, ARunningCopyIsStillRefusedWhateverItsLockFileHolds)
{
    for (const Serratura& s : Serrature()) {
        for (const Guasto& g : GuastiSottoUnaCopiaViva) {
            SCOPED_TRACE(std::string(s.nome) + ", " + g.nome);
            CartellaProva c;
            const QString file = s.percorso(c);
            const QString fileBlocco = PercorsoBlocco(file);
            // With no file yet, the lock file is all a copy holds: once another file has taken
            // its name, nothing is left to tell a running copy by.
            if (g.sostituito && !QFileInfo(file).isFile())
                continue;
            // Another copy holds the file the way the program does.
            FiglioInAttesa altraCopia([&] {
                static std::shared_ptr<BloccoFile> tenuto;
                tenuto = QFileInfo(file).fileName() == NomeFileDataSet
                    ? BloccaCartellaProgramma(c.cartella()).blocco
                    : BloccaPortafoglio(file).blocco;
                return tenuto != nullptr;
            });
            ASSERT_TRUE(altraCopia.pronto());
            g.lascia(fileBlocco);
            const bool cartella = QFileInfo(fileBlocco).isDir();

            std::shared_ptr<BloccoFile> blocco;
            const Esito e = s.prendi(c, blocco);
            EXPECT_FALSE(blocco);
            EXPECT_EQ(e.messaggio, s.rifiuto);
            EXPECT_TRUE(QFileInfo::exists(fileBlocco));
            EXPECT_EQ(QFileInfo(fileBlocco).isDir(), cartella);
        }
    }
}

TEST(BloccoIlleggibile, AFolderWithFilesInPlaceOfTheLockIsToldAndKept)
{
    CartellaProva c;
    const QString p = c.nuovoPortafoglio("p.gvf");
    const QString fileBlocco = PercorsoBlocco(p);
    ASSERT_TRUE(QDir().mkdir(fileBlocco));
    Scrivi(fileBlocco + "/nota.txt", "di qualcuno");

    const EsitoBlocco e = BloccaPortafoglio(p);
    EXPECT_FALSE(e.blocco);
    EXPECT_EQ(e.esito.messaggio,
              "Impossibile creare il file di blocco " + QDir::toNativeSeparators(fileBlocco)
                  + ": al suo posto c'è una cartella.");
    EXPECT_TRUE(QFile::exists(fileBlocco + "/nota.txt"));
}
