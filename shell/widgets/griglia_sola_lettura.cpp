#include "griglia_sola_lettura.h"

#include <QKeyEvent>
#include <QTableView>

namespace {

// Home and End of a row-wise grid: a row's first and last cell are the same row, so the
// keys go to the first and last row, keeping the column.
class TastiRighe : public QObject {
public:
    explicit TastiRighe(QTableView* griglia) : QObject(griglia), griglia_(griglia) { }

    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (oggetto != griglia_ || evento->type() != QEvent::KeyPress)
            return false;
        const auto* tasto = static_cast<const QKeyEvent*>(evento);
        const Qt::KeyboardModifiers altri
            = tasto->modifiers() & ~(Qt::ControlModifier | Qt::KeypadModifier | Qt::ShiftModifier);
        if ((tasto->key() != Qt::Key_Home && tasto->key() != Qt::Key_End) || altri != Qt::NoModifier)
            return false;
        vaiA(tasto->key() == Qt::Key_Home);
        return true;
    }

private:
    void vaiA(bool prima)
    {
        const QAbstractItemModel* m = griglia_->model();
        if (!m || m->rowCount() == 0 || m->columnCount() == 0)
            return;
        int riga = prima ? 0 : m->rowCount() - 1;
        const int passo = prima ? 1 : -1;
        while (riga >= 0 && riga < m->rowCount() && griglia_->isRowHidden(riga))
            riga += passo;
        int colonna = griglia_->currentIndex().isValid() ? griglia_->currentIndex().column() : 0;
        if (griglia_->isColumnHidden(colonna)) {
            colonna = 0;
            while (colonna < m->columnCount() && griglia_->isColumnHidden(colonna))
                ++colonna;
        }
        if (riga < 0 || riga >= m->rowCount() || colonna >= m->columnCount())
            return;
        const QModelIndex cella = m->index(riga, colonna);
        griglia_->setCurrentIndex(cella);
        griglia_->scrollTo(cella);
    }

    QTableView* griglia_;
};

} // namespace

void GrigliaSolaLettura(QTableView* griglia)
{
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia->setTabKeyNavigation(false);
    griglia->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia->setSelectionMode(QAbstractItemView::SingleSelection);
    griglia->installEventFilter(new TastiRighe(griglia));
}
