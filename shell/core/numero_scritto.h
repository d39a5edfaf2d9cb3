#pragma once
// Reading back a number from a box or a cell the program filled itself.
#include <QString>

#include <optional>

namespace numeri {

// What LeggiNumero reads, and also any text exactly as TestoNumero writes it ("-50",
// "1E+20", "1,5E-07"): a value the program showed must survive being written back.
std::optional<double> LeggiNumeroMostrato(const QString& testo);

} // namespace numeri
