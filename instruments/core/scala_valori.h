#pragma once
// The value scales of every chart, flat or projected: round steps over the range of the
// values, as many as show apart.

// First and last mark and the step between marks.
struct Scala {
    double minimo;
    double massimo;
    double passo;
    // Decimals that every mark of the scale needs.
    int decimali() const;
    // How many marks, the first and the last included.
    int tacche() const;
    // The mark `i` steps above the first.
    double marca(int i) const { return minimo + i * passo; }
};

// Round steps for a value axis over [minimo, massimo]: about `passi` steps at most (one more
// when the range straddles a step).
Scala ScalaValori(double minimo, double massimo, int passi = 5);
// How many steps a scale may have on `lunghezza` pixels, its marks `passoMinimo` apart.
int PassiPerLunghezza(double lunghezza, double passoMinimo);
