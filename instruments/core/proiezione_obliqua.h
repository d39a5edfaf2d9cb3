#pragma once
// The three-dimensional kinds of chart (bars, lines, areas), drawn with depth by an oblique
// projection: rows run along the width, values up, and each column (series) one step back.
#include "dati_grafico.h"
#include "disposizione_etichette.h"
#include "scala_valori.h"

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
};
