#include "medie.h"

#include "numeri.h"
#include "somme_chiuse.h"

#include <algorithm>
#include <cmath>
#include <set>

using numeri::ArrotondaPari;
using numeri::Int;
using numeri::SenzaRumore;

FigureMedie CalcolaMedie(const std::vector<RigaOperazioneChiusa>& chiuse)
{
    FigureMedie f;
    if (chiuse.empty())
        return f;

    SommeChiuse somme;
    double capInv = 0;
    std::set<QString> date;
    for (const RigaOperazioneChiusa& o : chiuse) {
        somme.aggiungi(o);
        capInv += static_cast<double>(o.Qta) * o.Prezzo;
        if (o.GP > f.MaxGain)
            f.MaxGain = o.GP;
        if (o.GP < f.MaxLose.value_or(0))
            f.MaxLose = o.GP;
        date.insert(o.Data);
    }
    const double N = static_cast<double>(chiuse.size());
    const double giorni = static_cast<double>(date.size());
    f.TotGiorni = static_cast<long long>(date.size());

    // The whole figures drop a true fraction, not the noise of the binary form (100 x 1,13).
    f.CapitaleMedio = Int(SenzaRumore(capInv / N));
    f.CapitaleInvestito = Int(SenzaRumore(capInv));
    f.NumOperazioniGiorno = ArrotondaPari(N / giorni, 1);
    const double GM = somme.nWin > 0 ? ArrotondaPari(somme.sumGain / static_cast<double>(somme.nWin), 1) : 0;
    if (somme.nLose > 0) {
        f.PerditaMedia = ArrotondaPari(somme.sumLoss / static_cast<double>(somme.nLose), 1);
        // The ratio divides by the shown average loss; below 0,05 it shows 0.
        f.GMsuPM = f.PerditaMedia != 0 ? ArrotondaPari(GM / f.PerditaMedia, 1) : 0;
    }

    if (somme.sumGain == 0)
        return f;
    f.conGuadagni = true;
    f.UtileMedioOperazione = Int(SenzaRumore(somme.sumGP / N));
    f.UtileMedioGiorno = Int(SenzaRumore(somme.sumGP / giorni));
    f.PercMediaGiorno = Int(SenzaRumore((somme.sumPctGain - std::fabs(somme.sumPctLoss)) / giorni));
    f.GuadagnoMedio = GM;
    if (somme.sumGP != 0)
        f.FattoreCulo = std::clamp(ArrotondaPari(f.MaxGain * 100 / somme.sumGP, 2), 0.0, 1000.0);

    const double quota = 10 * static_cast<double>(somme.nWin) / static_cast<double>(somme.nWin + somme.nLose);
    // A half of the per mille is a true half (965,5), whatever its binary form.
    f.Center = static_cast<int>(numeri::InteroPari(SenzaRumore(ArrotondaPari(quota, 3) * 100)));
    f.WL = ArrotondaPari(quota, 1);
    f.Bottom = static_cast<int>(numeri::InteroPari(f.FattoreCulo * 10));
    return f;
}
