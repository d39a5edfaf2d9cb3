#pragma once
// The averages window: averages and extremes of the closed operations, and its two gauges.
#include "tabella_operazioni_chiuse.h"

#include <optional>
#include <vector>

struct FigureMedie {
    // Always set.
    long long TotGiorni = 0; // distinct dates
    double CapitaleInvestito = 0;
    double CapitaleMedio = 0;
    double MaxGain = 0;
    std::optional<double> MaxLose; // none when no operation lost
    double NumOperazioniGiorno = 0;
    double PerditaMedia = 0; // 0 when no operation lost
    double GMsuPM = 0; // 0 when no operation lost or the shown average loss is 0

    // Set only when some operation gained; otherwise these stay 0 and no gauge is drawn.
    bool conGuadagni = false;
    double UtileMedioOperazione = 0;
    double UtileMedioGiorno = 0;
    double PercMediaGiorno = 0;
    double GuadagnoMedio = 0;
    double FattoreCulo = 0; // held within 0..1000
    double WL = 0; // winning operations in ten, even ones left out
    int Center = 0; // gauge of the winning share, 0..1000
    int Bottom = 0; // gauge of the luck factor: the shown value x 10
};

FigureMedie CalcolaMedie(const std::vector<RigaOperazioneChiusa>& chiuse);
