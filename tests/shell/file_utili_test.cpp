#include <unistd.h>
#include "file_utili.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ConvertiData, ReadsTheDateAtTheEndOfAFileName)
{
    EXPECT_EQ(ConvertiData("/home/u/trades20240315.csv"), "15/03/2024");
    EXPECT_EQ(ConvertiData("20001231.csv"), "31/12/2000");
    EXPECT_EQ(ConvertiData("x20240230.csv"), "");  // no 30 February
    EXPECT_EQ(ConvertiData("trades.csv"), "");
}

TEST(EsisteFile, ExistingReadableFilesOnly)
{
    QTemporaryDir dir;
    const QString percorso = dir.filePath("a.gvf");
    EXPECT_FALSE(EsisteFile(percorso));
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(EsisteFile(percorso));
    EXPECT_FALSE(EsisteFile(dir.path()));   // a folder is no file
    EXPECT_FALSE(EsisteFile(""));
    if (getuid() != 0) {                     // root reads everything
        f.setPermissions(QFileDevice::WriteOwner);
        EXPECT_FALSE(EsisteFile(percorso));
    }
}
