// Test entry point: a QApplication for the window tests, offscreen unless told otherwise.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The registry store and any other configuration go to a folder of this run only.
    QTemporaryDir configurazione;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configurazione.path()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
