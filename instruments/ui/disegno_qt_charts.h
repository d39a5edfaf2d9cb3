#pragma once
// The flat kinds, the pie and XY, built with Qt Charts into one chart, and their texts fitted
// to the chart's size: the scales get as many marks as show apart, the rows' labels are
// wrapped, turned or thinned (see DisponiEtichette), each pie leaves room for its slices'
// labels. What still cannot show whole is left out, never cut to "...".
#include "dati_grafico.h"
#include "testi_scena.h"

#include <QList>
#include <QSet>
#include <QSize>

class QAbstractAxis;
class QBarCategoryAxis;
class QChart;
class QPieSeries;
class QValueAxis;

class DisegnoQtCharts {
public:
    // `grafico` is owned by its view; `dati` by the chart control. Both outlive this.
    DisegnoQtCharts(QChart* grafico, const DatiGrafico& dati);

    // Builds the series and axes of the data; long lines are thinned to `pixel` columns.
    void costruisci(int pixel);
    // Lays the chart out at `dimensione` and fits its texts until each shows whole in it.
    void adattaTesti(QSize dimensione);
    // The texts of the chart as they show at the size last fitted.
    QList<TestoScena> testi() const;

private:
    QAbstractAxis* asseCategorie();
    QValueAxis* asseValori(double minimo, double massimo);
    bool adattaScale();
    bool adattaCategorie(double ingombroMassimo);
    bool adattaTorte(double riduzione);
    bool testiInteri() const;
    void lasciaFuoriTagliati();

    QChart* grafico_;
    const DatiGrafico& dati_;
    QSize dimensione_;
    QValueAxis* asseY_ = nullptr;
    QValueAxis* asseX_ = nullptr;
    QBarCategoryAxis* categorie_ = nullptr;
    QList<QPieSeries*> torte_;
    double minimoY_ = 0, massimoY_ = 0, minimoX_ = 0, massimoX_ = 0;
    QSet<QString> testiDati_; // texts given to Qt Charts, whole as they are
};
