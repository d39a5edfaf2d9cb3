#include "frm_medie.h"

#include "applica_colori.h"
#include "figure_statistiche.h"
#include "finestra_statistica.h"
#include "numeri.h"
#include "picture_box.h"
#include "quadranti.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include <algorithm>

using namespace statistiche;
using numeri::TestoNumero;

namespace {

constexpr int LarghezzaMassima = 9900; // twips of the normal window
constexpr int LarghezzaRegolata = 9901;
constexpr int AltezzaMassima = 3400;
constexpr int LatoStrumento = 66; // pixels

} // namespace

frmMedie::frmMedie(ContestoFinestre& contesto, QWidget* parent) : QWidget(parent), contesto_(contesto)
{
    setObjectName(QStringLiteral("frmMedie"));
    setWindowTitle(QStringLiteral("Medie"));

    FrameMedie_ = Crea<QGroupBox>(this, "FrameMedie");
    QFont piccolo = FrameMedie_->font();
    piccolo.setPointSizeF(piccolo.pointSizeF() * 0.9);
    FrameMedie_->setFont(piccolo);
    auto* esterno = new QHBoxLayout(FrameMedie_);
    esterno->setContentsMargins(3, 2, 3, 2);
    auto* medie = Crea<QGroupBox>(FrameMedie_, "Frame1");
    medie->setTitle(QStringLiteral("Medie"));
    auto* g = new QGridLayout(medie);
    g->setContentsMargins(4, 1, 4, 2);
    g->setVerticalSpacing(1);
    g->setHorizontalSpacing(4);

    const struct {
        QLabel** valore;
        const char* nome;
        const char* didascalia;
        const char* testo;
    } righe[] = {
        {&lab_CapitaleInvestito_, "lab_CapitaleInvestito", "Label1", "Totale capitale investito"},
        {&lab_CapitaleMedio_, "lab_CapitaleMedio", "Label2", "Capitale medio  per operazione"},
        {&lab_MaxGain_, "lab_MaxGain", "Label3", "Massimo guadagno "},
        {&lab_MaxLose_, "lab_MaxLose", "Label4", "Massima perdita"},
        {&lab_NumOperazioniGiorno_, "lab_NumOperazioniGiorno", "Label5", "N°medio operazioni giornaliere"},
        {&lab_TotGiorni_, "lab_TotGiorni", "Label6", "Totale giorni  elaborati"},
        {&lab_GuadagnoMedio_, "lab_GuadagnoMedio", "Label7", "Guadagno medio"},
        {&lab_PerditaMedia_, "lab_PerditaMedia", "Label8", "Perdita media"},
        {&Lab_GMsuPM_, "Lab_GMsuPM", "Label9", "Rapporto GM/PM"},
        {&lab_UtileMedioOperazione_, "lab_UtileMedioOperazione", "Label10", "Utile medio per operazione"},
        {&lab_UtileMedioGiorno_, "lab_UtileMedioGiorno", "Label11", "Utile medio per giorno"},
        {&lab_PercMediaGiorno_, "lab_PercMediaGiorno", "Label12", "% media giornaliera"},
        {&lab_WL_, "lab_WL", "Label13", "Operazioni in guadagno ogni 10"},
        {&lab_FattoreCulo_, "lab_FattoreCulo", "Label14", "Rapporto tra  massimo guadagno e utile netto"},
    };
    int i = 0;
    for (const auto& r : righe) {
        QLabel* v = Valore(medie, r.nome);
        v->setMinimumWidth(52);
        // The labels a computation may skip show 0 from the start.
        v->setText(QStringLiteral("0"));
        *r.valore = v;
        const int colonna = i < 7 ? 0 : 2;
        g->addWidget(Didascalia(medie, r.didascalia, QString::fromUtf8(r.testo), v), i % 7, colonna);
        g->addWidget(v, i % 7, colonna + 1);
        ++i;
    }
    esterno->addWidget(medie, 1);

    auto* strumenti = new QVBoxLayout;
    strumenti->setSpacing(2);
    Picture_WL_ = Crea<PictureBox>(FrameMedie_, "Picture_WL");
    Picture_FC_ = Crea<PictureBox>(FrameMedie_, "Picture_FC");
    for (PictureBox* box : {Picture_WL_, Picture_FC_}) {
        box->setFixedSize(LatoStrumento, LatoStrumento);
        box->SetDrawWidth(2);
        strumenti->addWidget(box);
    }
    Picture_WL_->SetPicture(QuadranteCentrale(Picture_WL_->size()));
    Picture_FC_->SetPicture(QuadranteAngolare(Picture_FC_->size()));
    esterno->addLayout(strumenti);

    // Load: colours, then the figures, once; the frame is then as large as its figures need.
    Colore();
    CalcolaMedie();
    FrameMedie_->adjustSize();
    resize(sizeHint());
    FrameMedie_->move(0, 0);
}

QSize frmMedie::sizeHint() const
{
    return FrameMedie_->sizeHint();
}

void frmMedie::Colore()
{
    ApplicaColori(this, contesto_.stato.DbDataSet);
}

void frmMedie::CalcolaMedie()
{
    const StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    const auto calcolo = FigureMedieDa(stato.DbPortafoglio);
    if (!calcolo.ok()) {
        contesto_.messaggi.mostra(calcolo.errore, Messaggi::Icona::Critico);
        return;
    }
    const FigureMedie& f = calcolo.figure;
    if (f.TotGiorni == 0)
        return;
    lab_TotGiorni_->setText(TestoNumero(double(f.TotGiorni)));
    lab_CapitaleMedio_->setText(TestoNumero(f.CapitaleMedio));
    lab_CapitaleInvestito_->setText(TestoNumero(f.CapitaleInvestito));
    lab_MaxGain_->setText(TestoNumero(f.MaxGain));
    lab_MaxLose_->setText(f.MaxLose ? TestoNumero(*f.MaxLose) : QString());
    lab_NumOperazioniGiorno_->setText(TestoNumero(f.NumOperazioniGiorno));
    lab_PerditaMedia_->setText(TestoNumero(f.PerditaMedia));
    Lab_GMsuPM_->setText(TestoNumero(f.GMsuPM));

    // Without a winning operation the rest keeps 0 and no needle is drawn.
    if (!f.conGuadagni)
        return;
    lab_UtileMedioOperazione_->setText(TestoNumero(f.UtileMedioOperazione));
    lab_UtileMedioGiorno_->setText(TestoNumero(f.UtileMedioGiorno));
    lab_PercMediaGiorno_->setText(TestoNumero(f.PercMediaGiorno));
    lab_GuadagnoMedio_->setText(TestoNumero(f.GuadagnoMedio));
    lab_FattoreCulo_->setText(TestoNumero(f.FattoreCulo));

    strumWL_.NewLCD(Picture_WL_);
    strumWL_.Center(static_cast<short>(f.Center));
    lab_WL_->setText(TestoNumero(f.WL));
    strumFC_.NewLCD(Picture_FC_);
    strumFC_.Bottom(static_cast<short>(f.Bottom));
}

void frmMedie::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    Form_Resize();
}

void frmMedie::Form_Resize()
{
    auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!cornice || inRegola_) {
        FrameMedie_->move(0, FrameMedie_->y());
        return;
    }
    if (cornice->isMinimized())
        return;
    if (cornice->isMaximized()) {
        FrameMedie_->move((width() - FrameMedie_->width()) / 2, FrameMedie_->y());
        return;
    }
    // The normal window is held within its largest size, or within the size its figures
    // need when they are wider.
    inRegola_ = true;
    const QSize bordo = cornice->size() - size();
    const int larghezzaMassima = std::max(LarghezzaMassima, twips::DaPixel(FrameMedie_->width() + bordo.width()));
    const int altezzaMassima = std::max(AltezzaMassima, twips::DaPixel(FrameMedie_->height() + bordo.height()));
    QSize esterna = cornice->size();
    if (twips::DaPixel(esterna.width()) > larghezzaMassima)
        esterna.setWidth(twips::Pixel(larghezzaMassima == LarghezzaMassima ? LarghezzaRegolata : larghezzaMassima));
    if (twips::DaPixel(esterna.height()) > altezzaMassima)
        esterna.setHeight(twips::Pixel(altezzaMassima));
    if (esterna != cornice->size())
        cornice->resize(esterna);
    inRegola_ = false;
    FrameMedie_->move(twips::Pixel(1), FrameMedie_->y());
}
