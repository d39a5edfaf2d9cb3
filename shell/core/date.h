#pragma once
// Dates: ISO text yyyy-mm-dd in the databases, dd/mm/yyyy for the user.
#include <QDate>
#include <QString>

namespace date {

QString DataIso(const QDate& data);
QDate DaIso(const QString& testo);
QString DataUtente(const QDate& data);
// The user's dd/mm/yyyy form of a date stored as ISO text.
QString IsoInUtente(const QString& iso);
// Weekday with Sunday = 1 .. Saturday = 7.
int GiornoSettimana(const QDate& data);

} // namespace date
