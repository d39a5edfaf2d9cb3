#pragma once
// The figures of the trade calculator, from the typed texts to the texts it shows.
// Pure functions: the window reads the boxes and the settings, and shows what comes back.
#include "commissione.h"

#include <QString>

#include <optional>

namespace calcolatore {

// Stop losses of the settings row.
struct Settaggi {
    double SLP = 0;    // per cent of the buy price
    double SLMM = 0;   // money
};

// The chosen trading system.
using Sistema = Tariffa;

struct FigureAcquisto {
    double A = 0;     // buy amount
    double SLP = 0;   // stop-loss price by per cent
    double SLMM = 0;  // stop-loss price by money
    double PdP = 0;   // break-even price
};

struct FigureVendita {
    double V = 0;              // sell amount
    double Commissioni = 0;    // both legs
    double GP = 0;             // profit, to the cent
    double PercentualeGP = 0;  // profit in per cent of A, cut down to a whole number
};

// Q must not be 0.
FigureAcquisto CalcolaAcquisto(double P, double Q, const Settaggi& settaggi, const Sistema& sistema);
// A must not be 0.
FigureVendita CalcolaVendita(double A, double S, double Q, const Sistema& sistema);

// The typed texts, with the decimal comma.
struct Ingressi {
    QString P;  // buy price
    QString Q;  // quantity
    QString S;  // sell price
};

// What the read-outs of a side show. All empty: the side is emptied.
struct TestiAcquisto {
    QString importo, SLP, SLMM, PdP;
    bool operator==(const TestiAcquisto&) const = default;
};
struct TestiVendita {
    QString importo, Commissioni, GP, PercentualeGP;
    bool operator==(const TestiVendita&) const = default;
};

// The buy side after P or Q changed. No value: the side keeps what it shows (the buy
// price or the quantity is not a number). Without a system or a settings row the side
// is emptied rather than computed.
std::optional<TestiAcquisto> RicalcolaAcquisto(const Ingressi& in, const std::optional<Settaggi>& settaggi,
                                               const std::optional<Sistema>& sistema);

// The sell side; `importoAcquisto` is the buy amount as the buy side shows it. It computes
// from that amount, the sell price and the quantity, whatever the buy box holds: an emptied
// buy price leaves the amount shown, and the sell side goes on from it. No value: the side
// keeps what it shows (the sell price, or a pasted quantity, is not a number).
std::optional<TestiVendita> RicalcolaVendita(const Ingressi& in, const QString& importoAcquisto,
                                             const std::optional<Sistema>& sistema);

} // namespace calcolatore
