#pragma once
// The chart control of the windows: a table of rows (categories, labelled on the axis) by
// columns (series), filled cell by cell through the current Row and Column or whole through
// setChartData, and drawn as the kind ChartType says. It starts empty, with one column.
// The 2D kinds, the pie and XY (columns pairing up as x and y) are drawn with Qt Charts; the
// 3D kinds by our oblique projection. Changing the kind keeps the data and the other way round.
#include "dati_grafico.h"

#include <QWidget>

#include <optional>
#include <vector>

class QAbstractAxis;
class QChart;
class QChartView;
class QStackedLayout;

class Grafico : public QWidget {
    Q_OBJECT
public:
    explicit Grafico(QWidget* parent = nullptr);

    // 1 2D bar, 0 3D bar, 14 pie, 5 area, 4 3D area, 3 line, 2 3D line, 16 XY; any other
    // number is ignored.
    int ChartType() const { return dati_.tipo(); }
    void setChartType(int tipo);

    int RowCount() const { return dati_.righe(); }
    void setRowCount(int n);
    int ColumnCount() const { return dati_.colonne(); }
    void setColumnCount(int n);

    // The current cell, from 1; kept within the table.
    int Row() const { return dati_.riga(); }
    void setRow(int r);
    int Column() const { return dati_.colonna(); }
    void setColumn(int c);

    // The value of the current cell: Italian text ("-20", "1,5E-07"); empty when it has none.
    // Text that is not a number leaves the cell without value.
    QString Data() const { return dati_.testoDato(); }
    void setData(const QString& testo);
    void setData(double valore);

    // Label of the current row, shown on the category axis.
    QString RowLabel() const { return dati_.etichettaRiga(); }
    void setRowLabel(const QString& testo);
    // Name of the current column's series, shown in the legend when any column has one.
    QString ColumnLabel() const { return dati_.etichettaColonna(); }
    void setColumnLabel(const QString& testo);

    // One row whose columns are the values, or a whole table of rows by columns (an empty
    // optional is a cell with no value). Labels are cleared; the current cell is the first.
    void setChartData(const std::vector<double>& riga);
    void setChartData(const std::vector<std::vector<std::optional<double>>>& tabella);

    // A short text over the chart; none by default.
    QString titolo() const { return titolo_; }
    void setTitolo(const QString& testo);

    std::optional<double> valore(int riga, int colonna) const { return dati_.valore(riga, colonna); }
    QString etichetta(int riga) const { return dati_.etichetta(riga); }
    const DatiGrafico& dati() const { return dati_; }

    // Whether the current kind is drawn by our projection rather than by Qt Charts.
    bool disegnatoInProiezione() const { return TipoGrafico::Tridimensionale(dati_.tipo()); }
    // The chart as it stands, drawn at the given size.
    QImage immagine(const QSize& dimensione);

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void cambiato();
    void ricostruisci();
    void costruisciGrafico2D();
    QAbstractAxis* asseCategorie();

    DatiGrafico dati_;
    QString titolo_;
    QStackedLayout* pagine_ = nullptr;
    QChartView* vista_ = nullptr;
    QChart* grafico_ = nullptr;
    QWidget* tela3D_ = nullptr;
    // What the chart on screen was built from: a window that sets the same figures again
    // (a refresh after a trade that closed nothing) costs no rebuild.
    DatiGrafico costruito_;
    QString titoloCostruito_;
    int larghezzaCostruita_ = -1;
    bool costruitoUnaVolta_ = false;
    bool daRifare_ = true;
    bool inCoda_ = false;
};
