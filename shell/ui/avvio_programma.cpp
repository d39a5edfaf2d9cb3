#include "avvio_programma.h"

#include "associazione_file.h"
#include "avvio.h"

std::unique_ptr<MDIForm1> AvviaProgramma(StatoApplicazione& stato, const QString& cartella, Messaggi& messaggi,
                                         DialogoFile& dialoghi)
{
    const QString errore = ApriImpostazioni(stato, cartella);
    if (!errore.isEmpty()) {
        messaggi.mostra(errore, Messaggi::Icona::Critico);
        return nullptr;
    }
    RegistraAssociazioneFile();
    return std::make_unique<MDIForm1>(stato, messaggi, dialoghi);
}
