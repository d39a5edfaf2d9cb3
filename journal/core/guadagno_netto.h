#pragma once
#include "lettura.h"
#include "stato_applicazione.h"

// Net realised result of the closed operations after commissions and capital-gain tax:
// one row, 0 with no portfolio open or no closed operation; or, when a table cannot be
// read, the Italian text to show (never a 0 taken for a result).
Lettura<double> CalcolaGuadagnoNetto(const StatoApplicazione& stato);
