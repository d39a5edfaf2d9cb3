#include "controllo_menu.h"

#include "comandi_principale.h"
#include "contenuto_portafoglio.h"
#include "finestra_dati.h"
#include "finestra_figlia.h"
#include "finestre_figlie.h"
#include "messaggi.h"
#include "stato_applicazione.h"

namespace {

// Closes the windows the refresh closes: with no trades, or with no closed operation.
void ScaricaFinestre(FinestreFiglie& finestre, bool senzaEseguiti)
{
    for (const DescrittoreFinestra& d : finestre.tabella())
        if (d.scarico == Scarico::SenzaOperazioniChiuse || (senzaEseguiti && d.scarico == Scarico::SenzaEseguiti))
            finestre.scarica(d.nome);
}

// The engine's run of the refresh, or the outcome of the one just made when nothing has
// changed since.
Esito Ricalcola(StatoApplicazione& stato, const RicalcoloAnticipato& anticipo)
{
    if (anticipo.fatto && anticipo.fatto->valeAncora(stato.DbDataSet, stato.DbPortafoglio))
        return anticipo.fatto->esito;
    return RicalcolaPortafoglio(stato.DbDataSet, stato.DbPortafoglio, anticipo.replay.get());
}

} // namespace

void ControlloMenu(StatoApplicazione& stato, Messaggi& messaggi, FinestreFiglie& finestre, ComandiPrincipale& comandi,
                   const RicalcoloAnticipato& anticipo)
{
    if (stato.PercorsoPortafoglio.isEmpty() || !stato.DbPortafoglio.isOpen())
        return;
    const Lettura<long long> eseguiti = ContaEseguiti(stato.DbPortafoglio);
    if (!eseguiti.ok()) {
        messaggi.mostra(eseguiti.errore, Messaggi::Icona::Critico);
        return;
    }

    if (eseguiti.righe.front() < 1) {
        // The engine does not run: Portafoglio and OperazioniChiuse keep what the last run left.
        ScaricaFinestre(finestre, true);
        comandi.secondoContenuto(Livello::Portafoglio);
    } else {
        const Esito ricalcolo = Ricalcola(stato, anticipo);
        if (!ricalcolo.ok())
            messaggi.mostra(ricalcolo.messaggio);
        // Counted as none when unreadable: the engine's run just above has told the failure.
        const Lettura<long long> conteggio = ContaOperazioniChiuse(stato.DbPortafoglio);
        const long long chiuse = conteggio.ok() ? conteggio.righe.front() : 0;
        if (chiuse < 1)
            ScaricaFinestre(finestre, false);
        comandi.secondoContenuto(chiuse > 1        ? Livello::PiuOperazioniChiuse
                                     : chiuse == 1 ? Livello::OperazioneChiusa
                                                   : Livello::Eseguiti);
    }

    // In the order the windows were opened, whatever the order of the names. The list is
    // taken once: a Main that opens or closes windows does not change this walk.
    for (const QPointer<QMdiSubWindow>& s : finestre.inOrdineDiApertura()) {
        auto* figlia = qobject_cast<FinestraFiglia*>(s.data());
        if (!figlia || figlia->chiusa())
            continue;
        QWidget* w = figlia->widget();
        const DescrittoreFinestra* d = w ? finestre.descrittore(w->objectName()) : nullptr;
        if (!d || !d->aggiornata)
            continue;
        if (auto* dati = dynamic_cast<FinestraDati*>(w))
            dati->Main();
        else
            qWarning("La finestra %s non si aggiorna: manca Main.", qPrintable(d->nome));
    }
}
