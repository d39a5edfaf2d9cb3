#pragma once
// The runs of winning and losing operations by their length (the draw-down in operations),
// with the frequency table of the lengths.
#include "finestra_statistica.h"

class QLineEdit;
class QTableWidget;

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
