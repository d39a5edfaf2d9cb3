#include "numeri.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace numeri {

namespace {

// What a double holds of a decimal number, as the number's text shows it.
constexpr int CifreSignificative = 15;
// Finer than any amount, price or per cent the journal keeps (4 decimals), coarser than the
// error that a few operations on everyday amounts leave (about 1e-13).
constexpr int MassimoDecimaliSenzaRumore = 9;

// 10^0 to 10^22, each exact in a double and so equal to pow(10, n): the rounding of every
// figure of a replay looks its scale up instead of computing it.
constexpr double Potenze[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double Potenza(int esponente)
{
    if (esponente >= 0 && esponente < static_cast<int>(std::size(Potenze)))
        return Potenze[esponente];
    return std::pow(10.0, esponente);
}

// Digits before the point, at least 1, as floor(log10) counts them. Only the counts from 7 to
// 14 change the decimals SenzaRumore keeps, so below 10^6 the answer is "few" without a
// logarithm; near a power of ten, where log10 may round across it, log10 itself decides.
int CifreIntere(double assoluto)
{
    constexpr double Margine = 1e-9;
    if (assoluto < 1e6 * (1 - Margine))
        return 1;
    for (int k = 6; k <= 15; ++k) {
        const double potenza = Potenze[k];
        if (assoluto < potenza * (1 - Margine))
            return k;
        if (assoluto <= potenza * (1 + Margine))
            break;
        if (k == 15)
            return 16;
    }
    return std::max(1, static_cast<int>(std::floor(std::log10(assoluto))) + 1);
}

} // namespace

double ArrotondaPari(double valore, int decimali)
{
    const double scala = Potenza(decimali);
    // The half is judged on the decimal number the value stands for: 1,015 is a half even though
    // its binary form lies just below it. nearbyint follows the current rounding mode, which is
    // ties-to-even by default.
    return std::nearbyint(SenzaRumore(valore * scala)) / scala;
}

double Int(double valore)
{
    return std::floor(valore);
}

long long InteroPari(double valore)
{
    return static_cast<long long>(std::nearbyint(valore));
}

double SenzaRumore(double valore)
{
    if (valore == 0.0 || !std::isfinite(valore))
        return valore;
    // Digits before the point; the decimals kept leave the scaled value below 1e15, where
    // every whole number is exact and so is the division that brings it back.
    const int cifre = CifreIntere(std::fabs(valore));
    const int decimali = std::min(MassimoDecimaliSenzaRumore, CifreSignificative - cifre);
    if (decimali <= 0)
        return valore;
    const double scala = Potenza(decimali);
    return std::nearbyint(valore * scala) / scala;
}

QString TestoNumero(double valore)
{
    if (valore == 0.0 || !std::isfinite(valore))
        return QStringLiteral("0");
    // Whole numbers (counts, row numbers: the most frequent by far) are their digits, as the
    // general way below writes them; it costs ten times as much.
    if (std::fabs(valore) < 1e15 && valore == std::trunc(valore))
        return QString::number(static_cast<long long>(valore));

    // 15 significant digits: d.dddddddddddddde+XX
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(valore));
    QString cifre;
    int esponente = 0;
    for (const char* p = buffer; *p; ++p) {
        if (*p >= '0' && *p <= '9')
            cifre += QLatin1Char(*p);
        else if (*p == 'e') {
            esponente = std::atoi(p + 1);
            break;
        }
    }
    while (cifre.size() > 1 && cifre.endsWith(QLatin1Char('0')))
        cifre.chop(1);

    QString testo;
    if (esponente >= 15 || esponente < -4) {
        testo = cifre.left(1);
        if (cifre.size() > 1)
            testo += QLatin1Char(',') + cifre.mid(1);
        testo += QLatin1String(esponente < 0 ? "E-" : "E+");
        testo += QString::number(std::abs(esponente)).rightJustified(2, QLatin1Char('0'));
    } else if (esponente < 0) {
        testo = QStringLiteral("0,") + QString(-esponente - 1, QLatin1Char('0')) + cifre;
    } else if (cifre.size() <= esponente + 1) {
        testo = cifre + QString(esponente + 1 - cifre.size(), QLatin1Char('0'));
    } else {
        testo = cifre.left(esponente + 1) + QLatin1Char(',') + cifre.mid(esponente + 1);
    }
    if (valore < 0)
        testo.prepend(QLatin1Char('-'));
    return testo;
}

std::optional<double> LeggiNumero(const QString& testo)
{
    const QString t = testo.trimmed();
    int virgole = 0;
    int cifre = 0;
    for (QChar c : t) {
        if (c == QLatin1Char(','))
            ++virgole;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++cifre;
        else
            return std::nullopt;
    }
    if (cifre == 0 || virgole > 1)
        return std::nullopt;
    QString conPunto = t;
    conPunto.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = conPunto.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

std::optional<long long> LeggiIntero(const QString& testo)
{
    const QString t = testo.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    bool ok = false;
    const long long v = t.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

} // namespace numeri
