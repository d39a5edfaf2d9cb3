#pragma once
// Numeric helpers shared by every window and by the core: the rounding rules of the
// journal and the Italian text form of numbers shown to the user.
#include <QString>
#include <optional>

namespace numeri {

// Rounds to `decimali` decimals, halves to the even digit (2.125 -> 2.12, 2.375 -> 2.38), a half
// being one of the decimal number the value stands for (1.015 -> 1.02, though its double is below).
double ArrotondaPari(double valore, int decimali);

// Largest whole number not above the value (Int(-0.5) = -1).
double Int(double valore);

// Conversion to a whole number, halves to even (2.5 -> 2, 3.5 -> 4).
long long InteroPari(double valore);

// The value without the error of its binary form: rounded to 9 decimals, or to 15 significant
// digits where a double holds fewer decimals. Take it before Int or InteroPari of a product or
// quotient of amounts, so that they drop a true fraction only: Int(400 x 0,15) is 60, not the 59
// of 59,99999999999996, while Int(7 x 0,15) is still 1.
double SenzaRumore(double valore);

// Plain decimal text of a number in the Italian locale: no grouping, decimal comma,
// up to 15 significant digits, exponent form ("1E+20", "1,5E-07") for very large or small values.
QString TestoNumero(double valore);

// The same text, ASCII only, into `uscita` (room for TestoNumeroMassimo characters, no
// terminating zero): its length. For a caller that only measures the text, or writes many.
constexpr int TestoNumeroMassimo = 32;
int ScriviNumero(double valore, char* uscita);

// Reads a number typed by the user with the decimal comma ("12,5", "7", ",5").
// Anything else (empty, a comma alone, a point, letters, signs) gives no value.
std::optional<double> LeggiNumero(const QString& testo);

// Reads a typed whole number (digits only).
std::optional<long long> LeggiIntero(const QString& testo);

} // namespace numeri
