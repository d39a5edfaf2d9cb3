#pragma once
// Sizes of the windows' resize rules come in twips, at 15 twips to a pixel, and measure the
// window with its frame.
#include <QSize>

class QWidget;

namespace twips {

constexpr int PerPixel = 15;

int Pixel(int twips);
int DaPixel(int pixel);

// The window's outer size in twips: its MDI frame's when it sits in one.
QSize DimensioneEsterna(const QWidget* finestra);

} // namespace twips
