#pragma once
// The fading credits of the about window: the colour of a line by its height in the credits
// area, in the window's unit (twips).
#include <optional>

struct ColoreRgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const ColoreRgb&) const = default;
};

// The full colour the lines reach at mid-height.
inline constexpr ColoreRgb ColorePienoCrediti{50, 150, 255};

// Black at the top and bottom edges of an area `altezza` high, `pieno` at mid-height, each
// component rounded half to even; nothing when the top `cima` lies outside 0..altezza (the
// line keeps its colour).
std::optional<ColoreRgb> ColoreCredito(double cima, double altezza, const ColoreRgb& pieno = ColorePienoCrediti);
