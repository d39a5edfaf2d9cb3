#pragma once
// Finding a series' colour in a drawn chart: by hue, so that a face shaded darker or lighter,
// or an area seen through, still counts as that colour.
#include <QColor>
#include <QImage>

#include <algorithm>
#include <cstdlib>

inline bool DellaTinta(const QColor& pixel, const QColor& colore)
{
    const int scarto = std::abs(pixel.hsvHue() - colore.hsvHue());
    return pixel.hsvSaturation() > 60 && std::min(scarto, 360 - scarto) < 10;
}

// How many pixels of the image have the hue of `colore`.
inline int PixelDelColore(const QImage& immagine, const QColor& colore)
{
    int n = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            if (DellaTinta(immagine.pixelColor(x, y), colore))
                ++n;
    return n;
}

// The mean row of those pixels (smaller is higher up), or -1 when there is none.
inline double RigaMediaDelColore(const QImage& immagine, const QColor& colore)
{
    double somma = 0;
    int n = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            if (DellaTinta(immagine.pixelColor(x, y), colore)) {
                somma += y;
                ++n;
            }
    return n ? somma / n : -1;
}
