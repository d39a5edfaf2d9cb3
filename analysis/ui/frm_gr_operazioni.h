#pragma once
// The operations chart: the result of each closed operation beside its money-management stop.
#include "finestra_statistica.h"

class PictureBox;
class QLineEdit;

class frmGrOperazioni : public FinestraStatistica {
    Q_OBJECT
public:
    explicit frmGrOperazioni(ContestoFinestre& contesto, QWidget* parent = nullptr);
    QSize sizeHint() const override;

public Q_SLOTS:
    void Main() override;

protected:
    void Form_Resize() override;

private:
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    PictureBox* Picture1_;
    PictureBox* Picture2_;
    Grafico* msc_GrOperazioni_;
};
