#include "frm_risk.h"

#include "figure_statistiche.h"
#include "grafici_sequenze.h"
#include "grafico.h"
#include "griglia_flex.h"
#include "numeri.h"
#include "tipo_grafico.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>

using namespace statistiche;
using namespace sequenze;
using numeri::TestoNumero;

namespace {

// The designed column left of the run chart, and where the chart starts, in twips.
constexpr int ColonnaRisk = 3640;
constexpr int GraficoRisk = 3700;

} // namespace

frmRisk::frmRisk(ContestoFinestre& contesto, QWidget* parent)
    : FinestraStatistica(contesto, "frmRisk", QStringLiteral("Probabilità di Rischio"), parent)
{
    Text1_ = Intestazione(this, QStringLiteral("Percentuale di profitto-perdita/serie"));
    msc_MDD_ = Crea<Grafico>(this, "msc_MDD");
    msc_MDD_->setTitolo(QStringLiteral("Percentuale  di  profitto /perdita raggruppate in serie"));
    lab_TotMDD_ = Valore(this, "lab_TotMDD");
    Didascalia(this, "Label1", QStringLiteral("Totale serie"), lab_TotMDD_)
        ->setGeometry(twips::Pixel(60), twips::Pixel(30), twips::Pixel(1500), twips::Pixel(300));
    MSFlexGrid_FP_ = CreaGrigliaFlex(this, "MSFlexGrid_FP");
    Frame1_ = Cornice(this, "Frame1", QStringLiteral("Tabella :"), MSFlexGrid_FP_);
    msc_FrequenzaPerc_ = Crea<Grafico>(this, "msc_FrequenzaPerc");
    msc_FrequenzaPerc_->setChartType(TipoGrafico::XY);
    Frame2_ = Cornice(this, "Frame2", QStringLiteral("Probabilità :"), msc_FrequenzaPerc_);
    CostruisciScelta({{0, "Barre"}, {2, "Area"}, {3, "Area3D"}, {4, "Linee3D"}, {5, "Linee"}, {6, "Barre3D"}}, 6,
                     {msc_MDD_}, 3);
    Carica(false);
    resize(sizeHint());
}

QSize frmRisk::sizeHint() const
{
    return {twips::Pixel(11000 + Sinistra() - ColonnaRisk),
            twips::Pixel(std::max(5800, 5010 + AltezzaScelta(700) + 90))};
}

int frmRisk::Sinistra() const
{
    return std::max(
        {ColonnaRisk, LarghezzaCornice(Frame1_, MSFlexGrid_FP_), twips::DaPixel(frm_Grafici_->sizeHint().width())});
}

void frmRisk::Main()
{
    const StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    const auto calcolo = FigureRiskDa(stato.DbPortafoglio);
    if (!calcolo.ok()) {
        MostraErrore(calcolo.errore);
        return;
    }
    const FigureRisk& f = calcolo.figure;
    lab_TotMDD_->setText(TestoNumero(static_cast<double>(f.serie.size())));
    MostraSerie(msc_MDD_, f.serie, false);

    const QString percento = QStringLiteral("%");
    std::vector<std::pair<QString, QString>> righe;
    righe.reserve(f.frequenze.size());
    for (const Frequenza& r : f.frequenze)
        righe.emplace_back(TestoNumero(r.valore) + percento, TestoNumero(r.percentuale) + percento);
    RiempiGrigliaFlex(MSFlexGrid_FP_, {QStringLiteral("Percentuali"), QStringLiteral("Probabilità")}, righe);
    MostraFrequenze(msc_FrequenzaPerc_, f.frequenze);
    // New figures may widen the table.
    CresciPerContenuto();
    Form_Resize();
}

void frmRisk::Form_Resize()
{
    const int sinistra = Sinistra();
    Metti(lab_TotMDD_, 1620, 30, sinistra - 1740, 300);
    Metti(Frame1_, 0, 390, sinistra, 2250);
    Metti(Frame2_, 0, 2700, sinistra, 2250);
    Metti(frm_Grafici_, 0, 5010, sinistra, AltezzaScelta(700));
    DisponiSerie(Text1_, msc_MDD_, GraficoRisk + sinistra - ColonnaRisk, GraficoRisk + 1, Width(), Height() > 1000,
                 Height() - 290, ScaleWidth(), ScaleHeight());
}
