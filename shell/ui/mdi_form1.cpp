#include "mdi_form1.h"

#include "applica_colori.h"

#include <QMdiArea>

MDIForm1::MDIForm1(StatoApplicazione& stato, Messaggi& messaggi, DialogoFile& dialoghi, QWidget* parent)
    : QMainWindow(parent), contesto_{stato, messaggi, dialoghi, *this}, area_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Brunivox"));
    area_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(area_);
    resize(1024, 720);
    Colore();
}

void MDIForm1::ControlloMenu()
{
}

void MDIForm1::Colore()
{
    ApplicaColori(this, contesto_.stato.DbDataSet);
}
