#pragma once
// The chart control of the windows: a table of rows (categories, labelled on the axis) by
// columns (series), filled cell by cell through the current Row and Column or whole through
// setChartData, and drawn as the kind ChartType says. It starts empty, with one column.
// The 2D kinds, the pie and XY (columns pairing up as x and y) are drawn with Qt Charts; the
// 3D kinds by our oblique projection. Changing the kind keeps the data and the other way round.
//
// What it writes, it writes whole: the title is wrapped, the legend flows onto more lines, the
// scales have as many marks as show apart (numbers with the decimal comma, whatever the
// machine's locale), the rows' labels are wrapped, turned or thinned, a pie leaves room for
// its slices' labels. A text that cannot show whole is left out, never cut to "...".
#include "dati_grafico.h"

#include <QList>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QChartView;
class DisegnoQtCharts;
class LegendaGrafico;
class TelaProiezione;
class TitoloGrafico;

class Grafico : public QWidget {
    Q_OBJECT
public:
    explicit Grafico(QWidget* parent = nullptr);
    ~Grafico() override;

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
    // Name of the current column's series. When any column has one, a legend under the chart
    // names each series beside its colour; in a pie its entries carry the figures too.
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

    // The colour in which the chart draws column `colonna` (from 1), the same in every kind:
    // bars, lines, areas and slices. In XY a pair of columns (x, y) is one series, so both of
    // its columns answer the pair's colour. A key beside the chart takes its colour from here.
    QColor coloreSerie(int colonna) const;

    // Whether the current kind is drawn by our projection rather than by Qt Charts.
    bool disegnatoInProiezione() const { return TipoGrafico::Tridimensionale(dati_.tipo()); }
    // The chart as it stands, drawn at the given size.
    QImage immagine(const QSize& dimensione);

    // A text the chart shows, and whether all of it shows: not cut short to "...", and inside
    // the chart's rectangle.
    struct EtichettaMostrata {
        QString testo; // as shown, lines joined by "\n"
        QRect rettangolo; // in the chart's pixels
        bool intera;
    };
    // Every text the chart shows at its present size and kind: title, legend entries, marks of
    // the scales, rows' labels and slices' labels. Rows whose labels were thinned out are not
    // listed. The chart is built and laid out first, so this may be asked at any time; a
    // layout check looks for an entry whose `intera` is false.
    QList<EtichettaMostrata> etichetteMostrate();

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void cambiato();
    void disponi();
    // Whether the chart is still to be built (the flat kinds: fitted) at its present size.
    bool daCostruire() const;
    void ricostruisci();
    void aggiornaLegenda();

    DatiGrafico dati_;
    QString titolo_;
    TitoloGrafico* titoloVista_ = nullptr;
    LegendaGrafico* legenda_ = nullptr;
    QChartView* vista_ = nullptr;
    std::unique_ptr<DisegnoQtCharts> disegno_;
    TelaProiezione* tela3D_ = nullptr;
    // What the chart on screen was built from: a window that sets the same figures again
    // (a refresh after a trade that closed nothing) costs no rebuild.
    DatiGrafico costruito_;
    QString titoloCostruito_;
    QSize dimensioneCostruita_;
    bool costruitoUnaVolta_ = false;
    bool daRifare_ = true;
    bool inCoda_ = false;
};
