#include "destinazione_esportazione.h"

#include "blocco_file.h"
#include "file_del_programma.h"
#include "file_utili.h"

#include <QFile>
#include <QFileInfo>

Esito VerificaDestinazioneEsportazione(const QString& percorso, const StatoApplicazione& stato)
{
    const QString nome = QFileInfo(percorso).fileName();
    if (StessoFile(percorso, stato.PercorsoPortafoglio))
        return Esito::rifiutato(
            QStringLiteral("Impossibile esportare su %1: è il portafoglio aperto. Scegliere un altro file.").arg(nome));
    if (Esito rifiuto = FileDelProgrammaRifiutato(percorso, stato.CartellaProgramma); !rifiuto.ok())
        return rifiuto;
    if (QFileInfo(percorso).isDir())
        return Esito::rifiutato(
            QStringLiteral("Impossibile esportare su %1: è una cartella. Scegliere un file.").arg(nome));
    // Only a file with a lock beside it can be open elsewhere; the lock taken to ask is
    // let go at once.
    if (QFile::exists(PercorsoBlocco(percorso))) {
        const EsitoBlocco blocco = BloccaPortafoglio(percorso);
        if (!blocco.esito.ok())
            return blocco.esito;
    }
    return Esito::accettato();
}
