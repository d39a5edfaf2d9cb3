#include "frm_st_giorno.h"

#include "figure_statistiche.h"
#include "grafico.h"
#include "griglia_flex.h"
#include "larghezza_griglia.h"
#include "numeri.h"

#include <QGroupBox>
#include <QTableWidget>

#include <algorithm>

using namespace statistiche;

namespace {

constexpr int LarghezzaGriglia = 2340; // twips, left of the chart
constexpr int AltezzaGriglia = 2100;
constexpr int AltezzaSceltaProgetto = 1500;

} // namespace

frmStGiorno::frmStGiorno(ContestoFinestre& contesto, QWidget* parent)
    : FinestraStatistica(contesto, "frmStGiorno", QStringLiteral("Statistiche prestazioni per giorno settimanale"),
                         parent)
{
    MSFlexGrid_StGiorno_ = CreaGrigliaFlex(this, "MSFlexGrid_StGiorno");
    msc_Giorno_ = Crea<Grafico>(this, "msc_Giorno");
    msc_Giorno_->setTitolo(QStringLiteral("bilancio"));
    CostruisciScelta({{0, "Barre"}, {2, "Area"}, {3, "Area3D"}, {4, "Linee3D"}, {5, "Linee"}, {6, "Barre3D"}}, 5,
                     {msc_Giorno_}, 2);
    Carica(false);
    resize(sizeHint());
}

QSize frmStGiorno::sizeHint() const
{
    return {twips::Pixel(9000 + Sinistra() - LarghezzaGriglia), twips::Pixel(5400)};
}

int frmStGiorno::Sinistra() const
{
    return std::max({LarghezzaGriglia, twips::DaPixel(LarghezzaPerColonne(MSFlexGrid_StGiorno_)),
                     twips::DaPixel(frm_Grafici_->sizeHint().width())});
}

void frmStGiorno::Main()
{
    const StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    const auto calcolo = FigureGiorniDa(stato.DbPortafoglio);
    if (!calcolo.ok()) {
        MostraErrore(calcolo.errore);
        return;
    }
    // A day without operations shows no value, a day that sums to 0 shows "0".
    std::vector<std::vector<std::optional<double>>> tabella;
    std::vector<std::pair<QString, QString>> righe;
    for (size_t i = 0; i < NomiGiorni.size(); ++i) {
        const std::optional<double>& totale = calcolo.figure[i];
        tabella.push_back({totale});
        righe.emplace_back(NomiGiorni[i], totale ? numeri::TestoNumero(*totale) : QString());
    }
    msc_Giorno_->setColumnCount(1);
    msc_Giorno_->setChartData(tabella);
    for (size_t i = 0; i < NomiGiorni.size(); ++i) {
        msc_Giorno_->setRow(static_cast<int>(i) + 1);
        msc_Giorno_->setRowLabel(NomiGiorni[i]);
    }
    RiempiGrigliaFlex(MSFlexGrid_StGiorno_, {QStringLiteral("Giorno"), QStringLiteral("Totale")}, righe);
    // New totals may widen the grid.
    CresciPerContenuto();
    Form_Resize();
}

void frmStGiorno::Form_Resize()
{
    const int sinistra = Sinistra();
    const int spinta = sinistra - LarghezzaGriglia;
    Metti(MSFlexGrid_StGiorno_, 0, 0, sinistra, AltezzaGriglia);
    Metti(frm_Grafici_, 0, AltezzaGriglia + 60, sinistra, AltezzaScelta(AltezzaSceltaProgetto));
    // The chart's place under the Part's rule, right of a widened grid, kept inside the window.
    int larghezza = twips::DaPixel(msc_Giorno_->width());
    if (Width() > 2601)
        larghezza = Width() - 2600 - spinta;
    int altezza = twips::DaPixel(msc_Giorno_->height());
    if (Height() > 1000)
        altezza = Height() - 290;
    Metti(msc_Giorno_, 2400 + spinta, 0, std::min(larghezza, ScaleWidth() - 2400 - spinta),
          std::min(altezza, ScaleHeight()));
}
