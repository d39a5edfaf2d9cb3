#pragma once
// What the two windows of the runs (frmRisk, frmMDD) build and lay out alike: the heading,
// the framed table and chart, the run chart and the frequency chart.
#include "finestra_statistica.h"
#include "sequenze.h"

#include <QString>

#include <vector>

class QGroupBox;
class QLineEdit;
class QTableWidget;

namespace sequenze {

constexpr int AltezzaTesto = 330;

QLineEdit* Intestazione(QWidget* genitore, const QString& testo);
// A frame with its title, holding `contenuto` (when given) edge to edge.
QGroupBox* Cornice(QWidget* genitore, const char* nome, const QString& titolo, QWidget* contenuto);
// The width in twips a frame needs to show its table's columns whole.
int LarghezzaCornice(const QGroupBox* cornice, const QTableWidget* tabella);
// The run chart: one row per completed run, back to 3D bars at every recomputation.
void MostraSerie(Grafico* grafico, const std::vector<Serie>& serie, bool lunghezze);
// The XY chart of a frequency table: the value across, its share up.
void MostraFrequenze(Grafico* grafico, const std::vector<Frequenza>& frequenze);
// The run chart's place by the designed sizing rule, kept inside the window.
void DisponiSerie(QWidget* testo, QWidget* grafico, int left, int soglia, int width, bool altezzaOk, int altezzaRegola,
                  int interna, int internaAltezza);

} // namespace sequenze
