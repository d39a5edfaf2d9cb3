#include "capitale.h"

std::vector<double> CurvaCapitale(const std::vector<RigaOperazioneChiusa>& chiuse)
{
    std::vector<double> curva;
    curva.reserve(chiuse.size());
    double cumulato = 0;
    for (const RigaOperazioneChiusa& o : chiuse) {
        cumulato += o.GP;
        curva.push_back(cumulato);
    }
    return curva;
}

std::vector<PuntoGrOperazioni> SerieGrOperazioni(const std::vector<RigaOperazioneChiusa>& chiuse, double SLMM)
{
    std::vector<PuntoGrOperazioni> serie;
    serie.reserve(chiuse.size());
    for (const RigaOperazioneChiusa& o : chiuse)
        serie.push_back({o.GP, -SLMM});
    return serie;
}
