#pragma once
// A choice drawn on a picture: a transparent area over it that takes the keyboard focus
// (a ring inside its edge shows it), answers Enter and Space as a click, and is a button
// to screen readers, named by its accessible name.
#include <QLabel>

class AreaScelta : public QLabel {
    Q_OBJECT
public:
    explicit AreaScelta(QWidget* parent = nullptr);

    // What a click, Enter, Space and a screen reader's press all do.
    void premi() { Q_EMIT scelta(); }

Q_SIGNALS:
    void scelta();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
};
