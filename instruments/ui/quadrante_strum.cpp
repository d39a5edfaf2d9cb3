#include "quadrante_strum.h"

#include "numeri.h"

#include <QPainter>

#include <cmath>

QPixmap QuadranteBottomCenter(const QSize& dimensione)
{
    QPixmap immagine(dimensione);
    immagine.fill(Qt::white);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    const double W = dimensione.width();
    const double H = dimensione.height();
    const double r = H - 2 * (H / 10);
    const QPointF perno(W / 2, H - H / 10);
    auto punto = [&](double valore, double raggio) {
        const double a = (valore / 1000 * 120 + 30) * M_PI / 180;
        return QPointF(perno.x() - raggio * std::cos(a), perno.y() - raggio * std::sin(a));
    };

    // A warning band over the lowest fifth of the scale.
    p.setPen(QPen(QColor(220, 60, 40), std::max(2.0, r / 14), Qt::SolidLine, Qt::FlatCap));
    const QRectF arco(perno.x() - r, perno.y() - r, 2 * r, 2 * r);
    p.drawArc(arco, int(150 * 16), int(-24 * 16));
    p.setPen(QPen(Qt::black, 1));
    p.drawArc(arco, int(150 * 16), int(-120 * 16));

    QFont carattere = p.font();
    carattere.setPixelSize(std::max(7, int(r / 8)));
    p.setFont(carattere);
    for (int v = 0; v <= 1000; v += 100) {
        const bool lunga = v % 500 == 0;
        p.drawLine(punto(v, r), punto(v, r * (lunga ? 0.82 : 0.9)));
        if (lunga) {
            const QPointF c = punto(v, r * 0.62);
            p.drawText(QRectF(c.x() - 20, c.y() - 8, 40, 16), Qt::AlignCenter, numeri::TestoNumero(v / 10));
        }
    }
    p.drawText(QRectF(perno.x() - 20, perno.y() - r * 0.45, 40, 16), Qt::AlignCenter, QStringLiteral("%"));
    p.setBrush(Qt::black);
    p.drawEllipse(perno, 2.5, 2.5);
    return immagine;
}
