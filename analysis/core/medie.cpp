#include "medie.h"

#include "numeri.h"

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

    long long nWin = 0;
    long long nLose = 0;
    double sumGain = 0;
    double sumLoss = 0;
    double sumPctGain = 0;
    double sumPctLoss = 0;
    double sumGP = 0;
    double capInv = 0;
    std::set<QString> date;
    for (const RigaOperazioneChiusa& o : chiuse) {
        if (o.GP > 0) {
            ++nWin;
            sumGain += o.GP;
            sumPctGain += o.GPPercentuale;
        } else if (o.GP < 0) {
            ++nLose;
            sumLoss += std::fabs(o.GP);
            sumPctLoss += o.GPPercentuale;
        }
        sumGP += o.GP;
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
    const double GM = nWin > 0 ? ArrotondaPari(sumGain / static_cast<double>(nWin), 1) : 0;
    if (nLose > 0) {
        f.PerditaMedia = ArrotondaPari(sumLoss / static_cast<double>(nLose), 1);
        // The ratio divides by the shown average loss; below 0,05 it shows 0.
        f.GMsuPM = f.PerditaMedia != 0 ? ArrotondaPari(GM / f.PerditaMedia, 1) : 0;
    }

    if (sumGain == 0)
        return f;
    f.conGuadagni = true;
    f.UtileMedioOperazione = Int(SenzaRumore(sumGP / N));
    f.UtileMedioGiorno = Int(SenzaRumore(sumGP / giorni));
    f.PercMediaGiorno = Int(SenzaRumore((sumPctGain - std::fabs(sumPctLoss)) / giorni));
    f.GuadagnoMedio = GM;
    if (sumGP != 0)
        f.FattoreCulo = std::clamp(ArrotondaPari(f.MaxGain * 100 / sumGP, 2), 0.0, 1000.0);

    const double quota = 10 * static_cast<double>(nWin) / static_cast<double>(nWin + nLose);
    // A half of the per mille is a true half (965,5), whatever its binary form.
    f.Center = static_cast<int>(numeri::InteroPari(SenzaRumore(ArrotondaPari(quota, 3) * 100)));
    f.WL = ArrotondaPari(quota, 1);
    f.Bottom = static_cast<int>(numeri::InteroPari(f.FattoreCulo * 10));
    return f;
}
