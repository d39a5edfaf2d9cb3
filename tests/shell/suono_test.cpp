#include "suono.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "cartella_prova.h"

// The machines that run the tests have no sound card: playing must come back at once
// and quietly, as it must for a missing or broken file.
TEST(SuonaWav, MissingBrokenOrUnplayableFilesReturnQuietly)
{
    QTemporaryDir dir;
    {
        QFile rotto(dir.filePath("Rotto"));
        ASSERT_TRUE(rotto.open(QIODevice::WriteOnly));
        rotto.write("RIFF\x10\0\0\0WAVEdata", 16);
    }
    QElapsedTimer t;
    t.start();
    SuonaWav(dir.path(), "Manca");
    SuonaWav(dir.path(), "Rotto");
    SuonaWav(CartellaShipped(), "Start");
    EXPECT_LT(t.elapsed(), 5000);
    EXPECT_TRUE(QFile::exists(CartellaShipped() + "/Start"));
}
