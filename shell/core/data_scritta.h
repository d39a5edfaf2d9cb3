#pragma once
// A date as the user types it into a date field: day, month and year in this order.
#include <QDate>
#include <QString>

#include <optional>

namespace date {

// Reads "12/01/2026", "1/2/2026", "01/02/26", "12-1-2026", "12.01.2026", "12012026" and
// "120126": day and month of one or two digits between separators ('/', '-' or '.'), or
// ddmmyyyy / ddmmyy without them. A year of two digits is the one of those final digits
// nearest to `oggi` (from 50 years before it to 49 after). Anything else, a day the month
// has not (31/02) included, reads as nothing: a typed date is never taken for another.
std::optional<QDate> LeggiDataScritta(const QString& testo, const QDate& oggi);

// The year of two final digits nearest to `annoOggi`; a tie goes to the past.
int AnnoDaDueCifre(int dueCifre, int annoOggi);

// Whether `c` may stand in a date while it is being typed.
bool CarattereDiData(QChar c);

} // namespace date
