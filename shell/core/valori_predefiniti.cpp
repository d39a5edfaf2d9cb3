#include "valori_predefiniti.h"

#include <QSqlQuery>

QVariantMap ValoriPredefiniti(const QSqlDatabase& db, const QString& tabella)
{
    QVariantMap valori;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT name, dflt_value FROM pragma_table_info(?)"));
    q.addBindValue(tabella);
    if (!q.exec())
        return valori;
    while (q.next()) {
        if (q.value(1).isNull())
            continue;
        const QString testo = q.value(1).toString().trimmed();
        if (testo.size() >= 2 && testo.startsWith(QLatin1Char('\'')) && testo.endsWith(QLatin1Char('\''))) {
            valori.insert(q.value(0).toString(),
                          testo.mid(1, testo.size() - 2).replace(QLatin1String("''"), QLatin1String("'")));
            continue;
        }
        bool intero = false;
        const qlonglong n = testo.toLongLong(&intero);
        if (intero) {
            valori.insert(q.value(0).toString(), n);
            continue;
        }
        bool reale = false;
        const double d = testo.toDouble(&reale);
        if (reale)
            valori.insert(q.value(0).toString(), d);
    }
    return valori;
}
