#include "frm_gr_operazioni.h"

#include "colore_long.h"
#include "figure_statistiche.h"
#include "grafico.h"
#include "grafico_per_operazione.h"
#include "picture_box.h"

#include <QGroupBox>
#include <QLineEdit>

#include <algorithm>

using namespace statistiche;
using namespace perOperazione;

frmGrOperazioni::frmGrOperazioni(ContestoFinestre& contesto, QWidget* parent)
    : FinestraStatistica(contesto, "frmGrOperazioni", QStringLiteral("Grafico Operazioni"), parent)
{
    Text1_ = Intestazione(this, "Text1", QStringLiteral("Profitto-perdita/Operazioni"));
    Text2_ = Intestazione(this, "Text2", QStringLiteral("Money management Stop Loss"));
    msc_GrOperazioni_ = Crea<Grafico>(this, "msc_GrOperazioni");
    // Two small keys beside the headings, in the colours the chart draws their series with.
    Picture1_ = Crea<PictureBox>(this, "Picture1");
    Picture2_ = Crea<PictureBox>(this, "Picture2");
    Picture1_->SetBackColor(LongDaColore(msc_GrOperazioni_->coloreSerie(1)));
    Picture2_->SetBackColor(LongDaColore(msc_GrOperazioni_->coloreSerie(2)));
    msc_GrOperazioni_->setTitolo(
        QStringLiteral("Sequenza delle operarioni effettuate. Ad ogni punto corrisponde un' operazione chiusa "));
    CostruisciScelta({Barre, {2, "Area"}, {3, "Area 3D"}, {4, "Linee 3D"}, {5, "Linee"}, {6, "Barre 3D"}}, 5,
                     {msc_GrOperazioni_});
    resize(sizeHint());
    Carica(true);
}

QSize frmGrOperazioni::sizeHint() const
{
    return {twips::Pixel(9000), twips::Pixel(6000)};
}

void frmGrOperazioni::Main()
{
    const StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    const auto calcolo = FigureGrOperazioniDa(stato.DbDataSet, stato.DbPortafoglio);
    if (!calcolo.ok()) {
        MostraErrore(calcolo.errore);
        return;
    }
    std::vector<std::vector<std::optional<double>>> tabella;
    tabella.reserve(calcolo.figure.size());
    for (const PuntoGrOperazioni& p : calcolo.figure)
        tabella.push_back({p.GP, p.stopLoss});
    msc_GrOperazioni_->setColumnCount(2);
    msc_GrOperazioni_->setChartData(tabella);
    NumeraRighe(msc_GrOperazioni_);
}

void frmGrOperazioni::Form_Resize()
{
    const int larghezza = std::min(Width(), ScaleWidth());
    Metti(Picture1_, 60, 90, 150, 150);
    Metti(Text1_, 270, 0, 3300, AltezzaTesto);
    Metti(Picture2_, 3660, 90, 150, 150);
    Metti(Text2_, 3870, 0, 3300, AltezzaTesto);
    Disponi(msc_GrOperazioni_, frm_Grafici_, AltezzaScelta(AltezzaSceltaProgetto), AltezzaTesto, Height() - 1100,
            Height() > 1101, Height() - 900, larghezza, ScaleHeight());
}
