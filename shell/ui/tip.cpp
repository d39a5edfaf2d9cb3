#include "tip.h"

#include "applica_colori.h"
#include "immagini_avvio.h"
#include "settaggi_avvio.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>

Tip::Tip(ContestoFinestre& contesto, QWidget* parent) : QDialog(parent), contesto_(contesto)
{
    setObjectName(QStringLiteral("Tip"));
    setWindowTitle(QStringLiteral("Consigli"));

    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ImmagineProgramma(QSize(96, 96)));
    auto* Label1 = new QLabel(QStringLiteral("Regole auree dei grandi ...."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txt_Tip_ = new QPlainTextEdit(this);
    txt_Tip_->setObjectName(QStringLiteral("txt_Tip"));
    txt_Tip_->setReadOnly(true);
    txt_Tip_->setMinimumSize(360, 120);
    Label1->setBuddy(txt_Tip_);
    chk_Tip_ = new QCheckBox(QStringLiteral("Visualizza gli insegnamenti all'avvio"), this);
    chk_Tip_->setObjectName(QStringLiteral("chk_Tip"));
    chk_Tip_->setChecked(true);
    auto* Command1 = new QPushButton(QStringLiteral("next tip"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    auto* Command2 = new QPushButton(QStringLiteral("Chiudi"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setDefault(true);

    auto* griglia = new QGridLayout(this);
    griglia->addWidget(Image1, 0, 0, 2, 1, Qt::AlignTop);
    griglia->addWidget(Label1, 0, 1);
    griglia->addWidget(txt_Tip_, 1, 1);
    griglia->addWidget(chk_Tip_, 2, 1);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(Command1);
    pulsanti->addWidget(Command2);
    griglia->addLayout(pulsanti, 3, 0, 1, 2);

    connect(Command1, &QPushButton::clicked, this, &Tip::carica);
    connect(Command2, &QPushButton::clicked, this, &Tip::chiudi);
    carica();
}

void Tip::carica()
{
    ApplicaColori(this, contesto_.stato.DbDataSet);
    const Lettura<QString> consigli = LeggiConsigli(contesto_.stato.DbDataSet);
    if (!consigli.ok()) {
        txt_Tip_->clear();
        contesto_.messaggi.mostra(consigli.errore, Messaggi::Icona::Critico);
        return;
    }
    const int n = static_cast<int>(consigli.righe.size());
    const int indice = IndiceConsiglio(QRandomGenerator::global()->generateDouble(), n);
    txt_Tip_->setPlainText(indice < 0 ? QString() : consigli.righe.at(indice));
}

void Tip::chiudi()
{
    if (!chk_Tip_->isChecked()) {
        const Esito esito = SpegniConsigliAllAvvio(contesto_.stato.DbDataSet);
        if (!esito.ok())
            contesto_.messaggi.mostra(esito.messaggio, Messaggi::Icona::Critico);
    }
    contesto_.stato.PrimaAttivazione = false;
    accept();
}
