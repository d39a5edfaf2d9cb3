#pragma once
// The open positions: grid, bar chart, portfolio value at carrying prices, liquidity of the
// account and its gauge. Reads only.
#include "finestra_dati.h"
#include "finestra_principale.h"

#include <QWidget>

#include <memory>

class Grafico;
class ModelloGriglia;
class PictureBox;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QTableView;
class Strum;

class frmPortafoglio : public QWidget, public FinestraDati {
    Q_OBJECT
public:
    explicit frmPortafoglio(ContestoFinestre& contesto, QWidget* parent = nullptr);
    ~frmPortafoglio() override;

    // Ids of the chart-type buttons of Option1.
    static constexpr int IdBarre = 0;
    static constexpr int IdBarre3D = 6;

    QSize sizeHint() const override;

public Q_SLOTS:
    void Main() override;
    void Colore() override;

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void RegolaDimensioni();
    // The panel as wide as the grid's columns need, at least its designed width.
    void DisponiPannello();

    ContestoFinestre& contesto_;
    ModelloGriglia* modello_;
    QGroupBox* frm_Portafoglio_;
    QTableView* DBGrid2_;
    QLabel* lab_ValorePortafoglio_;
    QLabel* lab_Liquidita_;
    Grafico* msc_Portafoglio_;
    QGroupBox* frm_Grafici_;
    QButtonGroup* Option1_;
    PictureBox* Picture1_;
    std::unique_ptr<Strum> strum_;
    int larghezzaPannello_;
};
