#pragma once
// What a stored trade must be for the replays to take it. A file made elsewhere can hold
// anything: one bad row stops a replay with a message that names it, and never overflows
// a sum or writes a value that is not a finite number.
#include "esito.h"

#include <QString>

#include <optional>

namespace motore {

// Most pieces one trade or one position may count. Every whole number up to it is exact
// in a double and is written in full by the number helpers, so it reads back as shown.
inline constexpr qint64 QuantitaMassima = 999'999'999'999'999;

// The stored quantity as a whole number (halves to even) from 0 to QuantitaMassima. A 0 can
// only come from elsewhere (the panel wants 1 or more); the engine takes it as it always did.
std::optional<qint64> QuantitaValida(double qta);

// Whether a stored quantity or price can be replayed; when refused, the message says why.
[[nodiscard]] Esito DifettoQuantita(double qta);
[[nodiscard]] Esito DifettoPrezzo(double prezzo);
// Why a stored trade cannot be replayed, where no check is left to make.
QString DifettoData();
QString DifettoImporto();
QString DifettoPrezzoOttimale();
QString DifettoPosseduta();
QString DifettoCalcolo();

// The text that stops a replay at a trade, naming its date and code as stored.
QString EseguitoNonValido(const QString& data, const QString& cod, const QString& difetto);

} // namespace motore
