#include "date.h"

namespace date {

QString DataIso(const QDate& data)
{
    return data.toString(QStringLiteral("yyyy-MM-dd"));
}

QDate DaIso(const QString& testo)
{
    return QDate::fromString(testo.left(10), QStringLiteral("yyyy-MM-dd"));
}

QString DataUtente(const QDate& data)
{
    return data.toString(QStringLiteral("dd/MM/yyyy"));
}

QString IsoInUtente(const QString& iso)
{
    const QDate d = DaIso(iso);
    return d.isValid() ? DataUtente(d) : iso;
}

int GiornoSettimana(const QDate& data)
{
    return data.dayOfWeek() % 7 + 1; // Qt: Monday = 1 .. Sunday = 7
}

} // namespace date
