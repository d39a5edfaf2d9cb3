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
    const int altezza = applica ? std::min(altezzaRegola, sceltaTop - top) : grafico->height() * TwipsPerPixel;
    grafico->setGeometry(0, Pixel(top), Pixel(larghezza), Pixel(std::max(0, altezza)));
    scelta->setGeometry(0, Pixel(sceltaTop), Pixel(larghezza), Pixel(altezzaScelta));
}

} // namespace perOperazione
