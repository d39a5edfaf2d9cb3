#include "avvio_programma.h"
#include "cartella_prova.h"
#include "guasti_file.h"
#include "messaggi_prova.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sqlite3.h>

TEST(Avvio, OpensTheSettingsAndBuildsTheMainWindow)
{
    CartellaProva c;
    StatoApplicazione stato;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    auto finestra = AvviaProgramma(stato, c.cartella(), messaggi, dialoghi);
    ASSERT_TRUE(finestra);
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(finestra->objectName(), "MDIForm1");
    EXPECT_TRUE(stato.DbDataSet.isOpen());
    EXPECT_TRUE(stato.PercorsoPortafoglio.isEmpty());
    EXPECT_FALSE(stato.DbPortafoglio.isOpen());
}

TEST(Avvio, MissingOrForeignSettingsStopWithAMessage)
{
    struct Caso { const char* nome; std::function<void(const CartellaProva&)> prepara; const char* frammento; };
    const Caso casi[] = {
        {"missing", [](const CartellaProva& c) { QFile::remove(c.dataset()); }, "non si trova"},
        {"text file",
         [](const CartellaProva& c) {
             QFile f(c.dataset());
             ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
             f.write("nessun database");
         },
         "non è un file di impostazioni"},
        {"a portfolio",
         [](const CartellaProva& c) {
             QFile::remove(c.dataset());
             QFile::copy(c.dataexe(), c.dataset());
         },
         "non è un file di impostazioni"},
        {"damaged data pages", [](const CartellaProva& c) { DanneggiaUltimePagine(c.dataset()); },
         "è danneggiato e non può essere usato"},
        {"a trigger of its own",
         [](const CartellaProva& c) {
             sqlite3* db = nullptr;
             ASSERT_EQ(sqlite3_open(QFile::encodeName(c.dataset()).constData(), &db), SQLITE_OK);
             EXPECT_EQ(sqlite3_exec(db, "CREATE TRIGGER azzera AFTER UPDATE ON Settaggi BEGIN DELETE FROM Errori; END",
                                    nullptr, nullptr, nullptr),
                       SQLITE_OK);
             sqlite3_close(db);
         },
         "Impossibile avviare Brunivox. Il file DataSet.gvx contiene il trigger azzera, che Brunivox non crea"},
        {"no code NE in the error catalogue",
         [](const CartellaProva& c) {
             sqlite3* db = nullptr;
             ASSERT_EQ(sqlite3_open(QFile::encodeName(c.dataset()).constData(), &db), SQLITE_OK);
             EXPECT_EQ(sqlite3_exec(db, "DELETE FROM Errori WHERE Cod = 'NE'", nullptr, nullptr, nullptr), SQLITE_OK);
             sqlite3_close(db);
         },
         "Impossibile avviare Brunivox. Il file DataSet.gvx è danneggiato: nella tabella Errori manca il codice NE"},
    };
    for (const Caso& k : casi) {
        CartellaProva c;
        k.prepara(c);
        const QByteArray prima = [&] { QFile f(c.dataset()); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }();
        StatoApplicazione stato;
        MessaggiProva messaggi;
        DialogoFileProva dialoghi;
        EXPECT_FALSE(AvviaProgramma(stato, c.cartella(), messaggi, dialoghi)) << k.nome;
        ASSERT_EQ(messaggi.mostrati.size(), 1) << k.nome;
        EXPECT_TRUE(messaggi.mostrati.first().testo.contains(k.frammento)) << messaggi.mostrati.first().testo.toStdString();
        const QByteArray dopo = [&] { QFile f(c.dataset()); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }();
        EXPECT_EQ(prima, dopo) << k.nome;
        EXPECT_EQ(QFile::exists(c.dataset()), !prima.isEmpty()) << k.nome;  // nothing created
    }
}

TEST(Avvio, ASecondStartInTheSameFolderIsRefusedAndTheFirstKeepsItsFiles)
{
    CartellaProva c;
    StatoApplicazione stato;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    auto prima = AvviaProgramma(stato, c.cartella(), messaggi, dialoghi);
    ASSERT_TRUE(prima);

    StatoApplicazione altro;
    MessaggiProva altriMessaggi;
    EXPECT_FALSE(AvviaProgramma(altro, c.cartella(), altriMessaggi, dialoghi));
    ASSERT_EQ(altriMessaggi.mostrati.size(), 1);
    EXPECT_EQ(altriMessaggi.mostrati.first().testo, "Brunivox è già in esecuzione.");
    EXPECT_TRUE(stato.DbDataSet.isOpen());
    EXPECT_FALSE(altro.DbDataSet.isValid());
}

TEST(Avvio, AReadOnlyProgramFolderOrSettingsFileIsRefusedByName)
{
    struct Caso { const char* nome; bool cartella; };
    for (const Caso k : {Caso{"folder", true}, Caso{"settings file", false}}) {
        SCOPED_TRACE(k.nome);
        CartellaProva c;
        const QString chiuso = k.cartella ? c.cartella() : c.dataset();
        const auto permessi = QFile::permissions(chiuso);
        QFile::setPermissions(chiuso, k.cartella ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
        StatoApplicazione stato;
        MessaggiProva messaggi;
        DialogoFileProva dialoghi;
        EXPECT_FALSE(AvviaProgramma(stato, c.cartella(), messaggi, dialoghi));
        QFile::setPermissions(chiuso, permessi);
        ASSERT_EQ(messaggi.mostrati.size(), 1);
        const QString testo = messaggi.mostrati.first().testo;
        EXPECT_TRUE(testo.contains(QDir::toNativeSeparators(chiuso) + " è di sola lettura")) << testo.toStdString();
        EXPECT_FALSE(QFile::exists(c.dataset() + ".lock"));
    }
}

TEST(Avvio, QtsOwnTextsAreItalianAndWindowsCarryTheProgramsIcon)
{
    CartellaProva c;
    StatoApplicazione stato;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    auto finestra = AvviaProgramma(stato, c.cartella(), messaggi, dialoghi);
    ASSERT_TRUE(finestra);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annulla");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "&Nome del file:");
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(finestra->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
}
