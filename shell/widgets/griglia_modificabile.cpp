#include "griglia_modificabile.h"

#include "delegato_testo.h"
#include "modello_tabella.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

GrigliaModificabile::GrigliaModificabile(QWidget* parent) : QTableView(parent)
{
    setItemDelegate(new DelegatoTesto(this));
    setTabKeyNavigation(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(20);
}

ModelloTabella* GrigliaModificabile::modelloTabella() const
{
    return qobject_cast<ModelloTabella*>(model());
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

void GrigliaModificabile::vaiARigaNuova()
{
    const ModelloTabella* m = modelloTabella();
    if (!m)
        return;
    int colonna = 0;
    while (colonna < m->columnCount() && isColumnHidden(colonna))
        ++colonna;
    setCurrentIndex(m->index(m->righeTabella(), colonna));
}

void GrigliaModificabile::aggiungiRiga()
{
    // An edit still open on the new-row line makes it a row; the line then moves below it.
    confermaEditor();
    vaiARigaNuova();
    edit(currentIndex());
}

bool GrigliaModificabile::eliminaRigheSelezionate()
{
    confermaEditor();
    ModelloTabella* m = modelloTabella();
    if (!m || !selectionModel())
        return false;
    QList<int> righe;
    for (const QModelIndex& i : selectionModel()->selectedRows())
        if (!m->rigaNuova(i.row()))
            righe << i.row();
    if (righe.isEmpty())
        return false;
    m->eliminaRighe(righe);
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

void GrigliaModificabile::mousePressEvent(QMouseEvent* evento)
{
    // The empty area below the rows belongs to the new-row line: what is typed next goes there.
    const QPoint punto = evento->position().toPoint();
    const int ultima = model() ? model()->rowCount() - 1 : -1;
    if (evento->button() == Qt::LeftButton && ultima >= 0 && !indexAt(punto).isValid()
        && punto.y() >= rowViewportPosition(ultima) + rowHeight(ultima)) {
        confermaEditor();
        vaiARigaNuova();
        return;
    }
    QTableView::mousePressEvent(evento);
}
