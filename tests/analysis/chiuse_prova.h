#pragma once
// Closed operations built from the few fields a case cares about.
#include "tabella_operazioni_chiuse.h"

#include <vector>

struct Chiusa {
    double GP = 0;
    double pct = 0;
    double comm = 0;
    const char* data = "2026-12-09";
    long long qta = 1;
    double prezzo = 0;
};

inline std::vector<RigaOperazioneChiusa> Chiuse(const std::vector<Chiusa>& casi)
{
    std::vector<RigaOperazioneChiusa> righe;
    for (const Chiusa& c : casi) {
        RigaOperazioneChiusa r;
        r.GP = c.GP;
        r.GPPercentuale = c.pct;
        r.Commissioni = c.comm;
        r.Data = QString::fromLatin1(c.data);
        r.Qta = c.qta;
        r.Prezzo = c.prezzo;
        righe.push_back(r);
    }
    return righe;
}

// Only per-cent results.
inline std::vector<RigaOperazioneChiusa> Percentuali(const std::vector<double>& p)
{
    std::vector<Chiusa> casi;
    for (double v : p)
        casi.push_back({v > 0 ? 1.0 : -1.0, v});
    return Chiuse(casi);
}
