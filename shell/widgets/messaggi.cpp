#include "messaggi_qt.h"

#include <QMessageBox>
#include <QPushButton>

Messaggi::Risposta MessaggiQt::mostra(const QString& testo, Icona icona, Pulsanti pulsanti, const QString& titolo)
{
    QMessageBox box(genitore_);
    box.setWindowTitle(titolo);
    box.setText(testo);
    switch (icona) {
    case Icona::Nessuna: box.setIcon(QMessageBox::NoIcon); break;
    case Icona::Esclamazione: box.setIcon(QMessageBox::Warning); break;
    case Icona::Domanda: box.setIcon(QMessageBox::Question); break;
    case Icona::Informazione: box.setIcon(QMessageBox::Information); break;
    case Icona::Critico: box.setIcon(QMessageBox::Critical); break;
    }
    if (pulsanti == Pulsanti::SiNo) {
        QPushButton* si = box.addButton(QStringLiteral("Sì"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
        box.setDefaultButton(si);
        box.exec();
        return box.clickedButton() == static_cast<QAbstractButton*>(si) ? Risposta::Si : Risposta::No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return Risposta::Ok;
}
