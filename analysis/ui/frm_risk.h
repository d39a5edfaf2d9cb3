#pragma once
// The runs of winning and losing operations by their per-cent result, with the frequency
// table of the results.
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
