#pragma once
// The error catalogue editor: codes and descriptions in a grid, the note of the current
// row in a box, and the restore of the factory catalogue. Every edit goes straight to
// Errori; an edit still open is written on every way out.
#include "finestra_principale.h"

#include <QDialog>

class GrigliaModificabile;
class ModelloTabella;
class QPlainTextEdit;
class QPushButton;

class frmPersonalizzaErrori : public QDialog {
    Q_OBJECT
public:
    explicit frmPersonalizzaErrori(ContestoFinestre& contesto, QWidget* parent = nullptr);

    void done(int risultato) override;

private:
    void Costruisci();
    void Ricarica();
    void SeguiRiga();
    void Ripristino();
    void ConfermaModifiche();
    void ScriviNota();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    ContestoFinestre& contesto_;
    ModelloTabella* modelloErrori_;
    GrigliaModificabile* DBGrid1_;
    QPlainTextEdit* Text1_;
    int rigaNota_ = -1; // the row whose note the box shows
    QPushButton* cmd_Ripristino_;
    QPushButton* Command2_;
    bool chiuso_ = false;
};
