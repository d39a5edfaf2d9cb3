#pragma once
// Where the 3D kinds of the chart are drawn: the oblique projection of its table on white,
// projected once per change of data or size and then copied at every paint.
#include "dati_grafico.h"
#include "disposizione_etichette.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

class TelaProiezione : public QWidget {
public:
    TelaProiezione(const DatiGrafico& dati, QWidget* genitore);

    // The data changed: the next paint projects again.
    void invalida();
    // The labels of the projection at the present size, in the widget's pixels.
    const QList<TestoPosato>& etichette();

protected:
    // Other windows passing over the chart repaint it often: the drawing is kept.
    void paintEvent(QPaintEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void prepara();

    const DatiGrafico& dati_;
    QPixmap disegno_;
    QList<TestoPosato> etichette_;
};
