#include "grafico_per_operazione.h"

#include <QLineEdit>

#include <algorithm>

using namespace statistiche;

namespace perOperazione {

QLineEdit* Intestazione(QWidget* genitore, const char* nome, const QString& testo)
{
    auto* t = Crea<QLineEdit>(genitore, nome);
    t->setText(testo);
    t->setReadOnly(true);
    t->setFrame(false);
    t->setFocusPolicy(Qt::NoFocus);
    return t;
}

void Disponi(QWidget* grafico, QWidget* scelta, int altezzaScelta, int top, int altezzaRegola, bool applica,
             int topScelta, int larghezza, int altezzaInterna)
{
    const int sceltaTop = std::min(topScelta, altezzaInterna - altezzaScelta);
    const int altezza = applica ? std::min(altezzaRegola, sceltaTop - top) : twips::DaPixel(grafico->height());
    grafico->setGeometry(0, twips::Pixel(top), twips::Pixel(larghezza), twips::Pixel(std::max(0, altezza)));
    scelta->setGeometry(0, twips::Pixel(sceltaTop), twips::Pixel(larghezza), twips::Pixel(altezzaScelta));
}

} // namespace perOperazione
