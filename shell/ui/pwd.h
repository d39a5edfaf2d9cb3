#pragma once
// The password dialog: sets a first password, or changes or removes the one there is.
#include "finestra_principale.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QStatusBar;

class Pwd : public QDialog {
    Q_OBJECT
public:
    explicit Pwd(ContestoFinestre& contesto, QWidget* parent = nullptr);

    QStatusBar* barraStato() const { return StatusBar1_; }

public Q_SLOTS:
    void premiOk();

private:
    // Typing the current password opens the boxes of the new one.
    void cambioTesto1();
    // Scrambles and stores; false (the dialog stays) when the text cannot be a password or
    // the row cannot be written.
    bool salva(const QString& password);

    ContestoFinestre& contesto_;
    QString pwd_;   // the stored, scrambled text, read at load
    QLabel* lab_1_;
    QLabel* lab_2_;
    QLabel* lab_3_;
    QLineEdit* txt_1_;
    QLineEdit* txt_2_;
    QLineEdit* txt_3_;
    QStatusBar* StatusBar1_;
};
