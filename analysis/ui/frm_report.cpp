#include "frm_report.h"

#include "figure_statistiche.h"
#include "grafico.h"
#include "numeri.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <cmath>

using namespace statistiche;
using numeri::TestoNumero;

namespace {

constexpr int AltezzaCornici = 1800; // twips above the charts
constexpr int AltezzaSceltaProgetto = 400;

QGroupBox* Cornice(QWidget* genitore, const char* nome, const char* titolo)
{
    auto* g = Crea<QGroupBox>(genitore, nome);
    g->setTitle(QString::fromUtf8(titolo));
    auto* griglia = new QGridLayout(g);
    griglia->setContentsMargins(4, 2, 4, 2);
    griglia->setVerticalSpacing(1);
    griglia->setHorizontalSpacing(4);
    return g;
}

void Riga(QGroupBox* cornice, int riga, const char* nomeDidascalia, const char* testo, QLabel* valore,
          QLabel* percento = nullptr)
{
    auto* g = static_cast<QGridLayout*>(cornice->layout());
    g->addWidget(Didascalia(cornice, nomeDidascalia, QString::fromUtf8(testo), valore), riga, 0);
    g->addWidget(valore, riga, 1);
    if (percento)
        g->addWidget(percento, riga, 2);
}

} // namespace

frmReport::frmReport(ContestoFinestre& contesto, QWidget* parent)
    : FinestraStatistica(contesto, "frmReport", QStringLiteral("Report"), parent)
{
    FrameBilancio_ = Cornice(this, "FrameBilancio", "Bilancio");
    lab_Gain_ = Valore(FrameBilancio_, "lab_Gain");
    lab_Lose_ = Valore(FrameBilancio_, "lab_Lose");
    lab_Commissioni_ = Valore(FrameBilancio_, "lab_Commissioni");
    lab_CapitalGain_ = Valore(FrameBilancio_, "lab_CapitalGain");
    lab_TotaleGP_ = Valore(FrameBilancio_, "lab_TotaleGP");
    Riga(FrameBilancio_, 0, "Label1", "Gain", lab_Gain_);
    Riga(FrameBilancio_, 1, "Label2", "Perdite", lab_Lose_);
    Riga(FrameBilancio_, 2, "Label3", "Commissioni", lab_Commissioni_);
    Riga(FrameBilancio_, 3, "Label4", "Capital Gain", lab_CapitalGain_);
    Riga(FrameBilancio_, 4, "Label5", "Totale", lab_TotaleGP_);

    FrameOperazioni_ = Cornice(this, "FrameOperazioni", "Operazioni");
    lab_OpGain_ = Valore(FrameOperazioni_, "lab_OpGain");
    lab_OpLose_ = Valore(FrameOperazioni_, "lab_OpLose");
    lab_OpPari_ = Valore(FrameOperazioni_, "lab_OpPari");
    lab_NumOperazioni_ = Valore(FrameOperazioni_, "lab_NumOperazioni");
    lab_OpGainP_ = Valore(FrameOperazioni_, "lab_OpGainP");
    lab_OpLoseP_ = Valore(FrameOperazioni_, "lab_OpLoseP");
    lab_OpPariP_ = Valore(FrameOperazioni_, "lab_OpPariP");
    for (QLabel* l :
         {lab_OpGain_, lab_OpLose_, lab_OpPari_, lab_NumOperazioni_, lab_OpGainP_, lab_OpLoseP_, lab_OpPariP_})
        l->setMinimumWidth(44);
    Riga(FrameOperazioni_, 0, "Label6", "Gain", lab_OpGain_, lab_OpGainP_);
    Riga(FrameOperazioni_, 1, "Label7", "Perdita", lab_OpLose_, lab_OpLoseP_);
    Riga(FrameOperazioni_, 2, "Label8", "Pari", lab_OpPari_, lab_OpPariP_);
    Riga(FrameOperazioni_, 3, "Label9", "Totale", lab_NumOperazioni_);

    FramePercentuali_ = Cornice(this, "FramePercentuali", "Percentuali");
    lab_PercGain_ = Valore(FramePercentuali_, "lab_PercGain");
    lab_PercLose_ = Valore(FramePercentuali_, "lab_PercLose");
    lab_PercTotale_ = Valore(FramePercentuali_, "lab_PercTotale");
    lab_PercMedia_ = Valore(FramePercentuali_, "lab_PercMedia");
    for (QLabel* l : {lab_PercGain_, lab_PercLose_, lab_PercTotale_, lab_PercMedia_})
        l->setMinimumWidth(50);
    Riga(FramePercentuali_, 0, "Label10", "%Gain", lab_PercGain_);
    Riga(FramePercentuali_, 1, "Label11", "%Perdita", lab_PercLose_);
    Riga(FramePercentuali_, 2, "Label12", "%Totale", lab_PercTotale_);
    Riga(FramePercentuali_, 3, "Label13", "% Media per operazione", lab_PercMedia_);

    msc_Bilancio_ = Crea<Grafico>(this, "msc_Bilancio");
    msc_Operazioni_ = Crea<Grafico>(this, "msc_Operazioni");
    msc_OperazioniPercentuali_ = Crea<Grafico>(this, "msc_OperazioniPercentuali");
    msc_Bilancio_->setTitolo(QStringLiteral("bilancio"));
    msc_Operazioni_->setTitolo(QStringLiteral("Operazioni"));
    msc_OperazioniPercentuali_->setTitolo(QStringLiteral("Operazioni"));

    CostruisciScelta({{0, "Barre"}, {1, "Torta"}, {6, "Barre 3D"}}, 1,
                     {msc_Bilancio_, msc_Operazioni_, msc_OperazioniPercentuali_});
    resize(sizeHint());
    Carica(false);
}

QSize frmReport::sizeHint() const
{
    // The three frames share the width: each gets a third, and the last 100 twips less.
    int cornice = 0;
    for (const QGroupBox* g : {FrameBilancio_, FrameOperazioni_, FramePercentuali_})
        cornice = std::max(cornice, twips::DaPixel(g->sizeHint().width()));
    return {std::max(twips::Pixel(10500), twips::Pixel(3 * (cornice + 100))), twips::Pixel(7500)};
}

void frmReport::Main()
{
    const StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    const auto calcolo = FigureReportDa(stato.DbDataSet, stato.DbPortafoglio);
    if (!calcolo.ok()) {
        MostraErrore(calcolo.errore);
        return;
    }
    // Without closed operations the window stays as it is.
    if (!calcolo.figure)
        return;
    const FigureReport& f = *calcolo.figure;
    const QString percento = QStringLiteral("%");

    lab_Gain_->setText(TestoNumero(f.sumGain));
    lab_Lose_->setText(TestoNumero(f.sumLoss));
    lab_Commissioni_->setText(TestoNumero(f.sumComm));
    lab_CapitalGain_->setText(TestoNumero(f.tassa));
    lab_TotaleGP_->setText(TestoNumero(f.totaleGP));
    lab_OpGain_->setText(TestoNumero(double(f.nWin)));
    lab_OpLose_->setText(TestoNumero(double(f.nLose)));
    lab_OpPari_->setText(TestoNumero(double(f.nEven)));
    lab_NumOperazioni_->setText(TestoNumero(double(f.N)));
    lab_OpGainP_->setText(TestoNumero(f.opGainP) + percento);
    lab_OpLoseP_->setText(TestoNumero(f.opLoseP) + percento);
    lab_OpPariP_->setText(TestoNumero(f.opPariP) + percento);
    lab_PercGain_->setText(TestoNumero(f.sumPctGain) + percento);
    lab_PercLose_->setText(TestoNumero(f.sumPctLoss) + percento);
    lab_PercTotale_->setText(TestoNumero(f.percTotale));
    lab_PercMedia_->setText(TestoNumero(f.percMedia));

    // The chart type chosen with the switch stays. Each column is named after the caption of
    // its figure, so the legend says which colour is which.
    msc_Bilancio_->setChartData(std::vector<double>{f.sumGain, f.sumLoss, f.sumComm, f.tassa});
    msc_Bilancio_->setRowLabel(QStringLiteral("Bilancio"));
    NomiColonne(msc_Bilancio_, {"Gain", "Perdite", "Commissioni", "Capital Gain"});
    msc_Operazioni_->setChartData(std::vector<double>{double(f.nWin), double(f.nLose), double(f.nEven)});
    msc_Operazioni_->setRowLabel(QStringLiteral("Operazioni"));
    NomiColonne(msc_Operazioni_, {"Gain", "Perdita", "Pari"});
    msc_OperazioniPercentuali_->setChartData(std::vector<double>{f.sumPctGain, std::abs(f.sumPctLoss)});
    msc_OperazioniPercentuali_->setRowLabel(QStringLiteral("Percentuali"));
    NomiColonne(msc_OperazioniPercentuali_, {"%Gain", "%Perdita"});
    // Long histories give long figures: the frames grow to show them.
    CresciPerContenuto();
}

void frmReport::Form_Resize()
{
    int w = Width() / 3;
    if (w < 2100)
        w = 2100;
    const int interna = ScaleWidth();
    Metti(FrameBilancio_, 0, 0, w, AltezzaCornici);
    Metti(FrameOperazioni_, w, 0, w, AltezzaCornici);
    Metti(FramePercentuali_, 2 * w, 0, std::min(w - 100, interna - 2 * w), AltezzaCornici);

    // The charts sit between the frames and the switch.
    const int scelta = AltezzaScelta(AltezzaSceltaProgetto);
    int altezza = twips::DaPixel(msc_Bilancio_->height());
    if (ScaleHeight() > 1700)
        altezza = std::min(ScaleHeight() - 1700, ScaleHeight() - scelta - AltezzaCornici);
    Metti(msc_Bilancio_, 0, AltezzaCornici, w, altezza);
    Metti(msc_Operazioni_, w, AltezzaCornici, w, altezza);
    Metti(msc_OperazioniPercentuali_, 2 * w, AltezzaCornici, std::min(w, interna - 2 * w), altezza);

    Metti(frm_Grafici_, 0, ScaleHeight() - scelta, std::min(Width(), interna), scelta);
}
