#include "personalizza_toolbar.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PersonalizzaToolbar::PersonalizzaToolbar(const QList<QAction*>& pulsanti, QWidget* parent)
    : QDialog(parent), pulsanti_(pulsanti)
{
    setObjectName(QStringLiteral("PersonalizzaToolbar"));
    setWindowTitle(QStringLiteral("Personalizza barra degli strumenti"));
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(new QLabel(QStringLiteral("Pulsanti visibili nella barra degli strumenti:"), this));
    for (QAction* pulsante : pulsanti_) {
        // The tooltip names the button even while its caption is hidden.
        QString nome = pulsante->property("descrizione").toString();
        if (nome.isEmpty())
            nome = pulsante->data().toString();
        auto* casella = new QCheckBox(nome, this);
        casella->setObjectName(QStringLiteral("chk_") + pulsante->data().toString());
        casella->setIcon(pulsante->icon());
        casella->setChecked(pulsante->isVisible());
        colonna->addWidget(casella);
        caselle_ << casella;
    }
    auto* pulsantiDialogo = new QDialogButtonBox(this);
    pulsantiDialogo->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("cmd_Ok"));
    pulsantiDialogo->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmd_Annulla"));
    connect(pulsantiDialogo, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsantiDialogo, &QDialogButtonBox::rejected, this, &QDialog::reject);
    colonna->addWidget(pulsantiDialogo);
}

void PersonalizzaToolbar::accept()
{
    for (int i = 0; i < pulsanti_.size(); ++i)
        pulsanti_.at(i)->setVisible(caselle_.at(i)->isChecked());
    QDialog::accept();
}
