#pragma once
// Dial pictures for the gauges: the needle is drawn by Strum over them, so the scale
// follows the same geometry (pivot, radius and sweep) as the needle's formulas.
#include <QPixmap>

// The 120-degree half dial of BottomCenter: 0 at the left, 1000 at the right, marked in
// per cent (0 to 100) every tenth.
QPixmap QuadranteBottomCenter(const QSize& dimensione);
