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
    // The width in twips of the column left of the run chart: the designed one, or what the
    // table and the options need. The chart moves right by as much.
    int Sinistra() const;

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
    // As frmRisk's; and the height in twips of the frame of the options.
    int Sinistra() const;
    int AltezzaFrame1() const;

    QLineEdit* Text1_;
    Grafico* msc_SeqPosNeg_;
    QGroupBox* Frame1_;
    QGroupBox* Frame2_;
    QTableWidget* MSFlexGrid_MDD_;
    QGroupBox* Frame3_;
    Grafico* msc_FrequenzaMDD_;
};
