#pragma once
// Cell editor of the editable grids: a plain text box for every column. Decimal columns
// show and take the Italian comma and keep every decimal (a spin box would round them).
#include <QStyledItemDelegate>

class DelegatoTesto : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* genitore, const QStyleOptionViewItem& opzioni,
                          const QModelIndex& indice) const override;
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modello, const QModelIndex& indice) const override;

Q_SIGNALS:
    // A decimal cell was left with text that is not a number; nothing was written.
    void numeroNonValido(const QString& testo) const;

private:
    static bool Numerica(const QModelIndex& indice);
    static QString Testo(const QModelIndex& indice);
};
