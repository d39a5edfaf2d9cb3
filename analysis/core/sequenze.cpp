#include "sequenze.h"

#include "numeri.h"

#include <algorithm>
#include <unordered_map>

std::vector<Serie> PassoSerie(const std::vector<double>& percentuali)
{
    std::vector<Serie> serie;
    double posSum = 0;
    double negSum = 0;
    long long posLen = 0;
    long long negLen = 0;
    for (const double p : percentuali) {
        if (p > 0) {
            if (negSum < 0)
                serie.push_back({negSum, negLen});
            negSum = 0;
            posSum += p;
            ++posLen;
            negLen = 0;
        } else {
            if (posSum > 0)
                serie.push_back({posSum, posLen});
            posSum = 0;
            negSum += p;
            --negLen;
            posLen = 0;
        }
    }
    return serie;
}

std::vector<Ricorrenza> ValoriDistinti(const std::vector<double>& valori)
{
    std::vector<Ricorrenza> righe;
    std::unordered_map<double, size_t> posizione;
    for (const double v : valori) {
        // -0 and 0 are the same value, as an equality test finds them.
        const double chiave = v == 0 ? 0.0 : v;
        const auto [it, nuovo] = posizione.try_emplace(chiave, righe.size());
        if (nuovo)
            righe.push_back({v, 1});
        else
            ++righe[it->second].occorrenze;
    }
    // The values are distinct, so largest first is one order only.
    std::sort(righe.begin(), righe.end(), [](const Ricorrenza& a, const Ricorrenza& b) { return a.valore > b.valore; });
    return righe;
}

std::vector<Frequenza> TabellaFrequenze(const std::vector<Ricorrenza>& ricorrenze, long long totale)
{
    std::vector<Frequenza> tabella;
    tabella.reserve(ricorrenze.size());
    for (const Ricorrenza& r : ricorrenze) {
        const double quota = static_cast<double>(r.occorrenze) * 100 / static_cast<double>(totale);
        tabella.push_back({r.valore, numeri::ArrotondaPari(quota, 2)});
    }
    return tabella;
}

namespace {

std::vector<double> Percentuali(const std::vector<RigaOperazioneChiusa>& chiuse)
{
    std::vector<double> p;
    p.reserve(chiuse.size());
    for (const RigaOperazioneChiusa& o : chiuse)
        p.push_back(o.GPPercentuale);
    return p;
}

} // namespace

FigureRisk CalcolaRisk(const std::vector<RigaOperazioneChiusa>& chiuse)
{
    const std::vector<double> percentuali = Percentuali(chiuse);
    FigureRisk f;
    f.serie = PassoSerie(percentuali);
    if (!percentuali.empty())
        f.frequenze = TabellaFrequenze(ValoriDistinti(percentuali), static_cast<long long>(percentuali.size()));
    return f;
}

FigureMDD CalcolaMDD(const std::vector<RigaOperazioneChiusa>& chiuse)
{
    FigureMDD f;
    f.serie = PassoSerie(Percentuali(chiuse));
    std::vector<double> lunghezze;
    lunghezze.reserve(f.serie.size());
    for (const Serie& s : f.serie)
        lunghezze.push_back(static_cast<double>(s.lunghezza));
    if (!lunghezze.empty())
        f.frequenze = TabellaFrequenze(ValoriDistinti(lunghezze), static_cast<long long>(lunghezze.size()));
    return f;
}
