#pragma once
// The colours of a chart's series, the same in every kind, flat or projected.
#include <QColor>

// Colour of the n-th series, from 1.
QColor ColoreSerie(int colonna);
// Colour a chart of kind `tipo` draws column `colonna` (from 1) with: the column's series, or
// in XY the pair of columns (x, y) it belongs to.
QColor ColoreDiColonna(int tipo, int colonna);
