#include "errore_sistema.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

TEST(ErroreSistema, TheCLibrarysReasonsInItalian)
{
    const struct {
        int numero;
        const char* italiano;
    } casi[] = {
        {EROFS, "il file system è di sola lettura"},
        {EISDIR, "è una cartella"},
        {EACCES, "permesso negato"},
        {ENOSPC, "spazio esaurito sul disco"},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(std::strerror(k.numero));
        EXPECT_EQ(TestoErroreSistema(k.numero), QString::fromUtf8(k.italiano));
        const QString inglese = QString::fromLocal8Bit(std::strerror(k.numero));
        EXPECT_EQ(InItaliano(QStringLiteral("scrittura non riuscita (%1)").arg(inglese)),
                  QStringLiteral("scrittura non riuscita (%1)").arg(QString::fromUtf8(k.italiano)));
    }
    EXPECT_EQ(TestoErroreSistema(-1), "errore di sistema n. -1");
}

TEST(ErroreSistema, AFilesErrorInItalian)
{
    QTemporaryDir dir;
    QFile cartella(dir.path());
    EXPECT_FALSE(cartella.open(QIODevice::WriteOnly));
    EXPECT_EQ(TestoErroreFile(cartella), "è una cartella");
    QFile mancante(dir.filePath("manca/x"));
    EXPECT_FALSE(mancante.open(QIODevice::ReadOnly));
    EXPECT_EQ(TestoErroreFile(mancante), "il file o la cartella non esiste");
}
