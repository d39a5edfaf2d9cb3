#include "frm_mdd.h"

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
constexpr int ColonnaMDD = 4900;
constexpr int GraficoMDD = 5000;

} // namespace

frmMDD::frmMDD(ContestoFinestre& contesto, QWidget* parent)
    : FinestraStatistica(contesto, "frmMDD", QStringLiteral("Massimo Draw-Down (MDD)"), parent)
{
    Text1_ = Intestazione(this, QStringLiteral("Quantità di operazioni in profitto o perdida / serie"));
    msc_SeqPosNeg_ = Crea<Grafico>(this, "msc_SeqPosNeg");
    msc_SeqPosNeg_->setTitolo(QStringLiteral("Numero di operazioni in profitto /perdita raggruppate in serie"));
    MSFlexGrid_MDD_ = CreaGrigliaFlex(this, "MSFlexGrid_MDD");
    Frame2_ = Cornice(this, "Frame2", QStringLiteral("Tabella MDD"), MSFlexGrid_MDD_);
    msc_FrequenzaMDD_ = Crea<Grafico>(this, "msc_FrequenzaMDD");
    msc_FrequenzaMDD_->setChartType(TipoGrafico::XY);
    Frame3_ = Cornice(this, "Frame3", QString(), msc_FrequenzaMDD_);
    CostruisciScelta({{0, "Barre"}, {2, "Area"}, {3, "Area 3D"}, {4, "Linee 3D"}, {5, "Linee"}, {6, "Barre 3D"}}, 6,
                     {msc_SeqPosNeg_}, 3);
    // The switch of the run chart sits in the frame named after it.
    Frame1_ = Cornice(this, "Frame1", QStringLiteral("Grafico MDD"), frm_Grafici_);
    Carica(false);
    resize(sizeHint());
}

QSize frmMDD::sizeHint() const
{
    return {twips::Pixel(12000 + Sinistra() - ColonnaMDD), twips::Pixel(std::max(5900, 4920 + AltezzaFrame1() + 60))};
}

int frmMDD::Sinistra() const
{
    return std::max(
        {ColonnaMDD, LarghezzaCornice(Frame2_, MSFlexGrid_MDD_), twips::DaPixel(Frame1_->sizeHint().width())});
}

int frmMDD::AltezzaFrame1() const
{
    return std::max(900, twips::DaPixel(Frame1_->sizeHint().height()));
}

void frmMDD::Main()
{
    const StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    const auto calcolo = FigureMDDDa(stato.DbPortafoglio);
    if (!calcolo.ok()) {
        MostraErrore(calcolo.errore);
        return;
    }
    const FigureMDD& f = calcolo.figure;
    MostraSerie(msc_SeqPosNeg_, f.serie, true);

    std::vector<std::pair<QString, QString>> righe;
    righe.reserve(f.frequenze.size());
    for (const Frequenza& r : f.frequenze)
        righe.emplace_back(TestoNumero(r.valore), TestoNumero(r.percentuale) + QStringLiteral("%"));
    RiempiGrigliaFlex(MSFlexGrid_MDD_, {QStringLiteral("Sequenza"), QStringLiteral("Ricorrenze")}, righe);
    MostraFrequenze(msc_FrequenzaMDD_, f.frequenze);
    // New figures may widen the table.
    CresciPerContenuto();
    Form_Resize();
}

void frmMDD::Form_Resize()
{
    const int sinistra = Sinistra();
    Metti(Frame2_, 0, 0, sinistra, 2400);
    Metti(Frame3_, 0, 2460, sinistra, 2400);
    Metti(Frame1_, 0, 4920, sinistra, AltezzaFrame1());
    DisponiSerie(Text1_, msc_SeqPosNeg_, GraficoMDD + sinistra - ColonnaMDD, GraficoMDD, Width(), Height() > 1000,
                 Height() - 390, ScaleWidth(), ScaleHeight());
}
