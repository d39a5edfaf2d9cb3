#pragma once
// The splash: the program's picture and version and, when a password is set, the password
// panel. It closes only when the right password has been typed, or at its first timer tick
// when there is none. Without a password, Esc and the frame's button close it as OK does;
// with one they end the program, so that nobody gets in without it.
#include "finestra_principale.h"

#include <QDialog>

class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class Presentazione : public QDialog {
    Q_OBJECT
public:
    explicit Presentazione(ContestoFinestre& contesto, QWidget* parent = nullptr);

    QTimer* timer() const { return Timer1_; }

public Q_SLOTS:
    // OK: closes without a password panel, or when the typed text is the password.
    void premiOk();
    // Every 2 s: the OK logic, then the start-up sound.
    void scatto();

    // Esc or the frame's button: without a password panel the splash closes as OK closes it;
    // with the panel the program ends without its main window.
    void reject() override;

protected:
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;

private:
    ContestoFinestre& contesto_;
    QString pwd_;   // the stored, scrambled text, read at load
    bool illeggibile_ = false;
    PictureBox* Picture1_;
    QLineEdit* txt_Pwd_;
    QTimer* Timer1_;
};
