#pragma once
// The initial-parameters dialog: the four trading settings and the grid of trading systems.
// The settings are written on every way out (Esci, Esc, the frame's close button), then the
// main window refreshes everything, since capital and commissions change every figure.
#include "finestra_principale.h"
#include "parametri_iniziali.h"

#include <QDialog>

class GrigliaModificabile;
class ModelloTabella;
class QLineEdit;
class QPushButton;

class frmParametriIniziali : public QDialog {
    Q_OBJECT
public:
    explicit frmParametriIniziali(ContestoFinestre& contesto, QWidget* parent = nullptr);

    void done(int risultato) override;

private:
    struct Casella {
        QLineEdit* casella;
        QString didascalia;
        std::optional<double> letto; // value shown at load
        QString mostrato; // its text
    };

    void Costruisci();
    void Carica();
    // The value to write for a box; none keeps the old one. Bad boxes are added to `rifiutate`.
    std::optional<double> Valore(const Casella& c, QStringList& rifiutate) const;

    ContestoFinestre& contesto_;
    ModelloTabella* modelloSystem_;
    GrigliaModificabile* DBGrid1_;
    Casella capitale_{};
    Casella capitalGain_{};
    Casella slmm_{};
    Casella slp_{};
    QPushButton* Command2_;
    bool chiuso_ = false;
};
