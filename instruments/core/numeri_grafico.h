#pragma once
// How a chart writes a number, wherever it shows one: marks of the scales, slices of a pie,
// figures of the legend. Italian, decimal comma, never grouped, whatever the machine's locale.
#include <QLocale>
#include <QString>

// As every window writes it (numeri::TestoNumero): "0,5", "1", "1,5E-07".
QString TestoNumeroGrafico(double valore);
// With `decimali` decimals, every mark of a scale alike ("0,0", "0,5", "1,0"): the form Qt
// Charts writes the marks of a flat scale in, from FormatoDecimali in LocaleGrafici.
QString TestoNumeroGrafico(double valore, int decimali);

// The locale and the label format that make Qt Charts write its marks as the line above.
QLocale LocaleGrafici();
QString FormatoDecimali(int decimali);
