#pragma once
// A picture box: keeps what is drawn on it in a bitmap behind the widget, so drawing
// survives repaints, and paints it over the background colour and picture.
#include "superficie.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

class PictureBox : public QWidget, public Superficie {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    float ScaleWidth() const override;
    float ScaleHeight() const override;
    void Cls() override;
    int DrawWidth() const override { return drawWidth_; }
    void SetDrawWidth(int larghezza) override;
    std::uint32_t ForeColor() const override { return foreColor_; }
    void SetForeColor(std::uint32_t colore) override { foreColor_ = colore; }
    std::uint32_t BackColor() const override { return backColor_; }
    void SetBackColor(std::uint32_t colore) override;
    void PSet(float x, float y) override { PSet(x, y, foreColor_); }
    void PSet(float x, float y, std::uint32_t colore) override;
    void Line(float x1, float y1, float x2, float y2) override { Line(x1, y1, x2, y2, foreColor_); }
    void Line(float x1, float y1, float x2, float y2, std::uint32_t colore) override;
    void Box(float x1, float y1, float x2, float y2, std::uint32_t colore, bool pieno) override;

    // Background picture, scaled to the box; Cls keeps it.
    void SetPicture(const QPixmap& immagine);

    // What is drawn, without the background (for tests and snapshots).
    const QImage& disegno() const { return disegno_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void preparaDisegno();

    QImage disegno_;
    QPixmap sfondo_;
    int drawWidth_ = 1;
    std::uint32_t foreColor_ = 0;
    std::uint32_t backColor_ = 0xFFFFFF;
};
