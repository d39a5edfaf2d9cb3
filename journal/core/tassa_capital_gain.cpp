#include "tassa_capital_gain.h"

#include "numeri.h"

#include <cmath>

double TassaCapitalGain(double sommaGP, double sommaCommissioni, double aliquota)
{
    if (!(sommaGP > 0))
        return 0;
    return numeri::Int(numeri::SenzaRumore(std::fabs((sommaGP - sommaCommissioni) * aliquota / 100)));
}
