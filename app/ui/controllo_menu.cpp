// The refresh every command that changes data ends with.
#include "mdi_form1.h"

#include "contenuto_portafoglio.h"
#include "finestra_dati.h"
#include "finestra_figlia.h"
#include "motore.h"

#include <QMdiArea>

#include <utility>

void MDIForm1::scaricaFinestre(bool senzaEseguiti)
{
    for (const DescrittoreFinestra& d : tabella_)
        if (d.scarico == Scarico::SenzaOperazioniChiuse || (senzaEseguiti && d.scarico == Scarico::SenzaEseguiti))
            scaricaFinestra(d.nome);
}

void MDIForm1::ControlloMenu()
{
    StatoApplicazione& stato = contesto_.stato;
    // Good for this refresh only.
    const std::shared_ptr<RicalcoloPronto> pronto = std::exchange(stato.ricalcoloPronto, nullptr);
    if (stato.PercorsoPortafoglio.isEmpty() || !stato.DbPortafoglio.isOpen())
        return;
    const Lettura<long long> eseguiti = ContaEseguiti(stato.DbPortafoglio);
    if (!eseguiti.ok()) {
        contesto_.messaggi.mostra(eseguiti.errore, Messaggi::Icona::Critico);
        return;
    }

    if (eseguiti.righe.front() < 1) {
        // The engine does not run: Portafoglio and OperazioniChiuse keep what the last run left.
        scaricaFinestre(true);
        abilitaVoci({"mnu_Portafoglio", "mnu_Errori", "mnu_OperazioniChiuse", "mnu_SequenzeOperazioni", "mnu_Esporta",
                     "mnu_GP", "mnu_StatistichePeriodo", "mnu_Report", "mnu_Risk", "mnu_MDD", "mnu_Medie"},
                    false);
        abilitaPulsanti({7, 8, 10, 11, 12, 13, 14, 15, 16, 17}, false);
    } else {
        const Esito ricalcolo = RicalcolaPortafoglio(stato.DbDataSet, stato.DbPortafoglio, pronto.get());
        if (!ricalcolo.ok())
            contesto_.messaggi.mostra(ricalcolo.messaggio);
        // Counted as none when unreadable: the engine's run just above has told the failure.
        const Lettura<long long> conteggio = ContaOperazioniChiuse(stato.DbPortafoglio);
        const long long chiuse = conteggio.ok() ? conteggio.righe.front() : 0;
        if (chiuse > 0) {
            abilitaVoci({"mnu_Report", "mnu_Errori", "mnu_StatistichePeriodo", "mnu_OperazioniChiuse",
                         "mnu_SequenzeOperazioni", "mnu_Esporta", "mnu_GP", "mnu_Portafoglio"},
                        true);
            abilitaPulsanti({6, 7, 8, 10, 11, 12, 13, 14}, true);
            // With a single closed operation these keep the state they had.
            if (chiuse > 1) {
                abilitaVoci({"mnu_Risk", "mnu_MDD", "mnu_Medie"}, true);
                abilitaPulsanti({15, 16, 17}, true);
            }
        } else {
            // Export keeps the state it had; error statistics stay reachable from the menu.
            scaricaFinestre(false);
            abilitaVoci({"mnu_OperazioniChiuse", "mnu_SequenzeOperazioni", "mnu_GP", "mnu_StatistichePeriodo",
                         "mnu_Report", "mnu_Risk", "mnu_MDD", "mnu_Medie"},
                        false);
            abilitaVoci({"mnu_Errori", "mnu_Portafoglio"}, true);
            abilitaPulsanti({5, 6, 7}, true);
            abilitaPulsanti({8, 10, 11, 12, 13, 14, 15, 16, 17}, false);
        }
    }

    // In the order the windows were opened, whatever the order of the names. The list is
    // taken once: a Main that opens or closes windows does not change this walk.
    QList<QPointer<QMdiSubWindow>> aperte;
    for (QMdiSubWindow* s : area_->subWindowList(QMdiArea::CreationOrder))
        aperte << s;
    for (const QPointer<QMdiSubWindow>& s : std::as_const(aperte)) {
        auto* figlia = qobject_cast<FinestraFiglia*>(s.data());
        if (!figlia || figlia->chiusa())
            continue;
        QWidget* w = figlia->widget();
        const DescrittoreFinestra* d = w ? descrittore(w->objectName()) : nullptr;
        if (!d || !d->aggiornata)
            continue;
        if (auto* dati = dynamic_cast<FinestraDati*>(w))
            dati->Main();
        else
            qWarning("La finestra %s non si aggiorna: manca Main.", qPrintable(d->nome));
    }
}
