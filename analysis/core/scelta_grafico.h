#pragma once
// The chart-type switch of the statistics windows: the option's index fixes the chart kind,
// the same in every window.

// 0 "Barre" 2D bar, 1 "Torta" pie, 2 "Area", 3 area 3D, 4 lines 3D, 5 "Linee", 6 bars 3D.
// -1 for an index that is no option.
constexpr int TipoGraficoDaOpzione(int indice)
{
    constexpr int tipi[] = {1, 14, 5, 4, 2, 3, 0};
    return indice >= 0 && indice < 7 ? tipi[indice] : -1;
}

// The kind of the XY frequency charts, which do not follow the switch.
inline constexpr int TipoGraficoXY = 16;
// The kind the run charts go back to at every recomputation.
inline constexpr int TipoGraficoBarre3D = 0;
