#include "punti_per_pixel.h"

#include <algorithm>
#include <cmath>

QList<QPointF> PuntiPerPixel(const QList<QPointF>& punti, double xInizio, double xFine, int pixel)
{
    const qsizetype n = punti.size();
    if (pixel < 1 || n <= 4 * qsizetype(pixel) || !(xFine > xInizio))
        return punti;
    const double perPixel = pixel / (xFine - xInizio);
    QList<QPointF> scelti;
    scelti.reserve(4 * qsizetype(pixel) + 4);
    qsizetype inizio = 0;
    while (inizio < n) {
        const auto colonna = static_cast<long long>(std::floor((punti[inizio].x() - xInizio) * perPixel));
        qsizetype fine = inizio + 1;
        qsizetype basso = inizio;
        qsizetype alto = inizio;
        while (fine < n && static_cast<long long>(std::floor((punti[fine].x() - xInizio) * perPixel)) == colonna) {
            if (punti[fine].y() < punti[basso].y())
                basso = fine;
            if (punti[fine].y() > punti[alto].y())
                alto = fine;
            ++fine;
        }
        qsizetype indici[] = {inizio, basso, alto, fine - 1};
        std::sort(std::begin(indici), std::end(indici));
        qsizetype ultimo = -1;
        for (const qsizetype i : indici)
            if (i != ultimo) {
                scelti.append(punti[i]);
                ultimo = i;
            }
        inizio = fine;
    }
    return scelti;
}
