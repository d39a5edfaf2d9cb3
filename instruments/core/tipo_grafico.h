#pragma once
// The kinds of chart, by the numbers the windows set.

namespace TipoGrafico {
constexpr int Barre3D = 0;
constexpr int Barre = 1;
constexpr int Linee3D = 2;
constexpr int Linee = 3;
constexpr int Area3D = 4;
constexpr int Area = 5;
constexpr int Torta = 14;
constexpr int XY = 16;

constexpr bool Valido(int tipo)
{
    switch (tipo) {
    case Barre3D:
    case Barre:
    case Linee3D:
    case Linee:
    case Area3D:
    case Area:
    case Torta:
    case XY:
        return true;
    default:
        return false;
    }
}

// Drawn with depth by the oblique projection rather than flat.
constexpr bool Tridimensionale(int tipo)
{
    return tipo == Barre3D || tipo == Linee3D || tipo == Area3D;
}
} // namespace TipoGrafico
