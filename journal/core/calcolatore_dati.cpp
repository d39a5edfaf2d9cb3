#include "calcolatore_dati.h"

#include <QSqlQuery>
#include <QVariant>

namespace calcolatore {

std::optional<Sistema> LeggiSistema(const QSqlDatabase& dataset, const QString& cod)
{
    QSqlQuery q(dataset);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT Commissioni, CommissioniMin FROM System WHERE Cod = ? ORDER BY rowid LIMIT 1"));
    q.addBindValue(cod);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return Sistema{q.value(0).toDouble(), q.value(1).toDouble()};
}

std::optional<Settaggi> LeggiSettaggi(const QSqlDatabase& dataset)
{
    QSqlQuery q(dataset);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT SLP, SLMM FROM Settaggi ORDER BY rowid LIMIT 1")) || !q.next())
        return std::nullopt;
    return Settaggi{q.value(0).toDouble(), q.value(1).toDouble()};
}

} // namespace calcolatore
