#pragma once
// Profit or loss of the closed operations by weekday, Monday to Friday.
#include "finestra_statistica.h"

class QTableWidget;

class frmStGiorno : public FinestraStatistica {
    Q_OBJECT
public:
    explicit frmStGiorno(ContestoFinestre& contesto, QWidget* parent = nullptr);
    QSize sizeHint() const override;

public Q_SLOTS:
    void Main() override;

protected:
    void Form_Resize() override;

private:
    // The width in twips of the grid and the switch on the left: the designed one, or what
    // the totals and the options need. The chart moves right by as much.
    int Sinistra() const;

    QTableWidget* MSFlexGrid_StGiorno_;
    Grafico* msc_Giorno_;
};
