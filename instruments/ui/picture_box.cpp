#include "picture_box.h"

#include "colore_long.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    preparaDisegno();
}

float PictureBox::ScaleWidth() const
{
    return float(width());
}

float PictureBox::ScaleHeight() const
{
    return float(height());
}

// A hidden box gets its resize event only when shown, so drawing asks for the size itself:
// what is drawn before the first show must not be cut to the default size.
void PictureBox::preparaDisegno()
{
    const QSize dim = size().expandedTo(QSize(1, 1));
    if (disegno_.size() == dim)
        return;
    QImage nuovo(dim, QImage::Format_ARGB32_Premultiplied);
    nuovo.fill(Qt::transparent);
    if (!disegno_.isNull()) {
        QPainter p(&nuovo);
        p.drawImage(0, 0, disegno_);
    }
    disegno_ = nuovo;
}

void PictureBox::Cls()
{
    preparaDisegno();
    disegno_.fill(Qt::transparent);
    update();
}

void PictureBox::SetDrawWidth(int larghezza)
{
    drawWidth_ = larghezza < 1 ? 1 : larghezza;
}

void PictureBox::SetBackColor(std::uint32_t colore)
{
    backColor_ = colore;
    update();
}

void PictureBox::PSet(float x, float y, std::uint32_t colore)
{
    preparaDisegno();
    QPainter p(&disegno_);
    p.setRenderHint(QPainter::Antialiasing, drawWidth_ > 1);
    if (drawWidth_ <= 1) {
        p.setPen(ColoreDaLong(colore));
        p.drawPoint(QPointF(x, y));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(ColoreDaLong(colore));
        p.drawEllipse(QPointF(x, y), drawWidth_ / 2.0, drawWidth_ / 2.0);
    }
    update();
}

void PictureBox::Line(float x1, float y1, float x2, float y2, std::uint32_t colore)
{
    preparaDisegno();
    QPainter p(&disegno_);
    // One-pixel lines stay crisp (the read-outs are built from them); thicker pens,
    // as the clock hands use, are smoothed.
    p.setRenderHint(QPainter::Antialiasing, drawWidth_ > 1);
    p.setPen(QPen(ColoreDaLong(colore), drawWidth_, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    update();
}

void PictureBox::Box(float x1, float y1, float x2, float y2, std::uint32_t colore, bool pieno)
{
    preparaDisegno();
    QPainter p(&disegno_);
    if (pieno) {
        // Both corners belong to the box, as they do to its outline, in whichever order they
        // come: a box less than a pixel high or wide (the read-outs' dot) still fills the
        // pixels its corners round to.
        const int xa = qRound(x1);
        const int xb = qRound(x2);
        const int ya = qRound(y1);
        const int yb = qRound(y2);
        const QRect r(QPoint(std::min(xa, xb), std::min(ya, yb)), QPoint(std::max(xa, xb), std::max(ya, yb)));
        p.fillRect(r, ColoreDaLong(colore));
    } else {
        p.setPen(QPen(ColoreDaLong(colore), drawWidth_));
        p.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
    }
    update();
}

void PictureBox::SetPicture(const QPixmap& immagine)
{
    sfondo_ = immagine;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ColoreDaLong(backColor_));
    if (!sfondo_.isNull())
        p.drawPixmap(rect(), sfondo_);
    p.drawImage(0, 0, disegno_);
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    preparaDisegno();
}
