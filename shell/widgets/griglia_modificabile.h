#pragma once
// The editable grids over a ModelloTabella. The last line, marked "*" in its row header, is
// the new-row line: typing in it adds a row. Ins goes to that line and opens its first
// cell, and so does a click in the empty area below the rows; Canc deletes the rows
// selected from the row headers; Tab walks every cell.
#include <QTableView>

class ModelloTabella;

class GrigliaModificabile : public QTableView {
    Q_OBJECT
public:
    explicit GrigliaModificabile(QWidget* parent = nullptr);

    // Writes the text of an open cell editor and closes it, as leaving the cell would.
    void confermaEditor();
    // Makes the new-row line current on its first shown column and opens the editor there.
    void aggiungiRiga();
    // Deletes the whole rows that are selected; false when none is.
    bool eliminaRigheSelezionate();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    ModelloTabella* modelloTabella() const;
    void vaiARigaNuova();
};
