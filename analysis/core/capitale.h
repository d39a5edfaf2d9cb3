#pragma once
// The capital curve and the operations chart: one point per closed operation, in replay order.
#include "tabella_operazioni_chiuse.h"

#include <vector>

// Running sum of GP; the curve starts from 0, not from the initial capital.
std::vector<double> CurvaCapitale(const std::vector<RigaOperazioneChiusa>& chiuse);

struct PuntoGrOperazioni {
    double GP = 0;
    double stopLoss = 0; // minus the money-management stop loss, the same on every row

    bool operator==(const PuntoGrOperazioni&) const = default;
};

std::vector<PuntoGrOperazioni> SerieGrOperazioni(const std::vector<RigaOperazioneChiusa>& chiuse, double SLMM);
