// The refresh every command that changes data ends with.
#include "mdi_form1.h"

#include "contenuto_portafoglio.h"
#include "finestra_figlia.h"
#include "motore.h"

#include <QMdiArea>
#include <QMetaObject>

namespace {

// The data windows recomputed by a refresh; the averages and the calculator are not.
const QStringList& FinestreAggiornate()
{
    static const QStringList nomi = {
        "frmEseguiti", "frmOperazioniChiuse", "frmCapitale", "frmErrori", "frmMDD", "frmStGiorno",
        "frmPortafoglio", "frmReport", "frmGrOperazioni", "frmRisk", "frmContoTitoli",
    };
    return nomi;
}

bool HaMain(QObject* o)
{
    return o->metaObject()->indexOfMethod("Main()") >= 0;
}

} // namespace

void MDIForm1::ControlloMenu()
{
    StatoApplicazione& stato = contesto_.stato;
    if (stato.PercorsoPortafoglio.isEmpty() || !stato.DbPortafoglio.isOpen())
        return;
    QString errore;
    const auto eseguiti = ContaEseguiti(stato.DbPortafoglio, &errore);
    if (!eseguiti) {
        contesto_.messaggi.mostra(errore, Messaggi::Icona::Critico);
        return;
    }

    if (*eseguiti < 1) {
        // The engine does not run: Portafoglio and OperazioniChiuse keep what the last run left.
        for (const char* nome : {"frmOperazioniChiuse", "frmGrOperazioni", "frmCapitale", "frmStGiorno", "frmErrori",
                                 "frmPortafoglio", "frmReport", "frmRisk", "frmMDD", "frmMedie"})
            scaricaFinestra(QLatin1String(nome));
        abilitaVoci({"mnu_Portafoglio", "mnu_Errori", "mnu_OperazioniChiuse", "mnu_SequenzeOperazioni", "mnu_Esporta",
                     "mnu_GP", "mnu_StatistichePeriodo", "mnu_Report", "mnu_Risk", "mnu_MDD", "mnu_Medie"},
                    false);
        abilitaPulsanti({7, 8, 10, 11, 12, 13, 14, 15, 16, 17}, false);
    } else {
        const QString messaggio = RicalcolaPortafoglio(stato.DbDataSet, stato.DbPortafoglio);
        if (!messaggio.isEmpty())
            contesto_.messaggi.mostra(messaggio);
        const long long chiuse = ContaOperazioniChiuse(stato.DbPortafoglio).value_or(0);
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
            for (const char* nome : {"frmOperazioniChiuse", "frmGrOperazioni", "frmCapitale", "frmStGiorno",
                                     "frmReport", "frmMDD", "frmRisk"})
                scaricaFinestra(QLatin1String(nome));
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
        if (w && FinestreAggiornate().contains(w->objectName()) && HaMain(w))
            QMetaObject::invokeMethod(w, "Main");
    }
}
