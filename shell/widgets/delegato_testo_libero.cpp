#include "delegato_testo_libero.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

bool DelegatoTestoLibero::helpEvent(QHelpEvent* evento, QAbstractItemView* vista, const QStyleOptionViewItem& opzione,
                                    const QModelIndex& indice)
{
    if (evento->type() != QEvent::ToolTip || !indice.isValid())
        return DelegatoTesto::helpEvent(evento, vista, opzione, indice);
    // The tooltip only where the cell is too narrow for its text on one line.
    QStyleOptionViewItem riga = opzione;
    riga.features &= ~QStyleOptionViewItem::WrapText;
    riga.rect = QRect();
    if (sizeHint(riga, indice).width() <= opzione.rect.width()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(evento->globalPos(), indice.data(Qt::DisplayRole).toString(), vista, opzione.rect);
    return true;
}
