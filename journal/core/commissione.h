#pragma once
// The commission rule of a trading system, as its row of System holds it: the replay charges
// it on every trade, the calculator on both legs of the trade it figures.

struct Tariffa {
    double Commissioni = 0; // per mille of the traded amount
    double CommissioniMin = 0; // minimum per trade leg
};

// The commission of one trade leg of `importo` (quantity times price).
inline double Commissione(double importo, const Tariffa& tariffa)
{
    const double c = importo * tariffa.Commissioni / 1000;
    return c < tariffa.CommissioniMin ? tariffa.CommissioniMin : c;
}
