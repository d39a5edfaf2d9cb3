#pragma once
// The trade window: the grid of the history (through its snapshot) and the entry panel
// that enters, changes or deletes a trade.
#include "conferma_eseguito.h"
#include "finestra_dati.h"
#include "finestra_principale.h"
#include "frm_eseguiti_modello.h"
#include "motore.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class CampoData;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStringListModel;
class QTableView;

class frmEseguiti : public QWidget, public FinestraDati {
    Q_OBJECT
public:
    explicit frmEseguiti(ContestoFinestre& contesto, QWidget* parent = nullptr);

    // 0-based row of the grid shown after each refresh; a negative one counts as 0,
    // one past the last row shows the last row.
    double RigaCorrente = 0;

    // Ids of the mode buttons of Option1 (there is no 2).
    static constexpr int IdNuovo = 0;
    static constexpr int IdModifica = 1;
    static constexpr int IdElimina = 3;

public Q_SLOTS:
    void Main() override;
    void Colore() override;

    // The design size: the controls are placed by hand, so there is no layout to ask.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void CostruisciGriglia();
    void CostruisciPannello();
    void Collega();

    void RegolaDimensioni();
    int larghezzaVoluta() const;
    void CambioRiga();
    void RegolaModo();
    void AggiornaTipo();
    void RegolaErrore();
    void ControlloConferma();
    void SpiegaSistemiMancanti();
    void AbilitaCampi(bool abilita);
    void RiempiDaRiga();
    void MostraCombo(bool combo);
    // The code and name combos hold only the grid row's own security.
    void CombiDellaRiga();
    void ImportoDaPrezzo();
    void ImportoDaQuantita();
    void SceltaCodice();
    void SceltaTitolo();
    void ProponiQuantita();
    void Conferma();

    eseguiti::Modo modo() const;
    int rigaGriglia() const;
    // The current row's cell, as the grid shows it; column by ColEseguiti.
    QString testoCella(int colonna) const;
    QString primoCodice(const QStringListModel* modello) const;
    // Makes the snapshot equal to Eseguiti and the grid equal to the snapshot, by the
    // cheapest way that is still exact.
    struct Aggiornamento {
        bool letta = true; // false: the grid could not be read
        bool ricaricata = false; // every row was read again
        std::optional<int> rigaScritta; // the one row the grid took in, when that was all
    };
    Aggiornamento AggiornaGriglia();
    // Columns as wide as their caption and cells: measured over the rows after a reload,
    // widened for one new row otherwise, since measuring means reading up to a thousand rows.
    void RegolaColonne(const Aggiornamento& aggiornamento);
    QString codice() const;
    QString titolo() const;
    // The panel's texts as they stand.
    eseguiti::DatiPannello pannello() const;
    QString importo() const;

    ContestoFinestre& contesto_;

    ModelloEseguiti* modelloEseguiti_;
    QStringListModel* modelloSystem_;
    QStringListModel* modelloErrori_;
    // When the snapshot, and the grid with it, were last equal to Eseguiti.
    std::optional<Impronta> fotografia_;
    // A confirmed change for the next refresh to show, and the replay its check made.
    std::optional<ModelloEseguiti::Variazione> variazione_;
    std::shared_ptr<const RicalcoloPronto> pronto_;

    QTableView* dbg_Eseguiti_;
    QGroupBox* Frame1_;
    CampoData* dtp_Data_;
    QComboBox* cmb_Tipo_;
    QComboBox* dbc_System_;
    QLineEdit* txt_Codice_;
    QLineEdit* txt_Titolo_;
    QComboBox* cmb_Codice_;
    QComboBox* cmb_Titolo_;
    QLineEdit* txtQta_;
    QLineEdit* txtPrezzo_;
    QLabel* lab_Importo_;
    QButtonGroup* Option1_;
    QLabel* lab_RowSelect_;
    QLabel* lab_TotaleEseguiti_;
    QComboBox* dbc_Errore_;
    QLineEdit* txtPzoOttimale_;
    QLabel* lab_PzoOttimale_;
    QPushButton* cmd_Ok_;
};
