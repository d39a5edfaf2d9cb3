#pragma once
// The trade calculator: buy price, quantity, sell price and system in; amounts, stop-loss
// prices, break-even, commissions and profit out, on segment read-outs. It stores nothing,
// is not refreshed and takes no colour scheme.
#include "calcolatore_dati.h"
#include "finestra_principale.h"
#include "mc_lcd.h"

#include <QWidget>

#include <array>

class PictureBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSqlQueryModel;

class Calcolatore : public QWidget {
    Q_OBJECT
public:
    explicit Calcolatore(ContestoFinestre& contesto, QWidget* parent = nullptr);

private:
    // The read-outs, in the order they are attached.
    enum Visore { PdP, SLMM, SLP, Commissioni, GP, PercentualeGP, NumeroVisori };

    void Costruisci();
    void Collega();
    PictureBox* creaVisore(QWidget* genitore, Visore l, const char* nome);

    void CambioAcquisto();  // buy price or quantity
    void CambioVendita();   // sell price or system
    void LatoAcquisto();
    void LatoVendita();
    calcolatore::Parametri leggiParametri();
    void mostra(Visore l, const QString& testo);
    void Esci();

    ContestoFinestre& contesto_;
    QSqlQueryModel* modelloSystem_;

    QLineEdit* txtAcqPzo_;
    QLineEdit* txtQta_;
    QLineEdit* txtVndPzo_;
    QComboBox* DBCombo_;
    QLabel* lab_AcqImp_;
    QLabel* lab_VndImp_;
    QPushButton* cmd_OK_;
    std::array<PictureBox*, NumeroVisori> box_{};
    std::array<mcLCD, NumeroVisori> lcd_;
    QString erroreMostrato_;  // the read failure last told, until a read succeeds
};
