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
    QTableWidget* MSFlexGrid_StGiorno_;
    Grafico* msc_Giorno_;
};
