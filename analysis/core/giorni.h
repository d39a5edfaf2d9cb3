#pragma once
// Profit or loss of the closed operations by the weekday of their sell, Monday to Friday.
#include "tabella_operazioni_chiuse.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// Monday to Friday, without accents, as the grid and chart show them.
inline const std::array<QString, 5> NomiGiorni = {
    QStringLiteral("Lunedi"),  QStringLiteral("Martedi"), QStringLiteral("Mercoledi"),
    QStringLiteral("Giovedi"), QStringLiteral("Venerdi"),
};

// One total per weekday, Monday first; no value for a day without operations. The weekday
// comes from Data (not from the stored giornoDiSettimana); sums are made per date first,
// dates in order, then per weekday. Weekend dates and unreadable dates count nowhere.
std::array<std::optional<double>, 5> TotaliPerGiorno(const std::vector<RigaOperazioneChiusa>& chiuse);
