#pragma once
// The about window: the program's picture, the legal notice, and the credits that scroll up
// through the credits area, fading in from the bottom edge and out at the top, on black.
#include "finestra_principale.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QTimer;

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(ContestoFinestre& contesto, QWidget* parent = nullptr);

    // Positions are in the window's unit, twips (15 to a pixel).
    static constexpr int AltezzaCrediti = 1935;   // Shape1
    static constexpr int AltezzaRiga = 300;       // one credit label
    static constexpr int N = 9;                   // index of the last credit line

    QLabel* credito(int i) const { return lblCredits_.at(i); }
    int cima(int i) const { return cime_.at(i); }
    void impostaCima(int i, int twip);
    QTimer* timer() const { return Timer1_; }

public Q_SLOTS:
    // One tick: every line wraps, fades and moves up by one twip.
    void scorri();

protected:
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    ContestoFinestre& contesto_;
    QFrame* Shape1_;
    std::array<QLabel*, N + 1> lblCredits_{};
    std::array<int, N + 1> cime_{};
    QTimer* Timer1_;
};
