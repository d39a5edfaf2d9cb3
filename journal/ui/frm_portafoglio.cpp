#include "frm_portafoglio.h"

#include "applica_colori.h"
#include "controlli.h"
#include "grafico.h"
#include "griglia_sola_lettura.h"
#include "larghezza_griglia.h"
#include "liquidita.h"
#include "modello_griglia.h"
#include "numeri.h"
#include "picture_box.h"
#include "quadrante_strum.h"
#include "scelta_barre.h"
#include "strum.h"
#include "tabella_portafoglio.h"
#include "twips.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The chart starts at 4000 twips; the panel on its left holds everything else. A panel
// widened for its grid pushes the chart, and the window, right by as much.
constexpr int SinistraGrafico = 4000;
constexpr int LarghezzaPannello = 262; // pixels
constexpr int SinistraValori = 128;
constexpr QSize DimensioneGauge(160, 100);

QLabel* Etichetta(QWidget* genitore, const char* nome, const QString& testo, const QRect& dove)
{
    auto* l = Crea<QLabel>(genitore, nome);
    l->setText(testo);
    l->setGeometry(dove);
    return l;
}

} // namespace

frmPortafoglio::frmPortafoglio(ContestoFinestre& contesto, QWidget* parent)
    : QWidget(parent), contesto_(contesto), modello_(new ModelloGriglia(this)), larghezzaPannello_(LarghezzaPannello)
{
    setObjectName(QStringLiteral("frmPortafoglio"));
    setWindowTitle(QStringLiteral("Portafoglio"));

    QStringList intestazioni;
    for (int c = 0; c < ColPortafoglio::Numero; ++c)
        intestazioni << QString();
    intestazioni[ColPortafoglio::Cod] = QStringLiteral("Codice");
    intestazioni[ColPortafoglio::Qta] = QStringLiteral("Quantità");
    intestazioni[ColPortafoglio::PzoCarico] = QStringLiteral("P.zoCarico");
    intestazioni[ColPortafoglio::Importo] = QStringLiteral("Importo");
    modello_->impostaIntestazioni(intestazioni);

    frm_Portafoglio_ = Crea<QGroupBox>(this, "frm_Portafoglio");
    frm_Portafoglio_->setGeometry(2, 0, LarghezzaPannello, 226);
    auto* contenuto = new QVBoxLayout(frm_Portafoglio_);
    contenuto->setContentsMargins(3, 3, 3, 3);
    DBGrid2_ = Crea<QTableView>(frm_Portafoglio_, "DBGrid2");
    DBGrid2_->setAccessibleName(QStringLiteral("Posizioni aperte"));
    DBGrid2_->setModel(modello_);
    // Read only and out of the tab chain, like the designed grid, but still scrollable.
    GrigliaSolaLettura(DBGrid2_);
    DBGrid2_->setSelectionMode(QAbstractItemView::NoSelection);
    DBGrid2_->setFocusPolicy(Qt::NoFocus);
    DBGrid2_->verticalHeader()->setVisible(false);
    DBGrid2_->verticalHeader()->setDefaultSectionSize(20);
    contenuto->addWidget(DBGrid2_);

    Etichetta(this, "Label31", QStringLiteral("Valore portafoglio"), QRect(6, 232, 120, 20));
    lab_ValorePortafoglio_ = Etichetta(this, "lab_ValorePortafoglio", QString(), QRect(SinistraValori, 232, 134, 20));
    Etichetta(this, "Label1", QStringLiteral("Liquidità:"), QRect(6, 254, 120, 20));
    lab_Liquidita_ = Etichetta(this, "lab_Liquidita", QString(), QRect(SinistraValori, 254, 134, 20));

    Picture1_ = Crea<PictureBox>(this, "Picture1");
    Picture1_->setGeometry(QRect(QPoint(4, 280), DimensioneGauge));
    Picture1_->SetPicture(QuadranteBottomCenter(DimensioneGauge));
    Picture1_->SetDrawWidth(2);
    Picture1_->setAccessibleName(QStringLiteral("Liquidità in rapporto al capitale"));

    frm_Grafici_ = Crea<QGroupBox>(this, "frm_Grafici");
    frm_Grafici_->setGeometry(170, 280, 92, 70);
    auto* opzioni = new QVBoxLayout(frm_Grafici_);
    opzioni->setContentsMargins(4, 4, 4, 4);
    Option1_ = CreaSceltaBarre(this, "Option1", frm_Grafici_, opzioni, {IdBarre, IdBarre3D});

    msc_Portafoglio_ = Crea<Grafico>(this, "msc_Portafoglio");
    msc_Portafoglio_->setAccessibleName(QStringLiteral("Valore delle posizioni"));
    CollegaSceltaBarre(Option1_, {IdBarre, IdBarre3D}, msc_Portafoglio_);

    Colore();
    Main();
    resize(sizeHint());
}

frmPortafoglio::~frmPortafoglio() = default;

QSize frmPortafoglio::sizeHint() const
{
    return {760 + larghezzaPannello_ - LarghezzaPannello, 400};
}

void frmPortafoglio::Colore()
{
    ApplicaColori(this, contesto_.stato.DbDataSet);
}

void frmPortafoglio::Main()
{
    const StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    const Esito erroreGriglia = modello_->carica(SqlGrigliaPortafoglio, stato.DbPortafoglio);
    for (int c = 0; c < ColPortafoglio::Numero; ++c)
        DBGrid2_->setColumnHidden(c,
                                  c != ColPortafoglio::Cod && c != ColPortafoglio::Qta && c != ColPortafoglio::PzoCarico
                                      && c != ColPortafoglio::Importo);
    AdattaColonne(DBGrid2_);
    DisponiPannello();

    const LetturaLiquidita lettura = LeggiLiquidita(stato);
    const QString errore = !lettura.errore.isEmpty() ? lettura.errore : erroreGriglia.messaggio;
    if (!errore.isEmpty())
        contesto_.messaggi.mostra(errore, Messaggi::Icona::Esclamazione);

    // Without positions the chart keeps the bars it had.
    if (!lettura.posizioni.empty()) {
        msc_Portafoglio_->setRowCount(int(lettura.posizioni.size()));
        int i = 1;
        for (const RigaPortafoglio& p : lettura.posizioni) {
            msc_Portafoglio_->setRow(i++);
            msc_Portafoglio_->setData(numeri::TestoNumero(double(p.Qta) * p.PzoCarico));
            msc_Portafoglio_->setRowLabel(p.Cod);
        }
    }
    const Liquidita& l = lettura.figure;
    for (int i = 0; i < l.movimenti.sconosciuti; ++i)
        contesto_.messaggi.mostra(conto::MessaggioTipoSconosciuto);

    lab_ValorePortafoglio_->setText(numeri::TestoNumero(l.valorePortafoglio));
    lab_Liquidita_->setText(numeri::TestoNumero(l.liquiditaArrotondata));

    if (!strum_)
        strum_ = std::make_unique<Strum>();
    strum_->NewLCD(Picture1_);
    strum_->BottomCenter(l.indicatore);
}

void frmPortafoglio::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    RegolaDimensioni();
}

void frmPortafoglio::DisponiPannello()
{
    // The grid's height tells whether its rows need a scroll bar.
    frm_Portafoglio_->layout()->activate();
    const int bordo = frm_Portafoglio_->width() - frm_Portafoglio_->contentsRect().width();
    const QMargins margini = frm_Portafoglio_->layout()->contentsMargins();
    larghezzaPannello_
        = std::max(LarghezzaPannello, LarghezzaPerColonne(DBGrid2_) + bordo + margini.left() + margini.right());
    frm_Portafoglio_->resize(larghezzaPannello_, frm_Portafoglio_->height());
    const int valori = frm_Portafoglio_->geometry().right() + 1 - SinistraValori;
    lab_ValorePortafoglio_->resize(valori, lab_ValorePortafoglio_->height());
    lab_Liquidita_->resize(valori, lab_Liquidita_->height());
    RegolaDimensioni();
}

// The chart follows the window's size by the twips rules, moved right by what the panel
// grew; it never reaches past the window.
void frmPortafoglio::RegolaDimensioni()
{
    const QSize esterna = twips::DimensioneEsterna(this);
    const int spinta = larghezzaPannello_ - LarghezzaPannello;
    QRect g = msc_Portafoglio_->geometry();
    g.moveLeft(twips::Pixel(SinistraGrafico) + spinta);
    g.moveTop(0);
    if (esterna.width() > 3901)
        g.setWidth(twips::Pixel(esterna.width() - 3900) - spinta);
    if (esterna.height() > 1000)
        g.setHeight(twips::Pixel(esterna.height() - 290));
    g.setWidth(std::clamp(g.width(), 1, std::max(1, width() - g.left())));
    g.setHeight(std::clamp(g.height(), 1, std::max(1, height())));
    msc_Portafoglio_->setGeometry(g);
}
