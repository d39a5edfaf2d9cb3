#include "calcolatore.h"

#include "numeri.h"
#include "numero_scritto.h"

#include <cmath>

namespace calcolatore {

namespace {

// A quantity counts as given when it is a whole number other than zero ("00" is zero).
bool QuantitaNulla(const QString& Q)
{
    const QString t = Q.trimmed();
    const std::optional<long long> q = numeri::LeggiIntero(t);
    return t.isEmpty() || t == QLatin1String("0") || (q && *q == 0);
}

} // namespace

FigureAcquisto CalcolaAcquisto(double P, double Q, const Settaggi& settaggi, const Sistema& sistema)
{
    FigureAcquisto f;
    f.A = P * Q;
    f.SLP = numeri::ArrotondaPari(P - P * settaggi.SLP / 100, 4);
    f.SLMM = numeri::ArrotondaPari(std::fabs((f.A - settaggi.SLMM) / Q), 4);
    // Both legs at the buy amount, without the minimum commission.
    f.PdP = P + (f.A * sistema.Commissioni / 1000) * 2 / Q;
    return f;
}

FigureVendita CalcolaVendita(double A, double S, double Q, const Sistema& sistema)
{
    FigureVendita f;
    f.V = S * Q;
    f.Commissioni = Commissione(A, sistema) + Commissione(f.V, sistema);
    f.GP = numeri::ArrotondaPari((f.V - A) - f.Commissioni, 2);
    // A whole per cent stays whole: 0,29 x 100 / 29 is 1, not the 0 of 0,9999999999999999.
    f.PercentualeGP = numeri::Int(numeri::SenzaRumore(f.GP * 100 / A));
    return f;
}

std::optional<TestiAcquisto> RicalcolaAcquisto(const Ingressi& in, const std::optional<Settaggi>& settaggi,
                                               const std::optional<Sistema>& sistema)
{
    const std::optional<double> P = numeri::LeggiNumero(in.P);
    if (!P)
        return std::nullopt;
    if (in.P.trimmed() == QLatin1String("0") || QuantitaNulla(in.Q))
        return TestiAcquisto{};
    const std::optional<long long> Q = numeri::LeggiIntero(in.Q);
    if (!Q)
        return std::nullopt;
    if (!settaggi || !sistema)
        return TestiAcquisto{};

    const FigureAcquisto f = CalcolaAcquisto(*P, double(*Q), *settaggi, *sistema);
    return TestiAcquisto{numeri::TestoNumero(f.A), numeri::TestoNumero(f.SLP), numeri::TestoNumero(f.SLMM),
                         numeri::TestoNumero(f.PdP)};
}

std::optional<TestiVendita> RicalcolaVendita(const Ingressi& in, const QString& importoAcquisto,
                                             const std::optional<Sistema>& sistema)
{
    // The buy price takes no part: the buy amount shown stands for it.
    const std::optional<double> S = numeri::LeggiNumero(in.S);
    if (!S)
        return std::nullopt;
    const QString a = importoAcquisto.trimmed();
    if (a.isEmpty() || a == QLatin1String("0") || in.S.trimmed() == QLatin1String("0") || QuantitaNulla(in.Q))
        return TestiVendita{};
    const std::optional<long long> Q = numeri::LeggiIntero(in.Q);
    // The buy side wrote it, in the exponent form too for very large values ("1,5E+20").
    const std::optional<double> A = numeri::LeggiNumeroMostrato(a);
    if (!Q || !A)
        return std::nullopt;
    if (!sistema || *A == 0)
        return TestiVendita{};

    const FigureVendita f = CalcolaVendita(*A, *S, double(*Q), *sistema);
    return TestiVendita{numeri::TestoNumero(f.V), numeri::TestoNumero(f.Commissioni), numeri::TestoNumero(f.GP),
                        numeri::TestoNumero(f.PercentualeGP)};
}

} // namespace calcolatore
