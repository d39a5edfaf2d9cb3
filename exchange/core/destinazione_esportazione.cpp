#include "destinazione_esportazione.h"

#include "blocco_file.h"
#include "file_del_programma.h"
#include "file_utili.h"

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
    return VerificaPortafoglioLibero(percorso);
}
