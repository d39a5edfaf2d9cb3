#pragma once
// Error statistics: counts, shares and missed gains of the trading errors; every
// recomputation rewrites the catalogue's counters.
#include "finestra_statistica.h"

class ModelloGriglia;
class QTableView;

class frmErrori : public FinestraStatistica {
    Q_OBJECT
public:
    explicit frmErrori(ContestoFinestre& contesto, QWidget* parent = nullptr);
    QSize sizeHint() const override;

public Q_SLOTS:
    void Main() override;

protected:
    void Form_Resize() override;

private:
    // The width in twips of the labels and the grid: the designed one, or what the grid needs.
    int Sinistra() const;

    QGroupBox* Frame1_;
    QLabel* lab_TotaleErrori_;
    QLabel* lab_PercentualeErrori_;
    QLabel* lab_TotMancatiGuadagni_;
    QLabel* lab_PiuFrequente_;
    QLabel* lab_PiuPericoloso_;
    ModelloGriglia* dat_Errori_;
    QTableView* DBGrid1_;
    QLabel* Label6_;
    Grafico* msc_Errori_;
};
