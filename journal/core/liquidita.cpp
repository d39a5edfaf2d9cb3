#include "liquidita.h"

#include "guadagno_netto.h"
#include "numeri.h"
#include "parametri_iniziali.h"

#include <cmath>
#include <limits>

Liquidita CalcolaLiquidita(const std::vector<RigaPortafoglio>& posizioni, const std::vector<RigaConto>& movimenti,
                           double capitaleIniziale, double guadagnoNetto)
{
    Liquidita l;
    for (const RigaPortafoglio& p : posizioni)
        l.valorePortafoglio += p.PzoCarico * double(p.Qta);
    l.capitaleIniziale = capitaleIniziale;
    l.guadagnoNetto = guadagnoNetto;
    l.movimenti = SommaMovimenti(movimenti);
    l.liquidita = ((capitaleIniziale + guadagnoNetto) - l.valorePortafoglio) + l.movimenti.netto;
    l.liquiditaArrotondata = numeri::ArrotondaPari(l.liquidita, 2);
    if (l.liquidita > 0) {
        // A zero capital base (reachable only with a negative portfolio value) gives no share.
        // The per mille drops a true fraction, not the noise of the binary form.
        const double quota = numeri::Int(
            numeri::SenzaRumore((100 * l.liquidita) / (capitaleIniziale + guadagnoNetto + l.movimenti.netto) * 10));
        if (std::isfinite(quota) && quota >= std::numeric_limits<short>::min()
            && quota <= std::numeric_limits<short>::max())
            l.indicatore = short(quota);
    }
    return l;
}

LetturaLiquidita LeggiLiquidita(const StatoApplicazione& stato)
{
    LetturaLiquidita lettura;
    auto posizioni = LeggiPortafoglio(stato.DbPortafoglio);
    auto movimenti = LeggiConto(stato.DbPortafoglio);
    const auto impostazioni = parametri::LeggiParametri(stato.DbDataSet);
    double capitale = 0;
    if (impostazioni.ok() && !impostazioni.righe.empty())
        capitale = impostazioni.righe.front().CapitaleIniziale.value_or(0);
    const auto guadagno = CalcolaGuadagnoNetto(stato);
    const double netto = guadagno.ok() ? guadagno.righe.front() : 0;
    lettura.errore = !posizioni.ok() ? posizioni.errore
        : !movimenti.ok()            ? movimenti.errore
        : !impostazioni.ok()         ? impostazioni.errore
                                     : guadagno.errore;
    lettura.posizioni = std::move(posizioni.righe);
    lettura.figure = CalcolaLiquidita(lettura.posizioni, movimenti.righe, capitale, netto);
    return lettura;
}
