// The trade window's confirmation: gathers the panel, lets the core apply the mode,
// shows the outcome and has every open window refreshed.
#include "frm_eseguiti.h"

#include "aggiornamento_con_replay.h"
#include "campo_data.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

void frmEseguiti::Conferma()
{
    eseguiti::RichiestaConferma richiesta;
    richiesta.modo = modo();
    const int riga = rigaGriglia();
    if (riga >= 0) {
        richiesta.id = modelloEseguiti_->riga(riga)->ID;
        richiesta.riga = riga;
    } else {
        richiesta.riga = static_cast<int>(RigaCorrente);
    }
    // Asked before the command runs, as the command asks too: whether the grid still holds
    // the snapshot, so that an accepted change can simply be added to it.
    const bool grigliaValida = fotografia_ && *fotografia_ == ImprontaDi(contesto_.stato.DbPortafoglio);
    richiesta.fotografia = fotografia_;
    // A date typed that is no date stops here, with its message, and the panel keeps it.
    const std::optional<QDate> data = dtp_Data_->dataConfermata();
    if (!data)
        return;
    richiesta.dati = pannello();
    richiesta.dati.Data = *data;

    const eseguiti::EsitoConferma esito = eseguiti::ConfermaEseguito(contesto_.stato, richiesta);
    using Stato = eseguiti::EsitoConferma::Stato;
    if (esito.stato() == Stato::DatiNonValidi) {
        // Nothing was written: the panel keeps what the user typed, to be corrected.
        contesto_.messaggi.mostra(esito.messaggio(), Messaggi::Icona::Esclamazione);
        return;
    }

    RigaCorrente = esito.RigaCorrente;
    // Refused, the snapshot is what it was; accepted, it took the change the grid takes now.
    fotografia_.reset();
    variazione_.reset();
    pronto_.reset();
    if (grigliaValida && esito.fotografia && esito.stato() != Stato::Errore) {
        fotografia_ = esito.fotografia;
        if (esito.stato() == Stato::Accettato) {
            variazione_ = ModelloEseguiti::Variazione{richiesta.modo, richiesta.id.value_or(0),
                                                      richiesta.riga, esito.RigaCorrente,
                                                      esito.scritto,  esito.rinominato};
            pronto_ = esito.ricalcolo;
        }
    }
    if (!esito.messaggio().isEmpty())
        contesto_.messaggi.mostra(esito.messaggio(),
                                  esito.stato() == Stato::Rifiutato ? Messaggi::Icona::Esclamazione
                                                                    : Messaggi::Icona::Critico);
    if (richiesta.modo == eseguiti::Modo::Elimina && esito.storicoVuoto)
        cmd_Ok_->setEnabled(false);
    AggiornaDopoConferma(contesto_.principale, esito.ricalcolo);
    // The refresh may disable "Conferma", which would hand the focus on to the grid: the
    // keyboard user goes on from the panel, at the date of a new trade or at the mode.
    if (modo() == eseguiti::Modo::Nuovo)
        dtp_Data_->setFocus(Qt::TabFocusReason);
    else if (QAbstractButton* scelto = Option1_->checkedButton())
        scelto->setFocus(Qt::TabFocusReason);
}
