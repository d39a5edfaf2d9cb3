#pragma once
// The sums of the closed operations by outcome, that the report and the averages both start
// from. A row at a time, so that a reader can add each operation as it reads it.
#include "tabella_operazioni_chiuse.h"

#include <cmath>

struct SommeChiuse {
    long long nWin = 0;
    long long nLose = 0;
    long long nEven = 0;
    double sumGain = 0;
    double sumLoss = 0; // positive: the size of the losses
    double sumPctGain = 0;
    double sumPctLoss = 0; // 0 or negative
    double sumGP = 0;
    double sumComm = 0;

    void aggiungi(const RigaOperazioneChiusa& o)
    {
        const double g = o.GP;
        if (g > 0) {
            ++nWin;
            sumGain += g;
            sumPctGain += o.GPPercentuale;
        } else if (g < 0) {
            ++nLose;
            sumLoss += std::fabs(g);
            sumPctLoss += o.GPPercentuale;
        } else {
            ++nEven;
        }
        sumGP += g;
        sumComm += o.Commissioni;
    }
};
