#include "numero_scritto.h"

#include "numeri.h"

namespace numeri {

std::optional<double> LeggiNumeroMostrato(const QString& testo)
{
    if (const auto v = LeggiNumero(testo))
        return v;
    const QString t = testo.trimmed();
    for (QChar c : t) {
        const bool ammesso = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',')
            || c == QLatin1Char('-') || c == QLatin1Char('+') || c == QLatin1Char('E');
        if (!ammesso)
            return std::nullopt;
    }
    QString conPunto = t;
    conPunto.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = conPunto.toDouble(&ok);
    // Only the program's own spelling: "1e+20", "+5" or "1E20" were typed, not shown.
    if (!ok || TestoNumero(v) != t)
        return std::nullopt;
    return v;
}

} // namespace numeri
