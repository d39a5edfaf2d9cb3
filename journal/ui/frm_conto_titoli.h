#pragma once
// The securities cash account of the open portfolio: the movements in a grid, an entry panel
// that adds, changes or deletes one, the balance and a five-bar chart.
#include "finestra_dati.h"
#include "finestra_principale.h"

#include <QWidget>

class Grafico;
class ModelloGriglia;
class QButtonGroup;
class QComboBox;
class CampoData;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

class frmContoTitoli : public QWidget, public FinestraDati {
    Q_OBJECT
public:
    explicit frmContoTitoli(ContestoFinestre& contesto, QWidget* parent = nullptr);

    // 0-based row of the grid that is current; kept across refreshes, held within the rows.
    int RigaCorrente = 0;

    // Ids of the mode buttons of Option1 (there is no 2) and of the chart buttons of Option2.
    static constexpr int IdNuovo = 0;
    static constexpr int IdModifica = 1;
    static constexpr int IdElimina = 3;
    static constexpr int IdBarre = 0;
    static constexpr int IdBarre3D = 2;

    QSize sizeHint() const override;

public Q_SLOTS:
    void Main() override;
    // The window's load applies the scheme; the refresh never calls this.
    void Colore() override;

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Costruisci();
    void RicalcolaSaldo();
    void RegolaModo();
    void ControlloImporto();
    void RiempiDaRiga();
    void Conferma();
    void RegolaDimensioni();
    void Esci();

    void ricaricaGriglia();
    int modo() const;
    int rigaGriglia() const;
    void vaiARiga(int riga);
    void coloreDescrizione(QPalette::ColorRole ruolo);

    ContestoFinestre& contesto_;
    ModelloGriglia* modello_;
    QTableView* DBGrid1_;
    QButtonGroup* Option1_;
    CampoData* dtp_Data_;
    QComboBox* cmb_Tipo_;
    QLineEdit* txtImporto_;
    QLineEdit* txt_Descrizione_;
    QPushButton* cmd_Ok_;
    QPushButton* Command1_;
    QLabel* lab_Saldo_;
    Grafico* msc_ContoTitoli_;
    QGroupBox* frm_Grafici_;
    QButtonGroup* Option2_;
};
