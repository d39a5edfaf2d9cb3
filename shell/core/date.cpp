#include "date.h"

#include <optional>

namespace date {

QString DataIso(const QDate& data)
{
    return data.toString(QStringLiteral("yyyy-MM-dd"));
}

namespace {

int Cifra(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : -1;
}

// The stored form, four digits, two and two: read by hand, it costs a tenth of the general
// parser. Any other text (signs, blanks, short fields) goes to the parser, which decides it.
std::optional<QDate> DaIsoSemplice(const QString& testo)
{
    if (testo.size() < 10 || testo[4] != QLatin1Char('-') || testo[7] != QLatin1Char('-'))
        return std::nullopt;
    int cifre[8];
    constexpr int posti[8] = {0, 1, 2, 3, 5, 6, 8, 9};
    for (int i = 0; i < 8; ++i)
        if ((cifre[i] = Cifra(testo[posti[i]])) < 0)
            return std::nullopt;
    const int anno = cifre[0] * 1000 + cifre[1] * 100 + cifre[2] * 10 + cifre[3];
    const int mese = cifre[4] * 10 + cifre[5];
    const int giorno = cifre[6] * 10 + cifre[7];
    if (anno == 0)
        return std::nullopt;
    return QDate::isValid(anno, mese, giorno) ? QDate(anno, mese, giorno) : QDate();
}

} // namespace

QDate DaIso(const QString& testo)
{
    if (const std::optional<QDate> semplice = DaIsoSemplice(testo))
        return *semplice;
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
