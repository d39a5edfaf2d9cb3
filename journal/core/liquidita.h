#pragma once
// The portfolio at carrying prices and the cash the account holds beside it: the figures
// of the open-position window, and the sums the cash-account window shows.
#include "somme_conto.h"
#include "stato_applicazione.h"
#include "tabella_portafoglio.h"

#include <vector>

struct Liquidita {
    double valorePortafoglio = 0; // sum of PzoCarico x Qta, not rounded
    double capitaleIniziale = 0;
    double guadagnoNetto = 0; // the net result of the closed operations
    SommeConto movimenti;
    double liquidita = 0; // not rounded
    double liquiditaArrotondata = 0; // to 2 decimals, halves to even
    // The gauge: the liquidity in per mille of the capital the account would hold with no
    // open position; 0 when the liquidity is not above 0 or the share is no whole short.
    short indicatore = 0;
};

// The figures from what was read.
Liquidita CalcolaLiquidita(const std::vector<RigaPortafoglio>& posizioni, const std::vector<RigaConto>& movimenti,
                           double capitaleIniziale, double guadagnoNetto);

struct [[nodiscard]] LetturaLiquidita {
    std::vector<RigaPortafoglio> posizioni; // in the engine's order, for the grid and the chart
    Liquidita figure;
    QString errore; // empty when every table was read
};

// Reads Portafoglio, Conto, the initial capital and the net result of the open portfolio.
// A table that cannot be read counts as empty (an initial capital or a net result that cannot
// be read, or is empty, as 0), and the failure is told.
LetturaLiquidita LeggiLiquidita(const StatoApplicazione& stato);
