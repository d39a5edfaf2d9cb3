#include "finestra_guida.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

FinestraGuida::FinestraGuida(const QString& percorso, QWidget* parent)
    : QDialog(parent), testo_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("Guida"));
    setWindowTitle(QStringLiteral("Guida di Brunivox"));
    setModal(false);
    testo_->setObjectName(QStringLiteral("txt_Guida"));
    testo_->setOpenExternalLinks(false);
    testo_->setSource(QUrl::fromLocalFile(percorso));

    auto* indice = new QPushButton(QStringLiteral("Indice"), this);
    indice->setObjectName(QStringLiteral("cmd_Indice"));
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("cmd_Chiudi"));
    connect(indice, &QPushButton::clicked, this, &FinestraGuida::mostraIndice);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::close);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(indice);
    pulsanti->addStretch();
    pulsanti->addWidget(chiudi);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(testo_);
    colonna->addLayout(pulsanti);
    resize(640, 560);
    mostraIndice();
}

void FinestraGuida::mostraIndice()
{
    testo_->scrollToAnchor(QStringLiteral("indice"));
}
