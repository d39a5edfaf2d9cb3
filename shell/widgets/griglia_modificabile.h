#pragma once
// The editable grids: Ins adds a row at the end and opens its first cell, Canc deletes the
// rows selected from the row headers, Tab walks every cell. Leaving a new row before typing
// anything in it drops it.
#include <QTableView>

class GrigliaModificabile : public QTableView {
    Q_OBJECT
public:
    explicit GrigliaModificabile(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* modello) override;

    // Writes the text of an open cell editor and closes it, as leaving the cell would.
    void confermaEditor();
    // Adds an empty row at the end and opens the editor on its first shown column.
    void aggiungiRiga();
    // Deletes the whole rows that are selected; false when none is.
    bool eliminaRigheSelezionate();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void currentChanged(const QModelIndex& corrente, const QModelIndex& precedente) override;

private:
    // The model is taking rows away: the current row moves because of it, not of the user.
    bool rimozione_ = false;
};
