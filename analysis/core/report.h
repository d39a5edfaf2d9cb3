#pragma once
// The overall report: totals, counts and shares of the closed operations.
#include "somme_chiuse.h"
#include "tabella_operazioni_chiuse.h"

#include <optional>
#include <vector>

// The sums by outcome, and what the report makes of them.
struct FigureReport : SommeChiuse {
    long long N = 0;
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
