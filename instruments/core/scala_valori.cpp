#include "scala_valori.h"

#include <algorithm>
#include <cmath>

Scala ScalaValori(double minimo, double massimo, int passi)
{
    if (!std::isfinite(minimo) || !std::isfinite(massimo))
        return {0, 1, 0.2};
    if (massimo - minimo <= 0) {
        const double ampiezza = std::max(std::abs(massimo), 1.0);
        minimo -= ampiezza / 2;
        massimo += ampiezza / 2;
    }
    const double grezzo = (massimo - minimo) / std::max(passi, 1);
    const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
    double passo = potenza;
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * potenza >= grezzo) {
            passo = m * potenza;
            break;
        }
    return {std::floor(minimo / passo) * passo, std::ceil(massimo / passo) * passo, passo};
}

int Scala::decimali() const
{
    for (int d = 0; d < 12; ++d) {
        const double scalato = passo * std::pow(10.0, d);
        if (std::abs(scalato - std::round(scalato)) < 1e-6 * std::max(1.0, std::abs(scalato)))
            return d;
    }
    return 12;
}

int Scala::tacche() const
{
    return int(std::lround((massimo - minimo) / passo)) + 1;
}

int PassiPerLunghezza(double lunghezza, double passoMinimo)
{
    if (!(passoMinimo > 0))
        return 5;
    return std::clamp(int(lunghezza / passoMinimo), 1, 5);
}
