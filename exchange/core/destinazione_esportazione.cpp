#include "destinazione_esportazione.h"

#include "database.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Two spellings of one file (a link, "..", a relative path) are the same file.
bool StessoFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo ia(a), ib(b);
    if (ia.absoluteFilePath() == ib.absoluteFilePath())
        return true;
    const QString ca = ia.canonicalFilePath();
    return !ca.isEmpty() && ca == ib.canonicalFilePath();
}

} // namespace

QString VerificaDestinazioneEsportazione(const QString& percorso, const StatoApplicazione& stato)
{
    const QString nome = QFileInfo(percorso).fileName();
    if (StessoFile(percorso, stato.PercorsoPortafoglio))
        return QStringLiteral("Impossibile esportare su %1: e' il portafoglio aperto. Scegliere un altro file.").arg(nome);
    if (!stato.CartellaProgramma.isEmpty()) {
        const QDir programma(stato.CartellaProgramma);
        if (StessoFile(percorso, programma.filePath(NomeFileDataSet)))
            return QStringLiteral("Impossibile esportare su %1: e' il file delle impostazioni del programma. "
                                  "Scegliere un altro file.")
                .arg(nome);
        if (StessoFile(percorso, programma.filePath(NomeFileDataExe)))
            return QStringLiteral("Impossibile esportare su %1: e' il portafoglio di lavoro del programma. "
                                  "Scegliere un altro file.")
                .arg(nome);
    }
    if (QFileInfo(percorso).isDir())
        return QStringLiteral("Impossibile esportare su %1: e' una cartella. Scegliere un file.").arg(nome);
    return QString();
}
