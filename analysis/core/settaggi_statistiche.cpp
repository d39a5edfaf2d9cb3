#include "settaggi_statistiche.h"

#include "esito.h"
#include "tabella_settaggi.h"

SettaggiStatistiche LeggiSettaggiStatistiche(const QSqlDatabase& dataset)
{
    SettaggiStatistiche s;
    const Lettura<RigaSettaggi> settaggi = LeggiRigaSettaggi(dataset);
    if (!settaggi.ok()) {
        s.errore = TestoErroreDatabase(settaggi.errore);
        return s;
    }
    if (!settaggi.righe.empty()) {
        s.CapitalGain = settaggi.righe.front().CapitalGain.value_or(0);
        s.SLMM = settaggi.righe.front().SLMM.value_or(0);
    }
    return s;
}
