#pragma once
// The four trading settings of the Settaggi row, and the table of trading systems that
// the initial-parameters dialog edits in its grid.
#include "esito.h"
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace parametri {

// Edited directly through a table model: every change of a cell is one write.
inline const QString TabellaSystem = QStringLiteral("System");

// No value: the field is NULL when read, and is left as it is when written.
struct Parametri {
    std::optional<double> CapitaleIniziale;
    std::optional<double> CapitalGain;
    std::optional<double> SLMM;
    std::optional<double> SLP;
};

// The first (only) row of Settaggi: one row, or the error.
Lettura<Parametri> LeggiParametri(const QSqlDatabase& dataset);

// One UPDATE of the Settaggi row; a field without a value keeps what it holds.
Esito ScriviParametri(QSqlDatabase& dataset, const Parametri& valori);

} // namespace parametri
