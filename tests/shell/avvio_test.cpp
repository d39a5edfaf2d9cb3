#include "avvio_programma.h"
#include "cartella_prova.h"
#include "messaggi_prova.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

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
        {"text file", [](const CartellaProva& c) {
             QFile f(c.dataset());
             ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
             f.write("nessun database");
         }, "non e' un file di impostazioni"},
        {"a portfolio", [](const CartellaProva& c) {
             QFile::remove(c.dataset());
             QFile::copy(c.dataexe(), c.dataset());
         }, "non e' un file di impostazioni"},
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
