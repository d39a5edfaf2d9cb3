#include "frm_sequenze.h"

#include "figure_statistiche.h"
#include "grafico.h"
#include "griglia_flex.h"
#include "larghezza_griglia.h"
#include "numeri.h"
#include "scelta_grafico.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace statistiche;
using numeri::TestoNumero;

namespace {

constexpr int AltezzaTesto = 330;
// The designed columns left of the run charts, and where the charts start, in twips.
constexpr int ColonnaRisk = 3640;
constexpr int GraficoRisk = 3700;
constexpr int ColonnaMDD = 4900;
constexpr int GraficoMDD = 5000;

QLineEdit* Intestazione(QWidget* genitore, const QString& testo)
{
    auto* t = Crea<QLineEdit>(genitore, "Text1");
    t->setText(testo);
    t->setReadOnly(true);
    t->setFrame(false);
    t->setFocusPolicy(Qt::NoFocus);
    return t;
}

QGroupBox* Cornice(QWidget* genitore, const char* nome, const QString& titolo, QWidget* contenuto)
{
    auto* g = Crea<QGroupBox>(genitore, nome);
    g->setTitle(titolo);
    auto* v = new QVBoxLayout(g);
    v->setContentsMargins(3, 2, 3, 3);
    if (contenuto) {
        contenuto->setParent(g);
        v->addWidget(contenuto);
    }
    return g;
}

// The width in twips a frame needs to show its table's columns whole.
int LarghezzaCornice(const QGroupBox* cornice, const QTableWidget* tabella)
{
    const QMargins margini = cornice->layout()->contentsMargins();
    const int bordo = cornice->width() - cornice->contentsRect().width();
    return Twips(LarghezzaPerColonne(tabella) + bordo + margini.left() + margini.right());
}

// The run chart: one row per completed run, back to 3D bars at every recomputation.
void MostraSerie(Grafico* grafico, const std::vector<Serie>& serie, bool lunghezze)
{
    std::vector<std::vector<std::optional<double>>> tabella;
    tabella.reserve(serie.size());
    for (const Serie& s : serie)
        tabella.push_back({lunghezze ? static_cast<double>(s.lunghezza) : s.somma});
    grafico->setColumnCount(1);
    grafico->setChartData(tabella);
    NumeraRighe(grafico);
    grafico->setChartType(TipoGraficoBarre3D);
}

// The XY chart of a frequency table: the value across, its share up.
void MostraFrequenze(Grafico* grafico, const std::vector<Frequenza>& frequenze)
{
    std::vector<std::vector<std::optional<double>>> tabella;
    tabella.reserve(frequenze.size());
    for (const Frequenza& f : frequenze)
        tabella.push_back({f.valore, f.percentuale});
    grafico->setColumnCount(2);
    grafico->setChartData(tabella);
    NumeraRighe(grafico);
    grafico->setChartType(TipoGraficoXY);
}

// The run chart's place under the Part's rule, kept inside the window.
void DisponiSerie(QWidget* testo, QWidget* grafico, int left, int soglia, int width, bool altezzaOk, int altezzaRegola,
                  int interna, int internaAltezza)
{
    int w = grafico->width() * TwipsPerPixel;
    if (width > soglia)
        w = width - left;
    w = std::min(w, interna - left);
    int h = grafico->height() * TwipsPerPixel;
    if (altezzaOk)
        h = altezzaRegola;
    h = std::min(h, internaAltezza - AltezzaTesto);
    testo->setGeometry(Pixel(left), 0, Pixel(w), Pixel(AltezzaTesto));
    grafico->setGeometry(Pixel(left), Pixel(AltezzaTesto), Pixel(std::max(0, w)), Pixel(std::max(0, h)));
}

} // namespace

frmRisk::frmRisk(ContestoFinestre& contesto, QWidget* parent)
    : FinestraStatistica(contesto, "frmRisk", QStringLiteral("Probabilità di Rischio"), parent)
{
    Text1_ = Intestazione(this, QStringLiteral("Percentuale di profitto-perdita/serie"));
    msc_MDD_ = Crea<Grafico>(this, "msc_MDD");
    msc_MDD_->setTitolo(QStringLiteral("Percentuale  di  profitto /perdita raggruppate in serie"));
    lab_TotMDD_ = Valore(this, "lab_TotMDD");
    Didascalia(this, "Label1", QStringLiteral("Totale serie"), lab_TotMDD_)
        ->setGeometry(Pixel(60), Pixel(30), Pixel(1500), Pixel(300));
    MSFlexGrid_FP_ = CreaGrigliaFlex(this, "MSFlexGrid_FP");
    Frame1_ = Cornice(this, "Frame1", QStringLiteral("Tabella :"), MSFlexGrid_FP_);
    msc_FrequenzaPerc_ = Crea<Grafico>(this, "msc_FrequenzaPerc");
    msc_FrequenzaPerc_->setChartType(TipoGraficoXY);
    Frame2_ = Cornice(this, "Frame2", QStringLiteral("Probabilità :"), msc_FrequenzaPerc_);
    CostruisciScelta({{0, "Barre"}, {2, "Area"}, {3, "Area3D"}, {4, "Linee3D"}, {5, "Linee"}, {6, "Barre3D"}}, 6,
                     {msc_MDD_}, 3);
    Carica(false);
    resize(sizeHint());
}

QSize frmRisk::sizeHint() const
{
    return {Pixel(11000 + Sinistra() - ColonnaRisk), Pixel(std::max(5800, 5010 + AltezzaScelta(700) + 90))};
}

int frmRisk::Sinistra() const
{
    return std::max({ColonnaRisk, LarghezzaCornice(Frame1_, MSFlexGrid_FP_), Twips(frm_Grafici_->sizeHint().width())});
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

frmMDD::frmMDD(ContestoFinestre& contesto, QWidget* parent)
    : FinestraStatistica(contesto, "frmMDD", QStringLiteral("Massimo Draw-Down (MDD)"), parent)
{
    Text1_ = Intestazione(this, QStringLiteral("Quantità di operazioni in profitto o perdida / serie"));
    msc_SeqPosNeg_ = Crea<Grafico>(this, "msc_SeqPosNeg");
    msc_SeqPosNeg_->setTitolo(QStringLiteral("Numero di operazioni in profitto /perdita raggruppate in serie"));
    MSFlexGrid_MDD_ = CreaGrigliaFlex(this, "MSFlexGrid_MDD");
    Frame2_ = Cornice(this, "Frame2", QStringLiteral("Tabella MDD"), MSFlexGrid_MDD_);
    msc_FrequenzaMDD_ = Crea<Grafico>(this, "msc_FrequenzaMDD");
    msc_FrequenzaMDD_->setChartType(TipoGraficoXY);
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
    return {Pixel(12000 + Sinistra() - ColonnaMDD), Pixel(std::max(5900, 4920 + AltezzaFrame1() + 60))};
}

int frmMDD::Sinistra() const
{
    return std::max({ColonnaMDD, LarghezzaCornice(Frame2_, MSFlexGrid_MDD_), Twips(Frame1_->sizeHint().width())});
}

int frmMDD::AltezzaFrame1() const
{
    return std::max(900, Twips(Frame1_->sizeHint().height()));
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
