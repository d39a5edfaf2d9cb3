#pragma once
// The capital curve: the capital after each closed operation.
#include "finestra_statistica.h"

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
