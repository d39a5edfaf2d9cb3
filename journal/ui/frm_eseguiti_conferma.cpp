// The trade window's confirmation: gathers the panel, lets the core apply the mode,
// shows the outcome and has every open window refreshed.
#include "frm_eseguiti.h"

#include "modello_griglia.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

void frmEseguiti::Conferma()
{
    eseguiti::RichiestaConferma richiesta;
    richiesta.modo = modo();
    const int riga = rigaGriglia();
    if (riga >= 0) {
        richiesta.id = cella(QStringLiteral("ID")).toLongLong();
        richiesta.riga = riga;
    } else {
        richiesta.riga = static_cast<int>(RigaCorrente);
    }
    richiesta.dati = {dtp_Data_->date(),        cmb_Tipo_->currentText(), dbc_System_->currentText(),
                      codice(),                 titolo(),                 txtQta_->text(),
                      txtPrezzo_->text(),       dbc_Errore_->currentText(), txtPzoOttimale_->text()};

    const eseguiti::EsitoConferma esito = eseguiti::ConfermaEseguito(contesto_.stato, richiesta);
    using Stato = eseguiti::EsitoConferma::Stato;
    if (esito.stato == Stato::DatiNonValidi) {
        // Nothing was written: the panel keeps what the user typed, to be corrected.
        contesto_.messaggi.mostra(esito.messaggio, Messaggi::Icona::Esclamazione);
        return;
    }

    RigaCorrente = esito.RigaCorrente;
    if (!esito.messaggio.isEmpty())
        contesto_.messaggi.mostra(esito.messaggio, esito.stato == Stato::Rifiutato ? Messaggi::Icona::Esclamazione
                                                                                    : Messaggi::Icona::Critico);
    if (richiesta.modo == eseguiti::Modo::Elimina && esito.storicoVuoto)
        cmd_Ok_->setEnabled(false);
    contesto_.principale.ControlloMenu();
}
