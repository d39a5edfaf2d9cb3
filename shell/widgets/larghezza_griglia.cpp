#include "larghezza_griglia.h"

#include "delegato_testo_libero.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace {

// The rows measured besides those in view: a grid of thousands of rows, refreshed after every
// trade, stays quick, and its figures are alike enough for these to tell the widest.
constexpr int RigheMisurate = 100;

// Whether the grid shows a vertical scroll bar: always, or because its rows outgrow its height.
bool BarraVerticale(const QTableView* griglia)
{
    switch (griglia->verticalScrollBarPolicy()) {
    case Qt::ScrollBarAlwaysOn:
        return true;
    case Qt::ScrollBarAlwaysOff:
        return false;
    default:
        break;
    }
    int altezza = griglia->height() - 2 * griglia->frameWidth();
    if (!griglia->horizontalHeader()->isHidden())
        altezza -= griglia->horizontalHeader()->sizeHint().height();
    return griglia->verticalHeader()->length() > altezza;
}

} // namespace

void ColonnaTestoLibero(QTableView* griglia, int colonna)
{
    griglia->setItemDelegateForColumn(colonna, new DelegatoTestoLibero(griglia));
}

void AdattaColonne(QTableView* griglia)
{
    const QAbstractItemModel* modello = griglia->model();
    if (!modello)
        return;
    QHeaderView* testata = griglia->horizontalHeader();
    testata->setResizeContentsPrecision(RigheMisurate);
    for (int c = 0; c < modello->columnCount(); ++c) {
        if (griglia->isColumnHidden(c))
            continue;
        if (qobject_cast<DelegatoTestoLibero*>(griglia->itemDelegateForColumn(c)))
            griglia->setColumnWidth(c, std::max(griglia->columnWidth(c), testata->sectionSizeHint(c)));
        else
            griglia->resizeColumnToContents(c);
    }
}

int LarghezzaPerColonne(const QTableView* griglia)
{
    const QHeaderView* testata = griglia->horizontalHeader();
    int ultima = -1;
    for (int v = testata->count() - 1; v >= 0 && ultima < 0; --v)
        if (!testata->isSectionHidden(testata->logicalIndex(v)))
            ultima = testata->logicalIndex(v);
    int larghezza = 0;
    for (int c = 0; c < testata->count(); ++c) {
        if (testata->isSectionHidden(c))
            continue;
        // A stretched last column is as wide as the room left: count what it needs instead.
        if (c == ultima && testata->stretchLastSection())
            larghezza += std::max(testata->sectionSizeHint(c),
                                  static_cast<const QAbstractItemView*>(griglia)->sizeHintForColumn(c));
        else
            larghezza += testata->sectionSize(c);
    }
    if (!griglia->verticalHeader()->isHidden())
        larghezza += griglia->verticalHeader()->sizeHint().width();
    if (BarraVerticale(griglia))
        larghezza += griglia->verticalScrollBar()->sizeHint().width();
    return larghezza + 2 * griglia->frameWidth();
}
