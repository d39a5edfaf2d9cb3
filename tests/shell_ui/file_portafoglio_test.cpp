#include "cartella_prova.h"
#include "contenuto_portafoglio.h"
#include "file_portafoglio.h"
#include "guasti_file.h"
#include "impostazioni_vista.h"
#include "scrittura_accanto.h"
#include "semina_eseguiti.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <gtest/gtest.h>

#include <vector>

namespace {

const char* const TabellePortafoglio[] = {"Portafoglio", "OperazioniChiuse", "Eseguiti",
                                          "EseguitiBackup", "EseguitiTemp", "Conto"};

void Scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(dati);
}

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Gives `buoni` bytes, then fails: a source that breaks in the middle of a copy.
class SorgenteGuasta : public QIODevice {
public:
    explicit SorgenteGuasta(qint64 buoni) : buoni_(buoni) { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char* dati, qint64 massimo) override
    {
        if (buoni_ <= 0) {
            setErrorString(QStringLiteral("disco guasto"));
            return -1;
        }
        const qint64 n = qMin(massimo, buoni_);
        memset(dati, 'x', size_t(n));
        buoni_ -= n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 buoni_;
};

} // namespace

TEST(SvuotaPortafoglio, EmptiesTheSixTables)
{
    CartellaProva c;
    QSqlDatabase db = c.apri(c.dataexe());
    for (const char* t : TabellePortafoglio)
        CartellaProva::esegui(db, QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(QLatin1String(t)));

    EXPECT_EQ(SvuotaPortafoglio(db).messaggio, QString());

    for (const char* t : TabellePortafoglio)
        EXPECT_EQ(CartellaProva::valore(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t))).toInt(), 0)
            << t;
}

TEST(SvuotaPortafoglio, AFailureEmptiesNothing)
{
    CartellaProva c;
    QSqlDatabase db = c.apri(c.dataexe());
    for (const char* t : TabellePortafoglio)
        CartellaProva::esegui(db, QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(QLatin1String(t)));
    // The fifth table refuses: the four emptied before it must come back.
    CartellaProva::esegui(db, "CREATE TRIGGER blocca BEFORE DELETE ON EseguitiTemp "
                              "BEGIN SELECT RAISE(ABORT, 'bloccato'); END");

    const QString errore = SvuotaPortafoglio(db).messaggio;

    EXPECT_TRUE(errore.contains("EseguitiTemp")) << errore.toStdString();
    for (const char* t : TabellePortafoglio)
        EXPECT_EQ(CartellaProva::valore(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(t))).toInt(), 1)
            << t;
}

TEST(ScriviAccanto, TheWholeWriteReplacesTheTarget)
{
    CartellaProva c;
    const QString b = c.percorso("b.gvf");
    QByteArray dati(200 * 1024 + 7, '\0');
    for (int i = 0; i < dati.size(); ++i)
        dati[i] = char(i * 31);
    Scrivi(b, "vecchio contenuto");
    auto scriviDati = [&](const QString& temporaneo) {
        Scrivi(temporaneo, dati);
        return Esito::accettato();
    };

    EXPECT_EQ(ScriviAccanto(b, scriviDati).messaggio, QString());
    EXPECT_EQ(Leggi(b), dati);
    EXPECT_EQ(ScriviAccanto(c.percorso("nuovo.gvf"), scriviDati).messaggio, QString());
    EXPECT_EQ(Leggi(c.percorso("nuovo.gvf")), dati);
}

TEST(ScriviAccanto, AFailureLeavesTheTargetAsItWasAndNoTemporaryFile)
{
    CartellaProva c;
    const QString b = c.percorso("b.gvf");
    Scrivi(b, "contenuto da non perdere");
    const QStringList prima = QDir(c.cartella()).entryList(QDir::Files | QDir::Hidden);

    // The source breaks in the middle of the write.
    const QString errore = ScriviAccanto(b, [](const QString& temporaneo) {
                               QFile uscita(temporaneo);
                               if (!uscita.open(QIODevice::WriteOnly))
                                   return Esito::erroreDatabase(QStringLiteral("non aperto"));
                               SorgenteGuasta guasta(100 * 1024);
                               QByteArray blocco(64 * 1024, Qt::Uninitialized);
                               for (qint64 letti; (letti = guasta.read(blocco.data(), blocco.size())) > 0;)
                                   uscita.write(blocco.constData(), letti);
                               return Esito::erroreDatabase(guasta.errorString());
                           }).messaggio;
    EXPECT_TRUE(errore.contains("disco guasto")) << errore.toStdString();
    EXPECT_EQ(Leggi(b), "contenuto da non perdere");

    // Nothing to write from: the target is not touched.
    EXPECT_FALSE(ScriviAccanto(b, [](const QString&) {
                     return Esito::erroreDatabase(QStringLiteral("Impossibile leggere il file manca.gvf"));
                 }).messaggio.isEmpty());
    EXPECT_EQ(Leggi(b), "contenuto da non perdere");
    // A target in a folder that is not there.
    EXPECT_FALSE(ScriviAccanto(c.percorso("manca/b.gvf"), [](const QString&) { return Esito::accettato(); })
                     .messaggio.isEmpty());

    EXPECT_EQ(QDir(c.cartella()).entryList(QDir::Files | QDir::Hidden), prima);
}

TEST(ApriUltimo, IsWrittenAsAValueAndReadBack)
{
    CartellaProva c;
    QSqlDatabase db = c.apri(c.dataset());
    EXPECT_EQ(LeggiApriUltimo(db), "0");
    const QString strano = QStringLiteral("/dati/l'anno \"buono\"; DROP TABLE Settaggi.gvf");
    EXPECT_TRUE(ScriviApriUltimo(db, strano).ok());
    EXPECT_EQ(LeggiApriUltimo(db), strano);
    EXPECT_EQ(CartellaProva::valore(db, "SELECT COUNT(*) FROM Settaggi").toInt(), 1);
    CartellaProva::esegui(db, "UPDATE Settaggi SET ApriUltimo = NULL");
    EXPECT_EQ(LeggiApriUltimo(db), "0");
    EXPECT_EQ(LeggiImpostazioniVista(db)->ApriUltimo, "0");

    // A write the database refuses is told, not taken for done.
    CartellaProva::esegui(db, "CREATE TRIGGER blocca BEFORE UPDATE ON Settaggi "
                              "BEGIN SELECT RAISE(ABORT, 'bloccato'); END");
    const Esito rifiutato = ScriviApriUltimo(db, strano);
    EXPECT_TRUE(rifiutato.erroreDatabase());
    EXPECT_TRUE(rifiutato.messaggio.contains("bloccato")) << rifiutato.messaggio.toStdString();
    EXPECT_EQ(LeggiApriUltimo(db), "0");
}

TEST(ContenutoPortafoglio, CountsTradesAndClosedOperationsOnlyOnAReadableFile)
{
    CartellaProva c;
    QSqlDatabase db = c.apri(c.dataexe());
    EXPECT_EQ(ContaEseguiti(db).righe, std::vector<long long>{0});
    ASSERT_TRUE(SeminaEseguiti(db, {RigaDiProva("2024-01-02", "Buy", "WEB", "ENI", "Eni", 10, 1)}).esito.ok());
    CartellaProva::esegui(db, "INSERT INTO OperazioniChiuse (Data) VALUES ('2024-01-02')");
    CartellaProva::esegui(db, "INSERT INTO OperazioniChiuse (Data) VALUES ('2024-01-03')");
    EXPECT_EQ(ContaEseguiti(db).righe, std::vector<long long>{1});
    EXPECT_EQ(ContaOperazioniChiuse(db).righe, std::vector<long long>{2});
    db.close();
    const auto chiuso = ContaEseguiti(db);
    EXPECT_TRUE(chiuso.righe.empty());
    EXPECT_EQ(chiuso.errore, "Errore del database: il portafoglio non è aperto.");
    EXPECT_FALSE(ContaOperazioniChiuse(QSqlDatabase()).ok());
}

TEST(CopiaDatabaseSicura, AKilledCopyLeavesTheTargetAndOneTemporaryFileTheNextCopyTakesUp)
{
    CartellaProva c;
    const QString sorgente = c.nuovoPortafoglio("sorgente.gvf");
    {
        QSqlDatabase db = c.apri(sorgente);
        std::vector<RigaEseguito> righe;
        for (int i = 0; i < 500; ++i)
            righe.push_back(RigaDiProva("2024-01-02", "Buy", "WEB", "ENI", QString(200, QLatin1Char('x')), 10, 1));
        ASSERT_TRUE(SeminaEseguiti(db, righe).esito.ok());
        db.close();
    }
    const QString destinazione = c.percorso("copia.gvf");
    const QString precedente = c.nuovoPortafoglio("copia.gvf");
    const QByteArray prima = Leggi(precedente);
    auto altriFile = [&] {
        QStringList nomi = QDir(c.cartella()).entryList({"*copia*"}, QDir::Files | QDir::Hidden);
        nomi.removeAll(QStringLiteral("copia.gvf"));
        return nomi;
    };

    for (int volta = 1; volta <= 3; ++volta) {
        SCOPED_TRACE(volta);
        // Killed as the snapshot is written, on the source's connection.
        const bool ucciso = Ucciso(
            MomentoUcciso::Lavoro, [&](const QString& file) { return file == sorgente; },
            [&] {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "figlio");
                db.setDatabaseName(sorgente);
                if (db.open())
                    static_cast<void>(CopiaDatabaseSicura(db, destinazione));
            });
        ASSERT_TRUE(ucciso);
        EXPECT_EQ(Leggi(destinazione), prima);
        // At most the one temporary file named after the target, with its journal.
        const QStringList rimasti = altriFile();
        EXPECT_TRUE(rimasti.contains(".copia.gvf.brunivox-tmp")) << rimasti.join(" ").toStdString();
        for (const QString& n : rimasti)
            EXPECT_TRUE(n == ".copia.gvf.brunivox-tmp" || n == ".copia.gvf.brunivox-tmp-journal") << n.toStdString();
    }

    QSqlDatabase db = c.apri(sorgente);
    EXPECT_EQ(CopiaDatabaseSicura(db, destinazione).messaggio, QString());
    EXPECT_EQ(altriFile(), QStringList());
    QSqlDatabase copia = c.apri(destinazione);
    EXPECT_EQ(CartellaProva::valore(copia, "SELECT COUNT(*) FROM Eseguiti").toInt(), 500);
}

TEST(CopiaDatabaseSicura, AFailureLeavesNoTemporaryFileAndALinkKeepsItsFile)
{
    CartellaProva c;
    const QString sorgente = c.nuovoPortafoglio("sorgente.gvf");
    QSqlDatabase db = c.apri(sorgente);
    CartellaProva::esegui(db, "INSERT INTO Conto (Tipo, Importo) VALUES ('Versamento', 5)");

    // The finishing step refuses: the target keeps what it had, nothing else is left.
    const QString destinazione = c.nuovoPortafoglio("copia.gvf");
    const QByteArray prima = Leggi(destinazione);
    const Esito rifiutato = CopiaDatabaseSicura(db, destinazione, [](const QString& copia) {
        EXPECT_TRUE(QFile::exists(copia));
        return Esito::erroreDatabase(QStringLiteral("rifinitura fallita"));
    });
    EXPECT_EQ(rifiutato.messaggio, "rifinitura fallita");
    EXPECT_EQ(Leggi(destinazione), prima);
    EXPECT_EQ(QDir(c.cartella()).entryList({".*copia*"}, QDir::Files | QDir::Hidden), QStringList());

    // Through a link: the file it names gets the copy, and the link stays a link.
    const QString link = c.percorso("link.gvf");
    ASSERT_TRUE(QFile::link(destinazione, link));
    EXPECT_EQ(CopiaDatabaseSicura(db, link).messaggio, QString());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    QSqlDatabase copia = c.apri(destinazione);
    EXPECT_EQ(CartellaProva::valore(copia, "SELECT COUNT(*) FROM Conto").toInt(), 1);
}
