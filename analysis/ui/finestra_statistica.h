#pragma once
// The frame the statistics windows share: load sequence, colour scheme, sizes in twips and
// the chart-type switch. Each window adds its controls, its Main and its resize rule.
#include "controlli.h"
#include "finestra_dati.h"
#include "finestra_principale.h"
#include "twips.h"

#include <QWidget>

#include <initializer_list>
#include <vector>

class Grafico;
class QButtonGroup;
class QGroupBox;
class QLabel;

class FinestraStatistica : public QWidget, public FinestraDati {
    Q_OBJECT
public:
    // One option of the switch: its index (which fixes the chart kind) and its caption.
    struct Opzione {
        int indice;
        const char* testo;
    };

public Q_SLOTS:
    void Colore() override;

protected:
    FinestraStatistica(ContestoFinestre& contesto, const char* nome, const QString& titolo, QWidget* parent);

    // Builds the option array `Option1` in the frame `frm_Grafici`, selects `selezionata`
    // and gives its kind to the charts that follow the switch.
    // `colonne` 0 lays the options on one row, otherwise on that many columns.
    QGroupBox* CostruisciScelta(std::initializer_list<Opzione> opzioni, int selezionata, std::vector<Grafico*> seguono,
                                int colonne = 0);
    // The height in twips of the switch's frame: the designed one, or what its options need.
    int AltezzaScelta(int progetto) const;

    // The click on an option: its kind goes to every chart that follows; the data stay.
    void Option1_Click(int indice);

    // Load: colours, then the resize rule when the window asks for it, then Main.
    void Carica(bool ridimensionaPrima);

    // The window's layout on every size change.
    virtual void Form_Resize() = 0;

    // New figures that need more than the window's width widen it to its size hint, unless the
    // user minimised or maximised it; it never shrinks under the user.
    void CresciPerContenuto();

    // The outer size (the child window's frame included) and the inner height, in twips.
    int Width() const;
    int Height() const;
    int ScaleHeight() const;
    int ScaleWidth() const;

    // Places a control, in twips of the window's inner area.
    static void Metti(QWidget* controllo, int left, int top, int width, int height);

    // Shows a database failure; the window keeps what it showed.
    void MostraErrore(const QString& testo);

    void resizeEvent(QResizeEvent* evento) override;

    ContestoFinestre& contesto_;
    QButtonGroup* Option1_ = nullptr;
    QGroupBox* frm_Grafici_ = nullptr;

private:
    std::vector<Grafico*> seguono_;
    bool caricata_ = false;
};

namespace statistiche {

// A caption label, buddy of its field.
QLabel* Didascalia(QWidget* genitore, const char* nome, const QString& testo, QWidget* campo);
// A value label: shows a figure as plain text.
QLabel* Valore(QWidget* genitore, const char* nome);

// Numbers the chart's rows from 1 (operation or run number on the category axis): rows left
// without a label would all read alike.
void NumeraRighe(Grafico* grafico);

// Names the chart's columns from 1, in order: its legend then says which colour is which.
void NomiColonne(Grafico* grafico, std::initializer_list<const char*> nomi);

} // namespace statistiche
