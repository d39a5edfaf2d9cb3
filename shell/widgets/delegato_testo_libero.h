#pragma once
// Cells of the user's own free text (a security's name, a movement's description): a grid
// may cut them with "…" rather than grow without end, so a cut cell shows its whole text
// as a tooltip. In an editable grid the cell is edited as any other.
#include "delegato_testo.h"

class DelegatoTestoLibero : public DelegatoTesto {
    Q_OBJECT
public:
    using DelegatoTesto::DelegatoTesto;

    bool helpEvent(QHelpEvent* evento, QAbstractItemView* vista, const QStyleOptionViewItem& opzione,
                   const QModelIndex& indice) override;
};
