#include "settaggi_statistiche.h"

#include "esito.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

SettaggiStatistiche LeggiSettaggiStatistiche(const QSqlDatabase& dataset)
{
    SettaggiStatistiche s;
    QSqlQuery q(dataset);
    if (!q.exec(QStringLiteral("SELECT CapitalGain, SLMM FROM Settaggi ORDER BY rowid LIMIT 1"))) {
        s.errore = TestoErroreDatabase(q.lastError().text());
        return s;
    }
    if (q.next()) {
        s.CapitalGain = q.value(0).toDouble();
        s.SLMM = q.value(1).toDouble();
    }
    return s;
}
