#pragma once
// The tips window: one trading rule drawn at random from the first 120 of the table.
#include "finestra_principale.h"

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;

class Tip : public QDialog {
    Q_OBJECT
public:
    explicit Tip(ContestoFinestre& contesto, QWidget* parent = nullptr);

public Q_SLOTS:
    // The load step: colours and a new random tip ("next tip" runs it again).
    void carica();
    // "Chiudi": an unticked box switches the tips off at start-up.
    void chiudi();

private:
    ContestoFinestre& contesto_;
    QPlainTextEdit* txt_Tip_;
    QCheckBox* chk_Tip_;
};
