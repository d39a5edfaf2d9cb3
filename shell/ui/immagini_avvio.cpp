#include "immagini_avvio.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap ImmagineProgramma(const QSize& dimensione)
{
    QPixmap immagine(dimensione);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(dimensione));
    QLinearGradient sfondo(r.topLeft(), r.bottomLeft());
    sfondo.setColorAt(0, QColor(18, 40, 86));
    sfondo.setColorAt(1, QColor(6, 14, 32));
    p.fillRect(r, sfondo);

    // A price line that rises by steps, with a light grid behind it.
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int i = 1; i < 6; ++i)
        p.drawLine(QPointF(0, r.height() * i / 6), QPointF(r.width(), r.height() * i / 6));
    const double punti[] = {0.78, 0.70, 0.74, 0.60, 0.64, 0.48, 0.52, 0.38, 0.42, 0.26};
    QPainterPath linea;
    for (int i = 0; i < 10; ++i) {
        const QPointF q(r.width() * (0.05 + 0.1 * i), r.height() * punti[i]);
        if (i == 0)
            linea.moveTo(q);
        else
            linea.lineTo(q);
    }
    p.setPen(QPen(QColor(80, 200, 120), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(linea);

    QFont carattere = p.font();
    carattere.setBold(true);
    carattere.setPixelSize(std::max(10, std::min(dimensione.height() / 5, dimensione.width() / 6)));
    p.setFont(carattere);
    p.setPen(QColor(235, 240, 250));
    p.drawText(r.adjusted(0, r.height() * 0.55, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Brunivox"));
    return immagine;
}

QPixmap ImmagineBenvenuto(const QSize& pannello, int spazio)
{
    struct Scelta {
        const char* icona;
        const char* testo;
    };
    const Scelta scelte[] = {
        {":/icone/nuovo.svg", "Nuovo portafoglio"},
        {":/icone/apri.svg", "Apri portafoglio"},
        {":/icone/portafoglio.svg", "Ultimo portafoglio"},
    };
    QPixmap immagine(pannello.width() * 3 + spazio * 4, pannello.height() + spazio * 2);
    immagine.fill(QColor(236, 240, 245));
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    QFont carattere = p.font();
    carattere.setBold(true);
    carattere.setPixelSize(14);
    p.setFont(carattere);
    for (int i = 0; i < 3; ++i) {
        const QRectF r(spazio + i * (pannello.width() + spazio), spazio, pannello.width(), pannello.height());
        p.setPen(QPen(QColor(150, 165, 190), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
        const int lato = std::min(pannello.width(), pannello.height()) / 2;
        const QRect icona(int(r.center().x()) - lato / 2, int(r.top()) + pannello.height() / 6, lato, lato);
        QIcon(QLatin1String(scelte[i].icona)).paint(&p, icona);
        p.setPen(QColor(20, 40, 80));
        p.drawText(r.adjusted(4, icona.bottom() - r.top() + 8, -4, -4),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, QString::fromUtf8(scelte[i].testo));
    }
    return immagine;
}
