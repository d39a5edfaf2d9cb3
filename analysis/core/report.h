#pragma once
// The overall report: totals, counts and shares of the closed operations.
#include "tabella_operazioni_chiuse.h"

#include <optional>
#include <vector>

struct FigureReport {
    long long nWin = 0;
    long long nLose = 0;
    long long nEven = 0;
    long long N = 0;
    double sumGain = 0;
    double sumLoss = 0; // positive: the size of the losses
    double sumPctGain = 0;
    double sumPctLoss = 0; // 0 or negative
    double sumGP = 0;
    double sumComm = 0;
    double tassa = 0; // capital-gain tax, a whole amount
    double totaleGP = 0; // sumGP - sumComm - tax
    double opGainP = 0; // whole per cents of the counts
    double opLoseP = 0;
    double opPariP = 0;
    double percTotale = 0; // sumPctGain - |sumPctLoss|
    double percMedia = 0; // its whole average per operation
};

// No figures when there is no closed operation: the window then stays as it is.
// `capitalGain` is the tax rate in per cent.
std::optional<FigureReport> CalcolaReport(const std::vector<RigaOperazioneChiusa>& chiuse, double capitalGain);
