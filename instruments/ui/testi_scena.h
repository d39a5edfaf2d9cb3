#pragma once
// The texts Qt Charts placed in a chart's scene (marks of the scales, rows' labels, slices'
// labels) and whether each shows whole: not cut short to "..." and inside the chart.
#include <QList>
#include <QRectF>
#include <QSet>
#include <QString>

class QChart;

struct TestoScena {
    QString testo; // as shown, lines joined by "\n"
    QRectF rettangolo; // in the scene
    bool intero;
};

// The visible, non-empty texts of the chart's scene; `visibile` is the part of the scene the
// view shows. `dati` are the texts the chart was given to show: one of them ending in "..." is
// whole, any other is cut.
QList<TestoScena> TestiDellaScena(const QChart& grafico, const QRectF& visibile, const QSet<QString>& dati);

// A text as the scene shows it: line breaks as "\n", invisible blanks dropped.
QString TestoVisibile(const QString& testo);
