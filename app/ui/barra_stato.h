#pragma once
// The main window's status bar: two empty panels, then the time and the date, which the
// bar keeps current by itself.
#include <QStatusBar>

class QLabel;
class QTimer;

class BarraStato : public QStatusBar {
    Q_OBJECT
public:
    explicit BarraStato(QWidget* parent = nullptr);

    QLabel* pannello(int indice) const;  // 0..3

public Q_SLOTS:
    void aggiorna();

private:
    QLabel* pannelli_[4];
    QTimer* timer_;
};
