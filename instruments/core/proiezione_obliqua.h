#pragma once
// The three-dimensional kinds of chart (bars, lines, areas), drawn with depth by an oblique
// projection: rows run along the width, values up, and each column (series) one step back.
#include "dati_grafico.h"

#include <QColor>
#include <QRectF>

class QPainter;

class ProiezioneObliqua {
public:
    // Draws the table of `dati` as its kind (a 2D kind is drawn as its 3D counterpart).
    static void Disegna(QPainter& pittore, const QRectF& area, const DatiGrafico& dati);

    // Colour of the series of a column, from 1; the same in every kind of chart.
    static QColor ColoreSerie(int colonna);

    // Round steps for a value axis over [minimo, massimo]: first, last and step.
    struct Scala {
        double minimo;
        double massimo;
        double passo;
    };
    static Scala ScalaValori(double minimo, double massimo);
};
