#pragma once
// The closed operations, one per sell, in the order of the sells. Reads only.
#include "finestra_dati.h"
#include "finestra_principale.h"
#include "impronta_righe.h"

#include <QWidget>

#include <optional>

class ModelloGriglia;
class QTableView;

class frmOperazioniChiuse : public QWidget, public FinestraDati {
    Q_OBJECT
public:
    explicit frmOperazioniChiuse(ContestoFinestre& contesto, QWidget* parent = nullptr);

    QSize sizeHint() const override;

public Q_SLOTS:
    void Main() override;
    void Colore() override;

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void RegolaDimensioni();
    // The outer width of the normal state.
    int larghezzaNormale() const;

    ContestoFinestre& contesto_;
    ModelloGriglia* modello_;
    QTableView* dbg_OperazioniChiuse_;
    bool inRegolazione_ = false;
    // The rows the grid shows, as loaded by the last Main.
    std::optional<ImprontaRighe> mostrate_;
};
