#include "numeri.h"

#include <algorithm>
#include <charconv>
#include <cfenv>
#include <cmath>
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

int ScriviNumero(double valore, char* uscita)
{
    char* p = uscita;
    if (valore == 0.0 || !std::isfinite(valore)) {
        *p++ = '0';
        return int(p - uscita);
    }
    // Whole numbers (counts, row numbers: the most frequent by far) are their digits, as the
    // general way below writes them.
    if (std::fabs(valore) < 1e15 && valore == std::trunc(valore))
        return int(std::to_chars(p, uscita + TestoNumeroMassimo, static_cast<long long>(valore)).ptr - uscita);

    // 15 significant digits: d.dddddddddddddde+XX, rounded as printf's %.14e rounds, to the
    // nearest and halves (exact in binary) to even.
    char esponenziale[32];
    const char* fine = std::to_chars(esponenziale, esponenziale + sizeof esponenziale, std::fabs(valore),
                                     std::chars_format::scientific, CifreSignificative - 1)
                           .ptr;
    char cifre[CifreSignificative];
    int quante = 0;
    const char* e = esponenziale;
    for (; e < fine && *e != 'e'; ++e)
        if (*e >= '0' && *e <= '9')
            cifre[quante++] = *e;
    int esponente = 0;
    std::from_chars(e + 1 + (e + 1 < fine && e[1] == '+'), fine, esponente);
    while (quante > 1 && cifre[quante - 1] == '0')
        --quante;

    if (valore < 0)
        *p++ = '-';
    const auto copia = [&p](const char* da, int n) {
        for (int i = 0; i < n; ++i)
            *p++ = da[i];
    };
    if (esponente >= CifreSignificative || esponente < -4) {
        *p++ = cifre[0];
        if (quante > 1) {
            *p++ = ',';
            copia(cifre + 1, quante - 1);
        }
        *p++ = 'E';
        *p++ = esponente < 0 ? '-' : '+';
        const int assoluto = std::abs(esponente);
        if (assoluto < 10)
            *p++ = '0';
        p = std::to_chars(p, uscita + TestoNumeroMassimo, assoluto).ptr;
    } else if (esponente < 0) {
        *p++ = '0';
        *p++ = ',';
        for (int i = 0; i < -esponente - 1; ++i)
            *p++ = '0';
        copia(cifre, quante);
    } else if (quante <= esponente + 1) {
        copia(cifre, quante);
        for (int i = 0; i < esponente + 1 - quante; ++i)
            *p++ = '0';
    } else {
        copia(cifre, esponente + 1);
        *p++ = ',';
        copia(cifre + esponente + 1, quante - esponente - 1);
    }
    return int(p - uscita);
}

QString TestoNumero(double valore)
{
    char testo[TestoNumeroMassimo];
    return QString::fromLatin1(testo, ScriviNumero(valore, testo));
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
