#include "guadagno_netto.h"

double CalcolaGuadagnoNetto(const StatoApplicazione&)
{
    return 0;
}
