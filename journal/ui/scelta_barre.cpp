#include "scelta_barre.h"

#include "grafico.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

#include <utility>

QButtonGroup* CreaSceltaBarre(QWidget* finestra, const char* nome, QWidget* riquadro, QBoxLayout* disposizione,
                              IdSceltaBarre id)
{
    auto* scelta = new QButtonGroup(finestra);
    scelta->setObjectName(QLatin1String(nome));
    const std::pair<int, const char*> bottoni[] = {{id.barre, "Barre"}, {id.barre3D, "Barre 3D"}};
    for (const auto& [numero, testo] : bottoni) {
        auto* b = new QRadioButton(QString::fromUtf8(testo), riquadro);
        b->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(nome)).arg(numero));
        scelta->addButton(b, numero);
        disposizione->addWidget(b);
    }
    scelta->button(id.barre)->setChecked(true);
    return scelta;
}

void CollegaSceltaBarre(QButtonGroup* scelta, IdSceltaBarre id, Grafico* grafico)
{
    grafico->setChartType(TipoGrafico::Barre);
    QObject::connect(scelta, &QButtonGroup::idClicked, grafico, [scelta, id, grafico] {
        if (scelta->button(id.barre)->isChecked())
            grafico->setChartType(TipoGrafico::Barre);
        else if (scelta->button(id.barre3D)->isChecked())
            grafico->setChartType(TipoGrafico::Barre3D);
    });
}
