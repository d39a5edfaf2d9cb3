#pragma once
// A long line drawn across few pixels: most of its points fall in a pixel column already
// crossed. What a column shows is where the line enters and leaves it and how high and low it
// goes, so those four points per column draw the same line as all of them.
#include <QList>
#include <QPointF>

// The points of `punti` (x ascending, from xInizio to xFine) worth drawing when that range
// spans `pixel` columns: per column the first, lowest, highest and last point, in their order.
// A line with no more than four points per column comes back whole.
QList<QPointF> PuntiPerPixel(const QList<QPointF>& punti, double xInizio, double xFine, int pixel);
