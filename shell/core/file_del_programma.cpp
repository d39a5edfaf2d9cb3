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
