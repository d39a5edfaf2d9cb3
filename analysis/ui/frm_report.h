#pragma once
// The overall report: totals, counts and shares of the closed operations, and three charts.
#include "finestra_statistica.h"

class frmReport : public FinestraStatistica {
    Q_OBJECT
public:
    explicit frmReport(ContestoFinestre& contesto, QWidget* parent = nullptr);
    QSize sizeHint() const override;

public Q_SLOTS:
    void Main() override;

protected:
    void Form_Resize() override;

private:
    QGroupBox* FrameBilancio_;
    QGroupBox* FrameOperazioni_;
    QGroupBox* FramePercentuali_;
    Grafico* msc_Bilancio_;
    Grafico* msc_Operazioni_;
    Grafico* msc_OperazioniPercentuali_;
    QLabel* lab_Gain_;
    QLabel* lab_Lose_;
    QLabel* lab_Commissioni_;
    QLabel* lab_CapitalGain_;
    QLabel* lab_TotaleGP_;
    QLabel* lab_OpGain_;
    QLabel* lab_OpLose_;
    QLabel* lab_OpPari_;
    QLabel* lab_NumOperazioni_;
    QLabel* lab_OpGainP_;
    QLabel* lab_OpLoseP_;
    QLabel* lab_OpPariP_;
    QLabel* lab_PercGain_;
    QLabel* lab_PercLose_;
    QLabel* lab_PercTotale_;
    QLabel* lab_PercMedia_;
};
