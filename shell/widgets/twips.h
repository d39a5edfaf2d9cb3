#pragma once
// Window sizes are designed in twips, at 15 twips to a pixel; the resize rules measure a
// window with its frame.
#include <QSize>

class QWidget;

namespace twips {

constexpr int PerPixel = 15;

// The nearest pixel (no twips count falls half way).
constexpr int Pixel(int twips)
{
    return twips >= 0 ? (twips + PerPixel / 2) / PerPixel : -((-twips + PerPixel / 2) / PerPixel);
}

// The pixel at or before: a position stepped by one twip at a time moves one pixel every 15.
constexpr int PixelPerDifetto(int twips)
{
    return twips >= 0 ? twips / PerPixel : -((-twips + PerPixel - 1) / PerPixel);
}

constexpr int DaPixel(int pixel)
{
    return pixel * PerPixel;
}

// The window's outer size in twips: its MDI frame's when it sits in one.
QSize DimensioneEsterna(const QWidget* finestra);

} // namespace twips
