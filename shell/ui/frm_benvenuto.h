#pragma once
// The welcome window: three picture areas (new portfolio, open a portfolio, open the last
// one) whose choice the main window acts on when it closes. Each area is chosen by a click,
// or by Tab and Enter or Space, and is named by its hint.
#include "finestra_principale.h"

#include <QDialog>

#include <array>

class AreaScelta;
class PictureBox;
class QCheckBox;
class QLabel;

class frmBenvenuto : public QDialog {
    Q_OBJECT
public:
    explicit frmBenvenuto(ContestoFinestre& contesto, QWidget* parent = nullptr);

    // The area under the mouse (0..2) gets the border and its hint; -1 is the background.
    void sopra(int area);
    // A click on area 0..2: the choice 1..3, then the window closes.
    void scegli(int area);
    // The hint of area 0..2; empty for the background.
    QString suggerimento(int area) const;

    // Every way out: the start-up sequence is over; a choice made is handed to the main window.
    void done(int risultato) override;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    ContestoFinestre& contesto_;
    QString apriUltimo_;   // read at load
    PictureBox* Picture1_;
    std::array<AreaScelta*, 3> aree_{};
    QLabel* Label2_;
    QLabel* Label1_;
    QCheckBox* Check1_;
    int scelta_ = 0;
};
