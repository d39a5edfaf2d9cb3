#include "frm_errori.h"

#include "figure_statistiche.h"
#include "grafico.h"
#include "griglia_sola_lettura.h"
#include "larghezza_griglia.h"
#include "modello_griglia.h"
#include "numeri.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

#include <algorithm>

using namespace statistiche;
using numeri::TestoNumero;

namespace {

constexpr int LarghezzaSinistra = 5400; // twips: the labels and the grid
constexpr int LarghezzaGrafico = 6000; // twips of the chart at the default size
constexpr int AltezzaEtichette = 1950;
constexpr int AltezzaSceltaProgetto = 400;
constexpr int AltezzaTitolo = 300;

} // namespace

frmErrori::frmErrori(ContestoFinestre& contesto, QWidget* parent)
    : FinestraStatistica(contesto, "frmErrori", QStringLiteral("Errori"), parent)
{
    Frame1_ = Crea<QGroupBox>(this, "Frame1");
    auto* g = new QGridLayout(Frame1_);
    g->setContentsMargins(4, 2, 4, 2);
    g->setVerticalSpacing(1);
    lab_TotaleErrori_ = Valore(Frame1_, "lab_TotaleErrori");
    lab_PercentualeErrori_ = Valore(Frame1_, "lab_PercentualeErrori");
    lab_TotMancatiGuadagni_ = Valore(Frame1_, "lab_TotMancatiGuadagni");
    lab_PiuFrequente_ = Valore(Frame1_, "lab_PiuFrequente");
    lab_PiuPericoloso_ = Valore(Frame1_, "lab_PiuPericoloso");
    for (QLabel* l : {lab_PiuFrequente_, lab_PiuPericoloso_})
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const struct {
        const char* nome;
        const char* testo;
        QLabel* valore;
    } righe[] = {
        {"Label1", "Totale errori", lab_TotaleErrori_},          {"Label2", "% errore", lab_PercentualeErrori_},
        {"Label3", "Mancati guadagni", lab_TotMancatiGuadagni_}, {"Label4", "Piu' frequente", lab_PiuFrequente_},
        {"Label5", "Piu' pericoloso", lab_PiuPericoloso_},
    };
    int r = 0;
    for (const auto& riga : righe) {
        g->addWidget(Didascalia(Frame1_, riga.nome, QString::fromUtf8(riga.testo), riga.valore), r, 0);
        g->addWidget(riga.valore, r++, 1);
    }
    g->setColumnStretch(1, 1);

    dat_Errori_ = new ModelloGriglia(this);
    dat_Errori_->setObjectName(QStringLiteral("dat_Errori"));
    dat_Errori_->impostaIntestazioni(
        {QStringLiteral("Cod"), QStringLiteral("Descrizione"), QStringLiteral("MancatoGain"), QStringLiteral("Num")});
    DBGrid1_ = Crea<QTableView>(this, "DBGrid1");
    DBGrid1_->setModel(dat_Errori_);
    GrigliaSolaLettura(DBGrid1_);
    DBGrid1_->verticalHeader()->setDefaultSectionSize(20);
    DBGrid1_->horizontalHeader()->setStretchLastSection(true);

    Label6_ = Crea<QLabel>(this, "Label6");
    Label6_->setText(QStringLiteral("Ricorrenza/Tipo di errore"));
    msc_Errori_ = Crea<Grafico>(this, "msc_Errori");
    Label6_->setBuddy(msc_Errori_);

    CostruisciScelta({{0, "Barre"}, {6, "Barre 3D"}}, 0, {msc_Errori_});
    Carica(false);
    // The default size gives the grid what its figures need and the chart its own width.
    resize(sizeHint());
}

QSize frmErrori::sizeHint() const
{
    return {twips::Pixel(Sinistra() + LarghezzaGrafico), twips::Pixel(6600)};
}

int frmErrori::Sinistra() const
{
    return std::max({LarghezzaSinistra, twips::DaPixel(LarghezzaPerColonne(DBGrid1_)),
                     twips::DaPixel(Frame1_->sizeHint().width())});
}

void frmErrori::Main()
{
    StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    const auto calcolo = RicalcolaStatisticheErrori(stato.DbDataSet, stato.DbPortafoglio);
    if (!calcolo.ok()) {
        MostraErrore(calcolo.errore);
        return;
    }
    const FigureErrori& f = calcolo.figure;
    lab_TotaleErrori_->setText(TestoNumero(double(f.nErr)));
    lab_PercentualeErrori_->setText(TestoNumero(f.percentuale));
    lab_TotMancatiGuadagni_->setText(TestoNumero(f.missedTot));
    lab_PiuPericoloso_->setText(f.piuPericoloso);
    lab_PiuFrequente_->setText(f.piuFrequente);

    const Esito errore = dat_Errori_->carica(SqlGrigliaErrori, stato.DbDataSet);
    if (!errore.ok())
        MostraErrore(errore.messaggio);
    AdattaColonne(DBGrid1_);

    const int righe = static_cast<int>(std::max<long long>(0, f.righeGrafico));
    std::vector<std::vector<std::optional<double>>> tabella(static_cast<size_t>(righe),
                                                            std::vector<std::optional<double>>(2));
    for (size_t i = 0; i < f.grafico.size() && i < tabella.size(); ++i)
        tabella[i] = {f.grafico[i].quotaConteggio, f.grafico[i].quotaImporto};
    msc_Errori_->setColumnCount(2);
    msc_Errori_->setChartData(tabella);
    NomiColonne(msc_Errori_, {"Ricorrenza (%)", "Mancati guadagni (%)"});
    for (size_t i = 0; i < f.grafico.size() && i < tabella.size(); ++i) {
        msc_Errori_->setRow(static_cast<int>(i) + 1);
        msc_Errori_->setRowLabel(f.grafico[i].Descrizione);
    }
    // New figures may widen the grid.
    CresciPerContenuto();
    Form_Resize();
}

void frmErrori::Form_Resize()
{
    // The grid keeps what its columns need; the chart takes what is left.
    const int larghezza = ScaleWidth();
    const int altezza = ScaleHeight();
    const int scelta = AltezzaScelta(AltezzaSceltaProgetto);
    // The grid's height first: it tells whether the rows need a scroll bar beside the columns.
    DBGrid1_->resize(DBGrid1_->width(), twips::Pixel(altezza - AltezzaEtichette - scelta));
    const int sinistra = std::min(Sinistra(), larghezza);
    Metti(Frame1_, 0, 0, sinistra, AltezzaEtichette);
    Metti(DBGrid1_, 0, AltezzaEtichette, sinistra, altezza - AltezzaEtichette - scelta);
    Metti(Label6_, sinistra + 60, 0, larghezza - sinistra - 60, AltezzaTitolo);
    Metti(msc_Errori_, sinistra, AltezzaTitolo, larghezza - sinistra, altezza - AltezzaTitolo - scelta);
    Metti(frm_Grafici_, 0, altezza - scelta, larghezza, scelta);
}
