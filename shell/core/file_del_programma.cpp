#include "file_del_programma.h"

#include "database.h"
#include "file_utili.h"

#include <QDir>
#include <QFileInfo>

Esito FileDelProgrammaRifiutato(const QString& scelto, const QString& cartellaProgramma)
{
    const QString nome = QFileInfo(scelto).fileName();
    const QDir programma(cartellaProgramma);
    if (nome.compare(NomeFileDataSet, Qt::CaseInsensitive) == 0
        || nome.compare(NomeFileDataExe, Qt::CaseInsensitive) == 0
        || StessoFile(scelto, programma.filePath(NomeFileDataSet))
        || StessoFile(scelto, programma.filePath(NomeFileDataExe)))
        return Esito::rifiutato(QStringLiteral("Il file %1 è un file di Brunivox e non può essere sostituito: "
                                               "scegliere un altro nome.")
                                    .arg(nome));
    return Esito::accettato();
}

Esito UltimoFileRifiutato(const QString& ultimo, const QString& cartellaProgramma)
{
    const QFileInfo info(ultimo);
    if (info.isDir())
        return Esito::rifiutato(QStringLiteral("L'ultimo file aperto, %1, è una cartella e non un portafoglio. "
                                               "Aprire un portafoglio con Apri.")
                                    .arg(QDir::toNativeSeparators(ultimo)));
    if (info.fileName().compare(NomeFileDataSet, Qt::CaseInsensitive) == 0
        || StessoFile(ultimo, QDir(cartellaProgramma).filePath(NomeFileDataSet)))
        return Esito::rifiutato(QStringLiteral("L'ultimo file aperto, %1, è il file delle impostazioni di Brunivox "
                                               "e non un portafoglio. Aprire un portafoglio con Apri.")
                                    .arg(QDir::toNativeSeparators(ultimo)));
    return Esito::accettato();
}
