#include "griglia_modificabile.h"

#include "delegato_testo.h"
#include "modello_tabella.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

GrigliaModificabile::GrigliaModificabile(QWidget* parent) : QTableView(parent)
{
    setItemDelegate(new DelegatoTesto(this));
    setTabKeyNavigation(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(20);
}

void GrigliaModificabile::confermaEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void GrigliaModificabile::aggiungiRiga()
{
    confermaEditor();
    QAbstractItemModel* m = model();
    if (!m)
        return;
    const int riga = m->rowCount();
    if (!m->insertRow(riga))
        return;
    int colonna = 0;
    while (colonna < m->columnCount() && isColumnHidden(colonna))
        ++colonna;
    const QModelIndex indice = m->index(riga, colonna);
    setCurrentIndex(indice);
    edit(indice);
}

bool GrigliaModificabile::eliminaRigheSelezionate()
{
    confermaEditor();
    if (!model() || !selectionModel())
        return false;
    QList<int> righe;
    for (const QModelIndex& i : selectionModel()->selectedRows())
        righe << i.row();
    if (righe.isEmpty())
        return false;
    // One row at a time, from the bottom, so the indexes still to do stay valid.
    std::sort(righe.begin(), righe.end(), std::greater<int>());
    for (int riga : righe)
        if (!model()->removeRow(riga))
            break;
    return true;
}

void GrigliaModificabile::keyPressEvent(QKeyEvent* evento)
{
    if (state() != QAbstractItemView::EditingState && evento->modifiers() == Qt::NoModifier) {
        if (evento->key() == Qt::Key_Insert) {
            aggiungiRiga();
            return;
        }
        if (evento->key() == Qt::Key_Delete && eliminaRigheSelezionate())
            return;
    }
    QTableView::keyPressEvent(evento);
}

void GrigliaModificabile::currentChanged(const QModelIndex& corrente, const QModelIndex& precedente)
{
    // The base class first writes an editor still open on the row being left.
    QTableView::currentChanged(corrente, precedente);
    if (!rimozione_ && precedente.isValid() && corrente.row() != precedente.row())
        if (auto* m = qobject_cast<ModelloTabella*>(model()))
            m->scartaRigaNuova(precedente.row());
}

void GrigliaModificabile::setModel(QAbstractItemModel* modello)
{
    // Connected before the base class, so the flag is up before the selection moves.
    if (modello) {
        connect(modello, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { rimozione_ = true; });
        connect(modello, &QAbstractItemModel::rowsRemoved, this, [this] { rimozione_ = false; });
        connect(modello, &QAbstractItemModel::modelAboutToBeReset, this, [this] { rimozione_ = true; });
        connect(modello, &QAbstractItemModel::modelReset, this, [this] { rimozione_ = false; });
    }
    QTableView::setModel(modello);
}
