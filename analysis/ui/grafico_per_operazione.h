#pragma once
// What the two charts of one point per closed operation (frmCapitale, frmGrOperazioni) build
// and lay out alike: the heading, the chart between it and the chart-type switch.
#include "finestra_statistica.h"

#include <QString>

class QLineEdit;

namespace perOperazione {

constexpr int AltezzaTesto = 330; // twips of a heading text
constexpr int AltezzaSceltaProgetto = 400;

constexpr FinestraStatistica::Opzione Barre{0, "Barre"};

QLineEdit* Intestazione(QWidget* genitore, const char* nome, const QString& testo);
// The chart's height by the designed sizing rule, kept between the heading and the switch.
void Disponi(QWidget* grafico, QWidget* scelta, int altezzaScelta, int top, int altezzaRegola, bool applica,
             int topScelta, int larghezza, int altezzaInterna);

} // namespace perOperazione
