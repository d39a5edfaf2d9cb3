// What a copy killed while writing a file leaves beside it goes at the next start, the next
// opening of a portfolio there or the next copy into that folder; nothing of the user's does.
#include "banco_prova.h"
#include "database.h"
#include "file_portafoglio.h"
#include "guasti_file.h"
#include "scrittura_accanto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QString TitoloLungo(200, QLatin1Char('x'));

QSet<QString> Nascosti(const QString& cartella)
{
    const QStringList nomi = QDir(cartella).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System
                                                      | QDir::NoDotAndDotDot);
    QSet<QString> insieme;
    for (const QString& n : nomi)
        if (n.startsWith(QLatin1Char('.')))
            insieme.insert(n);
    return insieme;
}

// Copies `sorgente` onto `destinazione` in a child killed on the way: at the snapshot, or with
// `giornale` in the middle of a transaction on the copy, which leaves its journal too. The
// hidden names it left.
QSet<QString> LasciaAvanzi(const QString& sorgente, const QString& destinazione, bool giornale)
{
    const QString cartella = QFileInfo(destinazione).absolutePath();
    const QSet<QString> prima = Nascosti(cartella);
    const bool ucciso = Ucciso(
        giornale ? MomentoUcciso::Commit : MomentoUcciso::Lavoro,
        [&](const QString& f) { return giornale ? f != sorgente : f == sorgente; },
        [&] {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "figlio");
            db.setDatabaseName(sorgente);
            if (!db.open())
                return;
            static_cast<void>(CopiaDatabaseSicura(db, destinazione, [](const QString& copia) {
                QSqlDatabase c = QSqlDatabase::addDatabase("QSQLITE", "copia");
                c.setDatabaseName(copia);
                QSqlQuery q(c);
                if (c.open() && q.exec("BEGIN") && q.exec("DELETE FROM Eseguiti"))
                    static_cast<void>(q.exec("COMMIT"));
                return Esito::accettato();
            }));
        });
    EXPECT_TRUE(ucciso);
    QSet<QString> lasciati = Nascosti(cartella) - prima;
    EXPECT_FALSE(lasciati.isEmpty());
    if (giornale) {
        EXPECT_EQ(lasciati.size(), 2) << QStringList(lasciati.begin(), lasciati.end()).join(" ").toStdString();
    }
    return lasciati;
}

void Scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << percorso.toStdString();
    f.write(dati);
}

// Files of the user's that look like what a killed copy leaves, made beside `lasciato`:
// not hidden, with more after the name, a link and a folder under the very names a copy
// would use. Returns the paths with what each holds.
QMap<QString, QByteArray> FileDellUtente(const QString& cartella, const QString& lasciato)
{
    QMap<QString, QByteArray> file;
    const QDir dir(cartella);
    file[dir.filePath(lasciato.mid(1))] = "non nascosto";
    file[dir.filePath(lasciato + ".bak")] = "una copia dell'utente";
    for (auto it = file.cbegin(); it != file.cend(); ++it)
        Scrivi(it.key(), it.value());
    QString link = lasciato;
    link.replace(QFileInfo(lasciato.mid(1)).baseName(), "collegato");
    const QString dati = dir.filePath("dati.txt");
    Scrivi(dati, "i dati a cui punta");
    EXPECT_TRUE(QFile::link(dati, dir.filePath(link)));
    file[dati] = "i dati a cui punta";
    QString sottocartella = lasciato;
    sottocartella.replace(QFileInfo(lasciato.mid(1)).baseName(), "cartella");
    EXPECT_TRUE(dir.mkdir(sottocartella));
    file[dir.filePath(sottocartella + "/nota.txt")] = "dentro una cartella";
    Scrivi(dir.filePath(sottocartella + "/nota.txt"), "dentro una cartella");
    file[dir.filePath(link)] = "i dati a cui punta";
    return file;
}

void ExpectIntatti(const QMap<QString, QByteArray>& file)
{
    for (auto it = file.cbegin(); it != file.cend(); ++it)
        EXPECT_EQ(Contenuto(it.key()), it.value()) << it.key().toStdString();
}

// The first in order, so that a run makes the same files as the last.
QString Primo(const QSet<QString>& nomi)
{
    QStringList ordinati(nomi.begin(), nomi.end());
    ordinati.sort();
    return ordinati.value(0);
}

void ExpectSpariti(const QString& cartella, const QSet<QString>& lasciati)
{
    for (const QString& n : lasciati)
        EXPECT_FALSE(QFileInfo::exists(QDir(cartella).filePath(n))) << n.toStdString();
}

} // namespace

TEST(AvanziDiCopieUccise, GoAtTheNextStartOfTheProgramInItsFolder)
{
    CartellaProva c;
    const QString sorgente = c.nuovoPortafoglio("sorgente.gvf");
    {
        QSqlDatabase db = c.apri(sorgente);
        std::vector<RigaEseguito> righe(300, RigaDiProva("2024-01-02", "Buy", "WEB", "ENI", TitoloLungo, 10, 1));
        ASSERT_TRUE(SeminaEseguiti(db, righe).esito.ok());
        db.close();
    }
    const QSet<QString> lasciati = LasciaAvanzi(sorgente, c.percorso("salvato.gvf"), false)
        + LasciaAvanzi(sorgente, c.percorso("esportato.mdb"), true);
    const auto utente = FileDellUtente(c.cartella(), Primo(lasciati));

    StatoApplicazione stato;
    ASSERT_EQ(ApriImpostazioni(stato, c.cartella()).messaggio, QString());

    ExpectSpariti(c.cartella(), lasciati);
    ExpectIntatti(utente);
    stato.DbDataSet = QSqlDatabase();
    ChiudiDatabase(ConnessioneDataSet);
}

TEST(AvanziDiCopieUccise, GoWhenAPortfolioBesideThemIsOpenedOrACopyIsWrittenThere)
{
    struct Caso {
        const char* nome;
        std::function<void(BancoProva&, const QString& cartella)> dopo;
    };
    const Caso casi[] = {
        {"open",
         [](BancoProva& b, const QString& cartella) {
             const QString p = QDir(cartella).filePath("p.gvf");
             ASSERT_TRUE(QFile::copy(b.cartella.nuovoPortafoglio("vuoto.gvf"), p));
             b.dialoghi.scelte << p;
             b.menu("mnu_Apri");
             EXPECT_EQ(b.stato.PercorsoPortafoglio, p);
         }},
        {"save as, another name",
         [](BancoProva& b, const QString& cartella) {
             b.menu("mnu_NuovoPortafoglio");
             b.dialoghi.scelte << QDir(cartella).filePath("nuovo.gvf");
             b.menu("mnu_Salva");
             EXPECT_EQ(b.stato.PercorsoPortafoglio, QDir(cartella).filePath("nuovo.gvf"));
         }},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        BancoProva b;
        b.registraFinta("frmEseguiti");
        const QString sorgente = PortafoglioCon(b, "sorgente.gvf", 300, TitoloLungo);
        const QString cartella = b.cartella.percorso("altrove");
        ASSERT_TRUE(QDir().mkdir(cartella));
        const QSet<QString> lasciati = LasciaAvanzi(sorgente, QDir(cartella).filePath("copia.gvf"), false)
            + LasciaAvanzi(sorgente, QDir(cartella).filePath("esportato.mdb"), true);
        const auto utente = FileDellUtente(cartella, Primo(lasciati));

        k.dopo(b, cartella);

        EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join(" | ").toStdString();
        ExpectSpariti(cartella, lasciati);
        ExpectIntatti(utente);
    }
}

TEST(AvanziDiCopieUccise, AFileAnotherCopyIsWritingStays)
{
    CartellaProva c;
    const QString destinazione = c.percorso("in_corso.xls");
    FiglioInAttesa altraCopia([&] {
        static FileAccanto* inCorso = new FileAccanto(destinazione);
        return inCorso->esito().ok() && QFile::exists(inCorso->temporaneo());
    });
    ASSERT_TRUE(altraCopia.pronto());
    const QString temporaneo = PercorsoTemporaneo(destinazione);
    ASSERT_TRUE(QFile::exists(temporaneo));
    Scrivi(temporaneo + "-journal", "giornale");

    RimuoviAvanzi(c.cartella());
    EXPECT_TRUE(QFile::exists(temporaneo));
    EXPECT_TRUE(QFile::exists(temporaneo + "-journal"));
    // The same target is refused meanwhile, and nothing of the other is touched.
    EXPECT_TRUE(ScriviAccanto(destinazione, [](const QString&) { return Esito::accettato(); }).rifiutato());
    EXPECT_TRUE(QFile::exists(temporaneo));
    EXPECT_FALSE(QFile::exists(destinazione));

    altraCopia.uccidi();
    RimuoviAvanzi(c.cartella());
    EXPECT_FALSE(QFile::exists(temporaneo));
    EXPECT_FALSE(QFile::exists(temporaneo + "-journal"));
}
