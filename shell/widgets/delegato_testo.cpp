#include "delegato_testo.h"

#include "modello_tabella.h"
#include "numeri.h"
#include "numero_scritto.h"

#include <QLineEdit>

namespace {
// The text the editor started with: leaving it unchanged writes nothing.
constexpr char TestoIniziale[] = "testoIniziale";
} // namespace

bool DelegatoTesto::Numerica(const QModelIndex& indice)
{
    if (const auto* modello = qobject_cast<const ModelloTabella*>(indice.model()))
        return modello->colonnaNumerica(indice.column());
    return indice.data(Qt::EditRole).metaType().id() == QMetaType::Double;
}

QString DelegatoTesto::Testo(const QModelIndex& indice)
{
    const QVariant valore = indice.data(Qt::EditRole);
    if (valore.isNull())
        return QString();
    if (Numerica(indice)) {
        bool ok = false;
        const double numero = valore.toDouble(&ok);
        if (ok)
            return numeri::TestoNumero(numero);
    }
    return valore.toString();
}

QWidget* DelegatoTesto::createEditor(QWidget* genitore, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QLineEdit(genitore);
    editor->setFrame(false);
    return editor;
}

void DelegatoTesto::setEditorData(QWidget* editor, const QModelIndex& indice) const
{
    auto* casella = static_cast<QLineEdit*>(editor);
    const QString testo = Testo(indice);
    casella->setText(testo);
    casella->setProperty(TestoIniziale, testo);
}

void DelegatoTesto::setModelData(QWidget* editor, QAbstractItemModel* modello, const QModelIndex& indice) const
{
    const auto* casella = static_cast<QLineEdit*>(editor);
    const QString testo = casella->text();
    if (testo == casella->property(TestoIniziale).toString())
        return;
    if (!Numerica(indice)) {
        modello->setData(indice, testo, Qt::EditRole);
        return;
    }
    if (testo.trimmed().isEmpty()) {
        modello->setData(indice, QVariant(QMetaType(QMetaType::Double)), Qt::EditRole);
        return;
    }
    if (const auto numero = numeri::LeggiNumeroMostrato(testo)) {
        modello->setData(indice, *numero, Qt::EditRole);
        return;
    }
    Q_EMIT numeroNonValido(testo);
}
