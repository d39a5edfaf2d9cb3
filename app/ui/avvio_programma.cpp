#include "avvio_programma.h"

#include "aspetto_programma.h"
#include "associazione_file.h"
#include "avvio.h"

#include <QApplication>

std::unique_ptr<MDIForm1> AvviaProgramma(StatoApplicazione& stato, const QString& cartella, Messaggi& messaggi,
                                         DialogoFile& dialoghi)
{
    // Before any message box, so that even a refused start speaks Italian.
    CaricaTraduzioneQt();
    const Esito avvio = ApriImpostazioni(stato, cartella);
    if (!avvio.ok()) {
        messaggi.mostra(avvio.messaggio, Messaggi::Icona::Critico);
        return nullptr;
    }
    RegistraAssociazioneFile();
    auto principale = std::make_unique<MDIForm1>(stato, messaggi, dialoghi);
    // After the main window, which registers the icons' resource. Windows without an icon
    // of their own, the MDI children included, show the application's.
    QApplication::setWindowIcon(IconaProgramma());
    return principale;
}
