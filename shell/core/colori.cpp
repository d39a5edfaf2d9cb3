#include "colori.h"

#include <QSqlQuery>

std::optional<SchemaColori> LeggiColori(const QSqlDatabase& dataset)
{
    QSqlQuery q(dataset);
    if (!q.exec(QStringLiteral("SELECT ColoreSfondo, ColoreTesto, ClockLancette FROM Colori ORDER BY rowid LIMIT 1"))
        || !q.next())
        return std::nullopt;
    return SchemaColori{q.value(0).toUInt(), q.value(1).toUInt(), q.value(2).toUInt()};
}
