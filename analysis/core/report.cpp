#include "report.h"

#include "numeri.h"
#include "tassa_capital_gain.h"

#include <cmath>

namespace {

// The count over N first, then the per cent: 29 of 100 gives 28, as the user has always seen.
// Unlike the figures of amounts and per cents below, this share keeps its binary form.
double PercentualeIntera(long long conteggio, long long n)
{
    const double quota = static_cast<double>(conteggio) / static_cast<double>(n);
    return numeri::Int(quota * 100);
}

} // namespace

std::optional<FigureReport> CalcolaReport(const std::vector<RigaOperazioneChiusa>& chiuse, double capitalGain)
{
    if (chiuse.empty())
        return std::nullopt;
    FigureReport f;
    for (const RigaOperazioneChiusa& o : chiuse)
        f.aggiungi(o);
    f.N = static_cast<long long>(chiuse.size());
    f.tassa = TassaCapitalGain(f.sumGP, f.sumComm, capitalGain);
    f.totaleGP = f.sumGP - f.sumComm - f.tassa;
    f.opGainP = PercentualeIntera(f.nWin, f.N);
    f.opLoseP = PercentualeIntera(f.nLose, f.N);
    f.opPariP = PercentualeIntera(f.nEven, f.N);
    f.percTotale = f.sumPctGain - std::fabs(f.sumPctLoss);
    f.percMedia = numeri::Int(numeri::SenzaRumore(f.percTotale / static_cast<double>(f.N)));
    return f;
}
