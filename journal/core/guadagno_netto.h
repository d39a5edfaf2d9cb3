#pragma once
#include "stato_applicazione.h"

// Net realised result of the closed operations after commissions and capital-gain tax;
// 0 with no portfolio open or no closed operation.
double CalcolaGuadagnoNetto(const StatoApplicazione& stato);
