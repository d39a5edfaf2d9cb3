#pragma once
#include "stato_applicazione.h"

// Net realised result of the closed operations after commissions and capital-gain tax;
// 0 with no portfolio open or no closed operation. When a table cannot be read the result
// is 0 and `errore`, when given, holds the Italian text to show.
double CalcolaGuadagnoNetto(const StatoApplicazione& stato, QString* errore = nullptr);
