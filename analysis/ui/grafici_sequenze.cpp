#include "grafici_sequenze.h"

#include "grafico.h"
#include "larghezza_griglia.h"
#include "tipo_grafico.h"

#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace statistiche;

namespace sequenze {

QLineEdit* Intestazione(QWidget* genitore, const QString& testo)
{
    auto* t = Crea<QLineEdit>(genitore, "Text1");
    t->setText(testo);
    t->setReadOnly(true);
    t->setFrame(false);
    t->setFocusPolicy(Qt::NoFocus);
    return t;
}

QGroupBox* Cornice(QWidget* genitore, const char* nome, const QString& titolo, QWidget* contenuto)
{
    auto* g = Crea<QGroupBox>(genitore, nome);
    g->setTitle(titolo);
    auto* v = new QVBoxLayout(g);
    v->setContentsMargins(3, 2, 3, 3);
    if (contenuto) {
        contenuto->setParent(g);
        v->addWidget(contenuto);
    }
    return g;
}

// The width in twips a frame needs to show its table's columns whole.
int LarghezzaCornice(const QGroupBox* cornice, const QTableWidget* tabella)
{
    const QMargins margini = cornice->layout()->contentsMargins();
    const int bordo = cornice->width() - cornice->contentsRect().width();
    return twips::DaPixel(LarghezzaPerColonne(tabella) + bordo + margini.left() + margini.right());
}

// The run chart: one row per completed run, back to 3D bars at every recomputation.
void MostraSerie(Grafico* grafico, const std::vector<Serie>& serie, bool lunghezze)
{
    std::vector<std::vector<std::optional<double>>> tabella;
    tabella.reserve(serie.size());
    for (const Serie& s : serie)
        tabella.push_back({lunghezze ? static_cast<double>(s.lunghezza) : s.somma});
    grafico->setColumnCount(1);
    grafico->setChartData(tabella);
    NumeraRighe(grafico);
    grafico->setChartType(TipoGrafico::Barre3D);
}

// The XY chart of a frequency table: the value across, its share up.
void MostraFrequenze(Grafico* grafico, const std::vector<Frequenza>& frequenze)
{
    std::vector<std::vector<std::optional<double>>> tabella;
    tabella.reserve(frequenze.size());
    for (const Frequenza& f : frequenze)
        tabella.push_back({f.valore, f.percentuale});
    grafico->setColumnCount(2);
    grafico->setChartData(tabella);
    NumeraRighe(grafico);
    grafico->setChartType(TipoGrafico::XY);
}

// The run chart's place by the designed sizing rule, kept inside the window.
void DisponiSerie(QWidget* testo, QWidget* grafico, int left, int soglia, int width, bool altezzaOk, int altezzaRegola,
                  int interna, int internaAltezza)
{
    int w = twips::DaPixel(grafico->width());
    if (width > soglia)
        w = width - left;
    w = std::min(w, interna - left);
    int h = twips::DaPixel(grafico->height());
    if (altezzaOk)
        h = altezzaRegola;
    h = std::min(h, internaAltezza - AltezzaTesto);
    testo->setGeometry(twips::Pixel(left), 0, twips::Pixel(w), twips::Pixel(AltezzaTesto));
    grafico->setGeometry(twips::Pixel(left), twips::Pixel(AltezzaTesto), twips::Pixel(std::max(0, w)),
                         twips::Pixel(std::max(0, h)));
}

} // namespace sequenze
