#include "barra_stato.h"

#include "date.h"

#include <QDateTime>
#include <QLabel>
#include <QTimer>

BarraStato::BarraStato(QWidget* parent) : QStatusBar(parent), timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("StatusBar1"));
    static const int larghezze[4] = {160, 160, 60, 90};
    for (int i = 0; i < 4; ++i) {
        pannelli_[i] = new QLabel(this);
        pannelli_[i]->setObjectName(QStringLiteral("StatusBar1_pannello%1").arg(i + 1));
        pannelli_[i]->setMinimumWidth(larghezze[i]);
        pannelli_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pannelli_[i]->setAlignment(i < 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        addPermanentWidget(pannelli_[i], i < 2 ? 1 : 0);
    }
    aggiorna();
    // A second-by-second tick keeps the minute exact without drifting.
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &BarraStato::aggiorna);
    timer_->start();
}

QLabel* BarraStato::pannello(int indice) const
{
    return indice >= 0 && indice < 4 ? pannelli_[indice] : nullptr;
}

void BarraStato::aggiorna()
{
    const QDateTime adesso = QDateTime::currentDateTime();
    pannelli_[2]->setText(adesso.time().toString(QStringLiteral("HH:mm")));
    pannelli_[3]->setText(date::DataUtente(adesso.date()));
}
