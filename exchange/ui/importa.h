#pragma once
// The import of Real Tick III trade files: drive, folder and files, a preview of the
// trades read, and the commit into the trade history with a question per doubtful row.
// Staged trades live in the window, never in a table of the portfolio, so the trade
// window's snapshot is valid whichever way the window is left.
#include "file_real_tick.h"
#include "finestra_principale.h"

#include <QDialog>

#include <vector>

class ModelloAnteprima;
class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;
class QTreeView;

class Importa : public QDialog {
    Q_OBJECT
public:
    explicit Importa(ContestoFinestre& contesto, QWidget* parent = nullptr);

    // The folder File1 lists.
    QString cartella() const { return cartella_; }
    // Rows staged by the last preview.
    const std::vector<RigaImportata>& righeInAnteprima() const;

public Q_SLOTS:
    void CaricaListaFile();
    void impostaCartella(const QString& percorso);
    // Annulla, Esc and the frame's close: during the commit they stop it.
    void reject() override;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void costruisci();
    // Keeps the chosen folder in view while the tree reads the folders around it.
    void seguiCartella();
    void cambioUnita(int indice);
    void cambioCartella();
    void cambioFormato(int indice);
    void aggiornaFile();
    void anteprima();
    void selezioneCambiata();
    void conferma();
    void AvanzaProgresso();

    int formato() const;
    QStringList fileSelezionati() const;
    std::vector<RigaImportata> leggiSelezionati();
    void ImportaFileRealTick(const QString& percorso, std::vector<RigaImportata>& righe);
    void ImportaFileXls(const QString& percorso);

    ContestoFinestre& contesto_;
    QString cartella_;
    QString modello_ = QStringLiteral("*.csv");
    int contatore_ = 0;
    // Until the user moves in the tree, each folder read above the chosen one may push it
    // out of view: the tree scrolls back to it.
    bool seguiCartella_ = false;
    bool importazioneInCorso_ = false;
    bool interrompi_ = false;

    QGroupBox* Frame1_;
    QComboBox* Drive1_;
    QTreeView* Dir1_;
    QFileSystemModel* cartelle_;
    QComboBox* Combo1_;
    QListWidget* File1_;
    QListWidget* List1_;
    QLabel* labFileSelezionati_;
    QGroupBox* Frame2_;
    QLabel* labNumeroEseguiti_;
    QTableView* DBGrid1_;
    ModelloAnteprima* anteprima_;
    QProgressBar* ProgressBar1_;
    QPushButton* cmdOk_;
    QPushButton* cmdAnnulla_;
};
