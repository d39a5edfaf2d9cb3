#include "quadranti.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr double PiGreco = 3.14; // as the needles are placed

// A tick every tenth of the scale, where the needle of that value points.
void Tacche(QPainter& p, QPointF centro, double raggio, double gradiIniziali, double ampiezza)
{
    for (int i = 0; i <= 10; ++i) {
        const double a = (i / 10.0 * ampiezza + gradiIniziali) * PiGreco / 180;
        const double interno = raggio * (i % 5 == 0 ? 0.78 : 0.88);
        p.drawLine(QPointF(centro.x() - interno * std::cos(a), centro.y() - interno * std::sin(a)),
                   QPointF(centro.x() - raggio * std::cos(a), centro.y() - raggio * std::sin(a)));
    }
}

QPixmap Tela(const QSize& dimensione)
{
    QPixmap tela(dimensione.expandedTo(QSize(8, 8)));
    tela.fill(Qt::transparent);
    return tela;
}

} // namespace

QPixmap QuadranteCentrale(const QSize& dimensione)
{
    QPixmap tela = Tela(dimensione);
    QPainter p(&tela);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centro(tela.width() / 2, tela.height() / 2);
    const double raggio = tela.width() / 2.0 - 6;
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawEllipse(centro, raggio + 4, raggio + 4);
    // The red end: the last fifth of the scale.
    p.setPen(QPen(QColor(200, 40, 40), 3));
    const QRectF arco(centro.x() - raggio, centro.y() - raggio, 2 * raggio, 2 * raggio);
    p.drawArc(arco, int(-45 * 16), int(54 * 16));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    Tacche(p, centro, raggio, -45, 270);
    return tela;
}

QPixmap QuadranteAngolare(const QSize& dimensione)
{
    QPixmap tela = Tela(dimensione);
    QPainter p(&tela);
    p.setRenderHint(QPainter::Antialiasing);
    const double W = tela.width();
    const double H = tela.height();
    const QPointF perno(W - W / 10, H - H / 10);
    const double raggio = W - 2 * (W / 10);
    QPainterPath quarto;
    quarto.moveTo(perno);
    quarto.arcTo(QRectF(perno.x() - raggio, perno.y() - raggio, 2 * raggio, 2 * raggio), 90, 90);
    quarto.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawPath(quarto);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    Tacche(p, perno, raggio, 0, 90);
    return tela;
}
