#pragma once
// The capital curve and the operations chart: one point per closed operation.
#include "finestra_statistica.h"

class PictureBox;
class QLineEdit;

class frmCapitale : public FinestraStatistica {
    Q_OBJECT
public:
    explicit frmCapitale(ContestoFinestre& contesto, QWidget* parent = nullptr);
    QSize sizeHint() const override;

public Q_SLOTS:
    void Main() override;

protected:
    void Form_Resize() override;

private:
    QLineEdit* Text1_;
    Grafico* msc_Capitale_;
};

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
