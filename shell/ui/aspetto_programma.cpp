#include "aspetto_programma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool CaricaTraduzioneQt()
{
    static QTranslator* traduzione = nullptr;
    if (traduzione)
        return true;
    auto* nuova = new QTranslator(QCoreApplication::instance());
    if (!nuova->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete nuova;
        return false;
    }
    QCoreApplication::installTranslator(nuova);
    traduzione = nuova;
    return true;
}

QIcon IconaProgramma()
{
    return QIcon(QStringLiteral(":/icone/brunivox.svg"));
}
