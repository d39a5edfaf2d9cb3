#pragma once
// What the trade calculator reads from the settings database.
#include "calcolatore.h"
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace calcolatore {

// The codes of the system combo, in the table's own order.
inline const QString SqlCodiciSystem = QStringLiteral("SELECT Cod FROM System ORDER BY rowid");

// The first system with that code: one row, or none when the table has no such code.
Lettura<Sistema> LeggiSistema(const QSqlDatabase& dataset, const QString& cod);

// The stop losses of the settings row: one row, or none without it.
Lettura<Settaggi> LeggiSettaggi(const QSqlDatabase& dataset);

// What one recomputation needs. A missing row leaves its part without a value, and the
// figures that need it are then not shown; `errore` tells why a read failed.
struct [[nodiscard]] Parametri {
    std::optional<Settaggi> settaggi;
    std::optional<Sistema> sistema;
    QString errore;
};
Parametri LeggiParametri(const QSqlDatabase& dataset, const QString& cod);

} // namespace calcolatore
