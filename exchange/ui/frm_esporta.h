#pragma once
// The export dialog: the ticked tables go to an Excel workbook, a copy of the portfolio
// database or a comma-separated text file, as the save dialog's file type says.
#include "esportazione.h"
#include "finestra_principale.h"

#include <QDialog>

class PictureBox;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

class frmEsporta : public QDialog {
    Q_OBJECT
public:
    explicit frmEsporta(ContestoFinestre& contesto, QWidget* parent = nullptr);

    // The save dialog's file types, in this order.
    static constexpr int TipoExcel = 1;
    static constexpr int TipoAccess = 2;
    static constexpr int TipoTesto = 3;

public Q_SLOTS:
    void Colore();

private:
    void costruisci();
    void controllaScelte();
    void avvia();
    void esporta(int tipo, const QString& percorso);
    void mostraConteggi(const ConteggiEsportazione& conteggi);
    void AvanzaProgresso();
    ProgressoEsportazione progresso();
    TabelleScelte scelte() const;

    ContestoFinestre& contesto_;
    int contatore_ = 0;

    PictureBox* Picture1_;
    QCheckBox* chkOperazioniChiuse_;
    QCheckBox* chkEseguiti_;
    QCheckBox* chkPortafoglio_;
    QLabel* labOperazionichiuse_;
    QLabel* labEseguiti_;
    QLabel* labPortafoglio_;
    QPushButton* cmdAvvia_;
    QPushButton* cmdChiudi_;
    QProgressBar* ProgressBar1_;
};
