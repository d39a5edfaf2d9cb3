#pragma once
// What a stored trade must be for the replays to take it. A file made elsewhere can hold
// anything: one bad row stops a replay with a message that names it, and never overflows
// a sum or writes a value that is not a finite number.
#include <QString>

#include <optional>

namespace motore {

// Most pieces one trade or one position may count. Every whole number up to it is exact
// in a double and is written in full by the number helpers, so it reads back as shown.
inline constexpr qint64 QuantitaMassima = 999'999'999'999'999;

// The stored quantity as a whole number (halves to even) from 0 to QuantitaMassima. A 0 can
// only come from elsewhere (the panel wants 1 or more); the engine takes it as it always did.
std::optional<qint64> QuantitaValida(double qta);

// Why a stored quantity or price cannot be replayed; empty when it can.
QString DifettoQuantita(double qta);
QString DifettoPrezzo(double prezzo);
QString DifettoData();
QString DifettoPosseduta();
QString DifettoCalcolo();

// The text that stops a replay at a trade, naming its date and code as stored.
QString EseguitoNonValido(const QString& data, const QString& cod, const QString& difetto);

} // namespace motore
