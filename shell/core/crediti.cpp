#include "crediti.h"

#include "numeri.h"

std::optional<ColoreRgb> ColoreCredito(double cima, double altezza, const ColoreRgb& pieno)
{
    const double meta = altezza / 2;
    double quota;
    if (cima >= meta && cima <= altezza)
        quota = (altezza - cima) / meta;
    else if (cima >= 0 && cima <= meta)
        quota = cima / meta;
    else
        return std::nullopt;
    auto c = [quota](int componente) { return static_cast<int>(numeri::InteroPari(quota * componente)); };
    return ColoreRgb{c(pieno.r), c(pieno.g), c(pieno.b)};
}
