#pragma once
// The two windows of the runs of winning and losing operations: the per-cent result of
// each run (frmRisk) and the length of each run (frmMDD), with their frequency tables.
#include "finestra_statistica.h"

class QLineEdit;
class QTableWidget;

class frmRisk : public FinestraStatistica {
    Q_OBJECT
public:
    explicit frmRisk(ContestoFinestre& contesto, QWidget* parent = nullptr);
    QSize sizeHint() const override;

public Q_SLOTS:
    void Main() override;

protected:
    void Form_Resize() override;

private:
    QLineEdit* Text1_;
    Grafico* msc_MDD_;
    QLabel* lab_TotMDD_;
    QGroupBox* Frame1_;
    QTableWidget* MSFlexGrid_FP_;
    QGroupBox* Frame2_;
    Grafico* msc_FrequenzaPerc_;
};

class frmMDD : public FinestraStatistica {
    Q_OBJECT
public:
    explicit frmMDD(ContestoFinestre& contesto, QWidget* parent = nullptr);
    QSize sizeHint() const override;

public Q_SLOTS:
    void Main() override;

protected:
    void Form_Resize() override;

private:
    QLineEdit* Text1_;
    Grafico* msc_SeqPosNeg_;
    QGroupBox* Frame1_;
    QGroupBox* Frame2_;
    QTableWidget* MSFlexGrid_MDD_;
    QGroupBox* Frame3_;
    Grafico* msc_FrequenzaMDD_;
};
