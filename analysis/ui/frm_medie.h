#pragma once
// The averages window: averages and extremes of the closed operations with two gauges,
// computed once, when the window opens.
#include "finestra_principale.h"
#include "strum.h"

#include <QWidget>

class PictureBox;
class QGroupBox;
class QLabel;

class frmMedie : public QWidget {
    Q_OBJECT
public:
    explicit frmMedie(ContestoFinestre& contesto, QWidget* parent = nullptr);
    QSize sizeHint() const override;

public Q_SLOTS:
    void Colore();

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void CalcolaMedie();
    void Form_Resize();

    ContestoFinestre& contesto_;
    QGroupBox* FrameMedie_;
    QLabel* lab_CapitaleInvestito_;
    QLabel* lab_CapitaleMedio_;
    QLabel* lab_MaxGain_;
    QLabel* lab_MaxLose_;
    QLabel* lab_NumOperazioniGiorno_;
    QLabel* lab_TotGiorni_;
    QLabel* lab_GuadagnoMedio_;
    QLabel* lab_PerditaMedia_;
    QLabel* Lab_GMsuPM_;
    QLabel* lab_UtileMedioOperazione_;
    QLabel* lab_UtileMedioGiorno_;
    QLabel* lab_PercMediaGiorno_;
    QLabel* lab_WL_;
    QLabel* lab_FattoreCulo_;
    PictureBox* Picture_WL_;
    PictureBox* Picture_FC_;
    // Created on first use and kept for the life of the window.
    Strum strumWL_;
    Strum strumFC_;
    bool inRegola_ = false;
};
