#pragma once
// The view options: the main window's icon toolbar, its icon size and captions, the clock bar,
// and the two start-up windows, on or off.
#include "finestra_principale.h"
#include "impostazioni_vista.h"

#include <QDialog>

class QCheckBox;

class OpzioniVista : public QDialog {
    Q_OBJECT
public:
    explicit OpzioniVista(ContestoFinestre& contesto, QWidget* parent = nullptr);

    // The boxes as flags (0 or 1); ApriUltimo is not one of them.
    ImpostazioniVista valori() const;

public Q_SLOTS:
    // Puts the boxes onto the main window; writes nothing.
    void applica();
    // Applies, stores the six flags in one write, and closes.
    void conferma();

private:
    void regolaMenu(bool spuntata);
    void regolaIcone32(bool spuntata);

    ContestoFinestre& contesto_;
    QCheckBox* chk_Tip_;
    QCheckBox* chk_Benvenuto_;
    QCheckBox* chk_Clock_;
    QCheckBox* chk_Menu_;
    QCheckBox* chk_Icone32_;
    QCheckBox* chk_IconeName_;
};
