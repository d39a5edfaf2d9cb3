#include "frm_operazioni_chiuse.h"

#include "applica_colori.h"
#include "modello_griglia.h"
#include "tabella_operazioni_chiuse.h"
#include "twips.h"

#include <QHeaderView>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace {

// In a normal state the window keeps this width, its frame included.
constexpr int LarghezzaFinestra = 10420; // twips

// The ten columns shown, in their order, with their widths in pixels.
struct Colonna {
    int campo;
    const char* titolo;
    int larghezza;
};
const Colonna Colonne[] = {
    {ColOperazioniChiuse::Data, "Data", 70},
    {ColOperazioniChiuse::System, "System", 52},
    {ColOperazioniChiuse::Cod, "Codice", 52},
    {ColOperazioniChiuse::Titolo, "Titolo", 76},
    {ColOperazioniChiuse::PzoCarico, "P.zo di Carico", 88},
    {ColOperazioniChiuse::Qta, "Quantita'", 62},
    {ColOperazioniChiuse::Prezzo, "Prezzo di vendita", 104},
    {ColOperazioniChiuse::Commissioni, "Comm", 44},
    {ColOperazioniChiuse::GP, "Ricavo", 54},
    {ColOperazioniChiuse::GPPercentuale, "% ", 36},
};

int LarghezzaProgetto()
{
    int w = 0;
    for (const Colonna& c : Colonne)
        w += c.larghezza;
    return w + 20; // frame and vertical scroll bar
}

} // namespace

frmOperazioniChiuse::frmOperazioniChiuse(ContestoFinestre& contesto, QWidget* parent)
    : QWidget(parent), contesto_(contesto), modello_(new ModelloGriglia(this))
{
    setObjectName(QStringLiteral("frmOperazioniChiuse"));
    setWindowTitle(QStringLiteral("Operazioni Chiuse"));

    QStringList intestazioni;
    for (int c = 0; c < ColOperazioniChiuse::Numero; ++c)
        intestazioni << QString();
    for (const Colonna& c : Colonne)
        intestazioni[c.campo] = QString::fromUtf8(c.titolo);
    modello_->impostaIntestazioni(intestazioni);
    modello_->impostaColonneData({ColOperazioniChiuse::Data});

    dbg_OperazioniChiuse_ = new QTableView(this);
    dbg_OperazioniChiuse_->setObjectName(QStringLiteral("dbg_OperazioniChiuse"));
    dbg_OperazioniChiuse_->setAccessibleName(QStringLiteral("Operazioni chiuse"));
    dbg_OperazioniChiuse_->setModel(modello_);
    dbg_OperazioniChiuse_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dbg_OperazioniChiuse_->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbg_OperazioniChiuse_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    dbg_OperazioniChiuse_->verticalHeader()->setVisible(false);
    dbg_OperazioniChiuse_->verticalHeader()->setDefaultSectionSize(20);
    dbg_OperazioniChiuse_->setGeometry(0, 0, LarghezzaProgetto(), 300);

    Colore();
    Main();
    resize(sizeHint());
}

QSize frmOperazioniChiuse::sizeHint() const
{
    return {twips::Pixel(LarghezzaFinestra) - 8, 360};
}

void frmOperazioniChiuse::Colore()
{
    ApplicaColori(this, contesto_.stato.DbDataSet);
}

void frmOperazioniChiuse::Main()
{
    const StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    const Esito errore = modello_->carica(SqlGrigliaOperazioniChiuse, stato.DbPortafoglio);
    if (!errore.ok())
        contesto_.messaggi.mostra(errore.messaggio, Messaggi::Icona::Esclamazione);

    // The columns come in table order; show the ten in the grid's own order.
    QHeaderView* testata = dbg_OperazioniChiuse_->horizontalHeader();
    for (int c = 0; c < ColOperazioniChiuse::Numero; ++c)
        dbg_OperazioniChiuse_->setColumnHidden(c, true);
    int posto = 0;
    for (const Colonna& c : Colonne) {
        dbg_OperazioniChiuse_->setColumnHidden(c.campo, false);
        // A caption is never cut, whatever the font.
        const int testo = testata->fontMetrics().horizontalAdvance(QString::fromUtf8(c.titolo)) + 8;
        dbg_OperazioniChiuse_->setColumnWidth(c.campo, std::max(c.larghezza, testo));
        testata->moveSection(testata->visualIndex(c.campo), posto++);
    }
    RegolaDimensioni();
}

int frmOperazioniChiuse::larghezzaGriglia() const
{
    int w = dbg_OperazioniChiuse_->verticalScrollBar()->sizeHint().width() + 2 * dbg_OperazioniChiuse_->frameWidth();
    for (const Colonna& c : Colonne)
        w += dbg_OperazioniChiuse_->columnWidth(c.campo);
    return w;
}

void frmOperazioniChiuse::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    RegolaDimensioni();
}

void frmOperazioniChiuse::RegolaDimensioni()
{
    if (inRegolazione_)
        return;
    // In its normal state the window keeps its designed width; the resize this causes comes
    // back here while the guard is up, so the grid is placed below, on the final size.
    auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (cornice && !(cornice->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        const int larghezza = twips::Pixel(LarghezzaFinestra);
        if (cornice->width() != larghezza) {
            inRegolazione_ = true;
            cornice->resize(larghezza, cornice->height());
            inRegolazione_ = false;
        }
    }

    // The grid is centred; its height follows the window's.
    const QSize esterna = twips::DimensioneEsterna(this);
    QRect g = dbg_OperazioniChiuse_->geometry();
    g.setWidth(std::min(larghezzaGriglia(), width()));
    g.moveLeft(std::max(0, (width() - g.width()) / 2));
    if (esterna.height() > 1000)
        g.setHeight(twips::Pixel(esterna.height() - 370));
    g.setHeight(std::clamp(g.height(), 1, std::max(1, height())));
    dbg_OperazioniChiuse_->setGeometry(g);
}
