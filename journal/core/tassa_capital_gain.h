#pragma once
// The capital-gain tax on the totals of the closed operations, as the net result and the
// report both take it off.

// `aliquota` is the rate in per cent. The tax is due when the gross result is a gain, on the
// size of the net result (commissions above a gain are taxed by their size), cut down to a
// whole unit of money: a true fraction, not the noise of the binary form.
double TassaCapitalGain(double sommaGP, double sommaCommissioni, double aliquota);
