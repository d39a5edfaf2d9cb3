#include "frm_capitale.h"

#include "figure_statistiche.h"
#include "grafico.h"
#include "grafico_per_operazione.h"

#include <QGroupBox>
#include <QLineEdit>

#include <algorithm>

using namespace statistiche;
using namespace perOperazione;

namespace {

// One value per row, in column 1.
std::vector<std::vector<std::optional<double>>> Colonna(const std::vector<double>& valori)
{
    std::vector<std::vector<std::optional<double>>> tabella;
    tabella.reserve(valori.size());
    for (double v : valori)
        tabella.push_back({v});
    return tabella;
}

} // namespace

frmCapitale::frmCapitale(ContestoFinestre& contesto, QWidget* parent)
    : FinestraStatistica(contesto, "frmCapitale", QStringLiteral("Grafico del capitale"), parent)
{
    Text1_ = Intestazione(this, "Text1", QStringLiteral("Capitale / operazioni"));
    msc_Capitale_ = Crea<Grafico>(this, "msc_Capitale");
    msc_Capitale_->setTitolo(QStringLiteral("Curva cumulativa del capitale"));
    CostruisciScelta({Barre, {2, "Area"}, {3, "Area 3D"}, {4, "Linee 3D"}, {5, "Linee"}, {6, "Barre 3D"}}, 5,
                     {msc_Capitale_});
    resize(sizeHint());
    Carica(true);
}

QSize frmCapitale::sizeHint() const
{
    return {twips::Pixel(9000), twips::Pixel(6000)};
}

void frmCapitale::Main()
{
    const StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    const auto calcolo = FigureCapitaleDa(stato.DbPortafoglio);
    if (!calcolo.ok()) {
        MostraErrore(calcolo.errore);
        return;
    }
    msc_Capitale_->setChartData(Colonna(calcolo.figure));
    NumeraRighe(msc_Capitale_);
}

void frmCapitale::Form_Resize()
{
    const int larghezza = std::min(Width(), ScaleWidth());
    Metti(Text1_, 0, 0, larghezza, AltezzaTesto);
    Disponi(msc_Capitale_, frm_Grafici_, AltezzaScelta(AltezzaSceltaProgetto), AltezzaTesto, Height() - 800,
            Height() > 801, Height() - 900, larghezza, ScaleHeight());
}
