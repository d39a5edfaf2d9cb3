#include "tela_proiezione.h"

#include "proiezione_obliqua.h"

#include <QEvent>
#include <QPainter>

TelaProiezione::TelaProiezione(const DatiGrafico& dati, QWidget* genitore) : QWidget(genitore), dati_(dati)
{
    setAutoFillBackground(true);
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, Qt::white);
    tavolozza.setColor(QPalette::WindowText, Qt::black);
    setPalette(tavolozza);
}

void TelaProiezione::invalida()
{
    disegno_ = QPixmap();
    update();
}

const QList<TestoPosato>& TelaProiezione::etichette()
{
    prepara();
    return etichette_;
}

void TelaProiezione::paintEvent(QPaintEvent*)
{
    prepara();
    QPainter(this).drawPixmap(0, 0, disegno_);
}

void TelaProiezione::changeEvent(QEvent* evento)
{
    if (evento->type() == QEvent::FontChange || evento->type() == QEvent::PaletteChange)
        disegno_ = QPixmap();
    QWidget::changeEvent(evento);
}

void TelaProiezione::prepara()
{
    const qreal rapporto = devicePixelRatioF();
    const QSize pixel = (QSizeF(size()) * rapporto).toSize().expandedTo(QSize(1, 1));
    if (!disegno_.isNull() && disegno_.size() == pixel)
        return;
    disegno_ = QPixmap(pixel);
    disegno_.setDevicePixelRatio(rapporto);
    disegno_.fill(Qt::transparent);
    QPainter p(&disegno_);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    etichette_ = ProiezioneObliqua::Disegna(p, QRectF(rect()).adjusted(6, 6, -6, -6), dati_);
}
