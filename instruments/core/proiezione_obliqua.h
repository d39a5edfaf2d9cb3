#pragma once
// The three-dimensional kinds of chart (bars, lines, areas), drawn with depth by an oblique
// projection: rows run along the width, values up, and each column (series) one step back.
#include "dati_grafico.h"
#include "disposizione_etichette.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

class ProiezioneObliqua {
public:
    // Draws the table of `dati` as its kind (a 2D kind is drawn as its 3D counterpart) and
    // answers the labels it drew. Labels are never cut: the scale has as many steps as the
    // height shows apart, and the rows' labels are wrapped, turned or thinned as they fit.
    static QList<TestoPosato> Disegna(QPainter& pittore, const QRectF& area, const DatiGrafico& dati);

    // Colour of the n-th series, from 1.
    static QColor ColoreSerie(int colonna);
    // Colour a chart of kind `tipo` draws column `colonna` (from 1) with, the same in every
    // kind: the column's series, or in XY the pair of columns (x, y) it belongs to.
    static QColor ColoreDiColonna(int tipo, int colonna);

    // Round steps for a value axis over [minimo, massimo]: first, last and step, about
    // `passi` steps at most (one more when the range straddles a step).
    struct Scala {
        double minimo;
        double massimo;
        double passo;
        // Decimals that every mark of the scale needs.
        int decimali() const;
    };
    static Scala ScalaValori(double minimo, double massimo, int passi = 5);
    // How many steps a scale may have on `lunghezza` pixels, its marks `passoMinimo` apart.
    static int PassiPerLunghezza(double lunghezza, double passoMinimo);
};
