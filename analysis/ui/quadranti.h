#pragma once
// The dial pictures behind the averages window's two gauges: the needle is drawn over them.
#include <QPixmap>
#include <QSize>

// 270 degrees around the centre, 0 at the lower left, 1000 at the lower right.
QPixmap QuadranteCentrale(const QSize& dimensione);
// A quarter turn around the lower-right corner, 0 to the left, 1000 straight up.
QPixmap QuadranteAngolare(const QSize& dimensione);
