#include "avvia_info_sistema.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

bool AvviaStaccato(const QString& programma)
{
    return !programma.isEmpty() && QProcess::startDetached(programma, {});
}

void AvviaInfoSistema(Messaggi& messaggi, const QString& fileRegistro, const AvviaEsterno& avvia)
{
    const ArchivioRegistro archivio(fileRegistro);
    QString valore;
    if (LeggiValoreChiave(archivio, HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                          QStringLiteral("PATH"), valore)) {
        if (avvia(valore))
            return;
    } else if (LeggiValoreChiave(archivio, HKEY_LOCAL_MACHINE,
                                 QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"),
                                 valore)) {
        const QString programma = QDir(valore).filePath(QStringLiteral("MSINFO32.EXE"));
        if (QFileInfo(programma).isFile() && avvia(programma))
            return;
    }
    messaggi.mostra(MessaggioInfoSistema, Messaggi::Icona::Nessuna, Messaggi::Pulsanti::Ok);
}
