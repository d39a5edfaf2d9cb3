#pragma once
// What the trade calculator reads from the settings database.
#include "calcolatore.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace calcolatore {

// The codes of the system combo, in the table's own order.
inline const QString SqlCodiciSystem = QStringLiteral("SELECT Cod FROM System ORDER BY rowid");

// The first system with that code; no value when there is none or the read fails.
std::optional<Sistema> LeggiSistema(const QSqlDatabase& dataset, const QString& cod);

// The stop losses of the settings row; no value without the row.
std::optional<Settaggi> LeggiSettaggi(const QSqlDatabase& dataset);

} // namespace calcolatore
