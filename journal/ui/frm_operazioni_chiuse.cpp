#include "frm_operazioni_chiuse.h"

#include "applica_colori.h"
#include "griglia_sola_lettura.h"
#include "impronta_righe.h"
#include "larghezza_griglia.h"
#include "modello_griglia.h"
#include "tabella_operazioni_chiuse.h"
#include "twips.h"

#include <QHeaderView>
#include <QMdiSubWindow>
#include <QTableView>

#include <algorithm>

namespace {

// In a normal state the window keeps this width, its frame included, or the width its grid
// needs when the figures are wider.
constexpr int LarghezzaFinestra = 10420; // twips
constexpr int CorniceMdi = 8; // pixels of a child window's frame, both sides

// The ten columns shown, in their order. Each is as wide as its caption and its figures; the
// security's name, the user's own text, keeps its designed width and tells the rest in a tooltip.
struct Colonna {
    int campo;
    const char* titolo;
};
const Colonna Colonne[] = {
    {ColOperazioniChiuse::Data, "Data"},
    {ColOperazioniChiuse::System, "System"},
    {ColOperazioniChiuse::Cod, "Codice"},
    {ColOperazioniChiuse::Titolo, "Titolo"},
    {ColOperazioniChiuse::PzoCarico, "P.zo di Carico"},
    {ColOperazioniChiuse::Qta, "Quantita'"},
    {ColOperazioniChiuse::Prezzo, "Prezzo di vendita"},
    {ColOperazioniChiuse::Commissioni, "Comm"},
    {ColOperazioniChiuse::GP, "Ricavo"},
    {ColOperazioniChiuse::GPPercentuale, "% "},
};
constexpr int LarghezzaTitolo = 76;

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
    GrigliaSolaLettura(dbg_OperazioniChiuse_);
    dbg_OperazioniChiuse_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    dbg_OperazioniChiuse_->verticalHeader()->setVisible(false);
    dbg_OperazioniChiuse_->verticalHeader()->setDefaultSectionSize(20);
    ColonnaTestoLibero(dbg_OperazioniChiuse_, ColOperazioniChiuse::Titolo);
    dbg_OperazioniChiuse_->setGeometry(0, 0, twips::Pixel(LarghezzaFinestra) - CorniceMdi, 300);

    Colore();
    Main();
    resize(sizeHint());
}

QSize frmOperazioniChiuse::sizeHint() const
{
    return {larghezzaNormale() - CorniceMdi, 360};
}

int frmOperazioniChiuse::larghezzaNormale() const
{
    const auto* cornice = qobject_cast<const QMdiSubWindow*>(parentWidget());
    const int bordo = cornice ? cornice->width() - width() : CorniceMdi;
    return std::max(twips::Pixel(LarghezzaFinestra), LarghezzaPerColonne(dbg_OperazioniChiuse_) + bordo);
}

void frmOperazioniChiuse::Colore()
{
    ApplicaColori(this, contesto_.stato.DbDataSet);
    // New colours or fonts may size the columns anew.
    mostrate_.reset();
}

void frmOperazioniChiuse::Main()
{
    const StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    // Most changes (a buy, an edit of a later trade) leave the closed operations as they were:
    // then the grid already shows them, and loading and measuring every row again is not needed.
    // A sell adds its operation after the others, which stay as they were: only the new rows
    // are read then.
    ImprontaRighe inizio;
    const std::optional<ImprontaRighe> impronta
        = ImprontaRigheDi(stato.DbPortafoglio, SqlGrigliaOperazioniChiuse, mostrate_ ? mostrate_->righe : 0, inizio);
    if (impronta && mostrate_ && *impronta == *mostrate_)
        return;
    const bool inCoda = impronta && mostrate_ && mostrate_->righe > 0 && inizio == *mostrate_
        && mostrate_->righe == modello_->rowCount();
    mostrate_.reset();
    const Esito errore = inCoda ? modello_->caricaDopo(SqlGrigliaOperazioniChiuse, stato.DbPortafoglio, modello_->rowCount())
                                : modello_->carica(SqlGrigliaOperazioniChiuse, stato.DbPortafoglio);
    if (errore.ok())
        mostrate_ = impronta;
    if (!errore.ok())
        contesto_.messaggi.mostra(errore.messaggio, Messaggi::Icona::Esclamazione);

    // The columns come in table order; show the ten in the grid's own order.
    QHeaderView* testata = dbg_OperazioniChiuse_->horizontalHeader();
    for (int c = 0; c < ColOperazioniChiuse::Numero; ++c)
        dbg_OperazioniChiuse_->setColumnHidden(c, true);
    int posto = 0;
    for (const Colonna& c : Colonne) {
        dbg_OperazioniChiuse_->setColumnHidden(c.campo, false);
        testata->moveSection(testata->visualIndex(c.campo), posto++);
    }
    dbg_OperazioniChiuse_->setColumnWidth(ColOperazioniChiuse::Titolo, LarghezzaTitolo);
    AdattaColonne(dbg_OperazioniChiuse_);
    RegolaDimensioni();
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
    // In its normal state the window keeps its designed width, or its grid's; the resize this
    // causes comes back here while the guard is up, so the grid is placed below, on the final size.
    auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (cornice && !(cornice->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        const int larghezza = larghezzaNormale();
        if (cornice->width() != larghezza) {
            inRegolazione_ = true;
            cornice->resize(larghezza, cornice->height());
            inRegolazione_ = false;
        }
    }

    // The grid is centred; its height follows the window's.
    const QSize esterna = twips::DimensioneEsterna(this);
    QRect g = dbg_OperazioniChiuse_->geometry();
    g.setWidth(std::min(LarghezzaPerColonne(dbg_OperazioniChiuse_), width()));
    g.moveLeft(std::max(0, (width() - g.width()) / 2));
    if (esterna.height() > 1000)
        g.setHeight(twips::Pixel(esterna.height() - 370));
    g.setHeight(std::clamp(g.height(), 1, std::max(1, height())));
    dbg_OperazioniChiuse_->setGeometry(g);
}
