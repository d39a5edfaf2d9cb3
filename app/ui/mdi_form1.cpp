#include "mdi_form1.h"

#include "applica_colori.h"
#include "barra_orologi.h"
#include "barra_stato.h"
#include "cl_clock.h"
#include "finestra_guida.h"
#include "numeri.h"
#include "personalizza_toolbar.h"
#include "picture_box.h"
#include "pulsanti_toolbar.h"

#include <QAction>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

// The icons live in a static library: their resource is registered by hand, and the macro
// must stand outside any namespace.
static void InizializzaRisorse()
{
    Q_INIT_RESOURCE(icone);
}

namespace {

// Text of a menu entry that shows a path: "&" stands for itself, not for a shortcut.
QString TestoLetterale(QString testo)
{
    return testo.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

MDIForm1::MDIForm1(StatoApplicazione& stato, Messaggi& messaggi, DialogoFile& dialoghi, QWidget* parent)
    : QMainWindow(parent), contesto_{stato, messaggi, dialoghi, *this}, area_(new QMdiArea(this)),
      finestre_(area_, this, contesto_), sessione_(stato, messaggi, dialoghi, *this)
{
    InizializzaRisorse();
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Brunivox"));
    area_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(area_);

    toolbar1_ = addToolBar(QStringLiteral("Barra degli strumenti"));
    toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1_->setMovable(false);
    comandi_ = std::make_unique<ComandiPrincipale>(toolbar1_);
    costruisciComandi();
    toolbar3_ = new BarraOrologi(messaggi, this);
    addToolBarBreak();
    addToolBar(Qt::TopToolBarArea, toolbar3_);
    barraStato_ = new BarraStato(this);
    setStatusBar(barraStato_);

    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(3000);
    connect(timer2_, &QTimer::timeout, this, &MDIForm1::AggiornaOrologi);

    resize(1024, 720);
}

MDIForm1::~MDIForm1() = default;

void MDIForm1::costruisciComandi()
{
    SessionePortafoglio& s = sessione_;
    // The window's own commands; the table's entries stand between those before and after.
    const std::vector<MenuPrincipale> menu = {
        {"mnu_File",
         "File",
         {{"mnu_NuovoPortafoglio", "Nuovo Portafoglio", [&s] { s.NuovoPortafoglio(); }},
          {"mnu_Apri", "Apri", [&s] { s.ApriPortafoglio(); }},
          {"mnu_Salva", "Salva con nome", [&s] { s.SalvaConNome(); }, ConPortafoglio}},
         {{"mnu_Exit", "Chiudi", [this] { close(); }},
          {"mnu_ApriUltimo", "", [&s] { s.ApriUltimoPortafoglio(); }, Sempre, true}}},
        {"mnu_Strumenti", "Strumenti", {}, {}},
        {"mnu_Opzioni", "Opzioni", {}, {{"mnu_Menu", "Menu", [this] { personalizzaMenu(); }}}},
        {"mnu_view", "Visualizza", {}, {}},
        {"mnu_HelpIndex", "?", {{"mnu_Help", "Help", [this] { apriGuida(); }}}, {}},
    };
    const std::vector<PulsantePrincipale> pulsanti = {
        {"Nuovo", [&s] { s.NuovoPortafoglio(); }},
        {"Apri", [&s] { s.ApriPortafoglio(); }},
    };
    comandi_->costruisci(menuBar(), menu, pulsanti, finestre_.tabella(),
                         [this](const QString& nome, bool inPrimoPiano) { apriFinestra(nome, inPrimoPiano); });
}

void MDIForm1::Colore()
{
    ApplicaColori(this, contesto_.stato.DbDataSet);
}

void MDIForm1::ToolbarMenu(int Icone32, int IconeName)
{
    const bool grandi = Icone32 == 1;
    const bool didascalie = grandi && IconeName == 1;
    toolbar1_->setIconSize(grandi ? QSize(32, 32) : QSize(16, 16));
    toolbar1_->setToolButtonStyle(didascalie ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    for (const PulsanteToolbar& riga : PulsantiToolbar()) {
        QAction* p = pulsante(riga.chiave);
        // Icon-only buttons need their tooltip at either size.
        p->setToolTip(riga.tooltip);
        p->setText(didascalie ? riga.didascalia : QString());
        p->setIcon(ImmagineToolbar(riga.immagine));
        p->setProperty("immagine", riga.immagine);
    }
}

void MDIForm1::mostraToolbar1(bool visibile)
{
    toolbar1_->setVisible(visibile);
}

void MDIForm1::mostraToolbar3(bool visibile)
{
    // The bar keeps its own height of 1000 twips, enough for the faces and their cities.
    toolbar3_->setVisible(visibile);
}

void MDIForm1::Carica()
{
    if (caricato_)
        return;
    caricato_ = true;
    StatoApplicazione& stato = contesto_.stato;

    Colore();
    toolbar3_->data()->setDate(QDate::currentDate());
    settaggi_ = LeggiImpostazioniVista(stato.DbDataSet).value_or(ImpostazioniVista{});
    toolbar3_->setVisible(settaggi_.Clock != 0);
    toolbar1_->setVisible(settaggi_.Menu != 0);
    ToolbarMenu(settaggi_.Icone32, settaggi_.IconeName);
    comandi_->senzaPortafoglio();

    QAction* ultimo = voce(QStringLiteral("mnu_ApriUltimo"));
    if (settaggi_.ApriUltimo == QLatin1String("0")) {
        ultimo->setEnabled(false);
    } else {
        ultimo->setEnabled(true);
        ultimo->setText(TestoLetterale(settaggi_.ApriUltimo));
    }

    orologio_ = std::make_unique<clClock>();
    orologio_->diameter = short(numeri::InteroPari(toolbar3_->quadrante(0)->ScaleWidth() / 2));
    timer2_->start();

    apriFinestra(QStringLiteral("Presentazione"));
    if (stato.AvvioInterrotto)
        return; // the splash was left without the password: the program ends here
    stato.PrimaAttivazione = true;
}

void MDIForm1::Attivazione()
{
    StatoApplicazione& stato = contesto_.stato;
    if (!stato.PrimaAttivazione || inAttivazione_)
        return;
    inAttivazione_ = true;
    if (settaggi_.Tip == 1)
        apriFinestra(QStringLiteral("Tip"));
    stato.PrimaAttivazione = false;
    if (const auto adesso = LeggiImpostazioniVista(stato.DbDataSet); adesso && adesso->Benvenuto == 1)
        apriFinestra(QStringLiteral("frmBenvenuto"));
    switch (stato.SceltaBenvenuto) {
    case 1:
        sessione_.NuovoPortafoglio();
        break;
    case 2:
        sessione_.ApriPortafoglio();
        break;
    case 3:
        sessione_.ApriUltimoPortafoglio();
        break;
    default:
        break;
    }
    inAttivazione_ = false;
}

void MDIForm1::showEvent(QShowEvent* event)
{
    Carica();
    QMainWindow::showEvent(event);
}

bool MDIForm1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && contesto_.stato.PrimaAttivazione)
        // After the activation has been delivered, so that the windows it opens sit on top.
        QMetaObject::invokeMethod(this, &MDIForm1::Attivazione, Qt::QueuedConnection);
    return QMainWindow::event(event);
}

void MDIForm1::AggiornaOrologi()
{
    if (!orologio_)
        return;
    for (int i = 0; i < BarraOrologi::NumeroOrologi; ++i) {
        orologio_->SetClockTime(QDateTime::currentDateTime().addSecs(BarraOrologi::differenzaOre(i) * 3600));
        orologio_->PaintHands(*toolbar3_->quadrante(i));
    }
}

void MDIForm1::impostaTabella(TabellaFinestre tabella)
{
    finestre_.impostaTabella(std::move(tabella));
    costruisciComandi();
}

QWidget* MDIForm1::apriFinestra(const QString& nome, bool inPrimoPiano)
{
    return finestre_.apri(nome, inPrimoPiano);
}

void MDIForm1::ControlloMenu()
{
    aggiornaCon({});
}

void MDIForm1::ControlloMenuConReplay(std::shared_ptr<RicalcoloPronto> pronto)
{
    aggiornaCon({std::move(pronto), std::nullopt});
}

void MDIForm1::aggiornaCon(const RicalcoloAnticipato& anticipo)
{
    ::ControlloMenu(contesto_.stato, contesto_.messaggi, finestre_, *comandi_, anticipo);
}

void MDIForm1::titolo(const QString& testo)
{
    setWindowTitle(testo);
}

void MDIForm1::portafoglioAperto()
{
    comandi_->conPortafoglio();
}

void MDIForm1::nessunPortafoglio()
{
    finestre_.chiudiTutte();
    comandi_->senzaPortafoglio();
}

void MDIForm1::aggiorna(const std::optional<RicalcoloFatto>& fatto)
{
    aggiornaCon({nullptr, fatto});
}

void MDIForm1::mostraEseguiti()
{
    apriFinestra(QStringLiteral("frmEseguiti"));
}

void MDIForm1::apriGuida()
{
    const QString percorso = QDir(contesto_.stato.CartellaProgramma).filePath(NomeFileGuida);
    if (!QFileInfo(percorso).isFile()) {
        contesto_.messaggi.mostra(
            QStringLiteral("Impossibile aprire la guida: il file %1 non si trova nella cartella del programma.")
                .arg(NomeFileGuida),
            Messaggi::Icona::Esclamazione);
        return;
    }
    if (!guida_)
        guida_ = new FinestraGuida(percorso, this);
    else
        guida_->mostraIndice();
    guida_->show();
    guida_->raise();
    guida_->activateWindow();
}

void MDIForm1::personalizzaMenu()
{
    QList<QAction*> pulsanti;
    for (QAction* p : comandi_->pulsanti())
        if (!p->isSeparator())
            pulsanti << p;
    PersonalizzaToolbar dialogo(pulsanti, this);
    dialogo.exec();
}
