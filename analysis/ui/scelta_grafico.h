#pragma once
// The chart-type switch of the statistics windows: the option's index fixes the chart kind,
// the same in every window.
#include "tipo_grafico.h"

#include <iterator>

// Options in order: "Barre", "Torta", "Area", area 3D, lines 3D, "Linee", bars 3D.
// -1 for an index that is no option.
constexpr int TipoGraficoDaOpzione(int indice)
{
    constexpr int tipi[] = {TipoGrafico::Barre,   TipoGrafico::Torta, TipoGrafico::Area,   TipoGrafico::Area3D,
                            TipoGrafico::Linee3D, TipoGrafico::Linee, TipoGrafico::Barre3D};
    return indice >= 0 && indice < int(std::size(tipi)) ? tipi[indice] : -1;
}
