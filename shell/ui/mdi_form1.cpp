#include "mdi_form1.h"

#include "applica_colori.h"
#include "barra_orologi.h"
#include "barra_stato.h"
#include "cl_clock.h"
#include "finestra_figlia.h"
#include "finestra_guida.h"
#include "numeri.h"
#include "personalizza_toolbar.h"
#include "picture_box.h"
#include "pulsanti_toolbar.h"
#include "tieni_nell_area.h"

#include <QAction>
#include <QDateEdit>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include <functional>

// The icons live in this static library: their resource is registered by hand, and the
// macro must stand outside any namespace.
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
    : QMainWindow(parent), contesto_{stato, messaggi, dialoghi, *this}, area_(new QMdiArea(this))
{
    InizializzaRisorse();
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Brunivox"));
    area_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(area_);

    costruisciMenu();
    costruisciToolbar();
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

QAction* MDIForm1::aggiungiVoce(QMenu* menu, const QString& nome, const QString& testo)
{
    QAction* azione = menu->addAction(testo);
    azione->setObjectName(nome);
    voci_.insert(nome, azione);
    return azione;
}

void MDIForm1::costruisciMenu()
{
    using Comando = std::function<void()>;
    struct Voce {
        const char* nome;
        const char* testo;
        Comando comando;
    };
    struct Menu {
        const char* nome;
        const char* titolo;
        std::vector<Voce> voci;
    };
    // Entries without a command of their own open the window the table gives them.
    const Comando dallaTabella;

    const std::vector<Menu> menu = {
        {"mnu_File", "File", {
            {"mnu_NuovoPortafoglio", "Nuovo Portafoglio", [this] { NuovoPortafoglio(); }},
            {"mnu_Apri", "Apri", [this] { ApriPortafoglio(); }},
            {"mnu_Salva", "Salva con nome", [this] { SalvaConNome(); }},
            {"mnu_Importa", "Importa", dallaTabella},
            {"mnu_Esporta", "Esporta", dallaTabella},
            {"mnu_Exit", "Chiudi", [this] { close(); }},
            {"mnu_ApriUltimo", "", [this] { ApriUltimoPortafoglio(); }},
        }},
        {"mnu_Strumenti", "Strumenti", {
            {"mnu_Password", "Password", dallaTabella},
            {"mnu_ParametriIniziali", "Parametri Iniziali", dallaTabella},
            {"mnu_PersonalizzaErrori", "Personalizza Errori", dallaTabella},
        }},
        {"mnu_Opzioni", "Opzioni", {
            {"mnu_OpzioniVista", "Vista", dallaTabella},
            {"mnu_Menu", "Menu", [this] { personalizzaMenu(); }},
        }},
        {"mnu_view", "Visualizza", {
            {"mnu_Calcolatore", "Calcolatore finanziario", dallaTabella},
            {"mnu_ContoTitoli", "Gestione Conto Titoli", dallaTabella},
            {"mnu_Eseguiti", "Tabella Eseguiti", dallaTabella},
            {"mnu_Portafoglio", "Tabella portafoglio titoli", dallaTabella},
            {"mnu_OperazioniChiuse", "Tabella operazioni chiuse", dallaTabella},
            {"mnu_Report", "Report", dallaTabella},
            {"mnu_StatistichePeriodo", "Statistiche giorno", dallaTabella},
            {"mnu_Errori", "Statistiche errori", dallaTabella},
            {"mnu_SequenzeOperazioni", "Grafico operazioni", dallaTabella},
            {"mnu_GP", "Grafico capitale", dallaTabella},
            {"mnu_Risk", "Risk", dallaTabella},
            {"mnu_MDD", "Massimo Draw Down (MDD)", dallaTabella},
            {"mnu_Medie", "Medie", dallaTabella},
        }},
        {"mnu_HelpIndex", "?", {
            {"mnu_Help", "Help", [this] { apriGuida(); }},
            {"mnu_Tips", "Consigli", dallaTabella},
            {"mnu_About", "About", dallaTabella},
        }},
    };

    for (const Menu& m : menu) {
        QMenu* tendina = menuBar()->addMenu(QString::fromUtf8(m.titolo));
        tendina->setObjectName(QLatin1String(m.nome));
        tendina->menuAction()->setObjectName(QLatin1String(m.nome));
        for (const Voce& v : m.voci) {
            QAction* azione = aggiungiVoce(tendina, QLatin1String(v.nome), QString::fromUtf8(v.testo));
            if (v.comando)
                connect(azione, &QAction::triggered, this, v.comando);
            else
                connect(azione, &QAction::triggered, this, [this, voce = QString::fromLatin1(v.nome)] { apriDaVoce(voce); });
        }
    }
}

void MDIForm1::costruisciToolbar()
{
    toolbar1_ = addToolBar(QStringLiteral("Barra degli strumenti"));
    toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1_->setMovable(false);
    const auto& tabella = PulsantiToolbar();
    auto riga = tabella.begin();
    for (int indice = 1; indice <= NumeroPulsantiToolbar; ++indice) {
        if (riga == tabella.end() || riga->indice != indice) {
            pulsanti_ << toolbar1_->addSeparator();
            continue;
        }
        QAction* pulsante = toolbar1_->addAction(QString());
        pulsante->setObjectName(riga->chiave);
        pulsante->setData(riga->chiave);
        pulsante->setProperty("descrizione", riga->tooltip);
        pulsanti_ << pulsante;
        ++riga;
    }
    connect(toolbar1_, &QToolBar::actionTriggered, this, &MDIForm1::cliccaPulsante);
}

QAction* MDIForm1::pulsante(int indice) const
{
    return indice >= 1 && indice <= pulsanti_.size() ? pulsanti_.at(indice - 1) : nullptr;
}

QAction* MDIForm1::voce(const QString& nome) const
{
    return voci_.value(nome, nullptr);
}

void MDIForm1::abilitaVoci(std::initializer_list<const char*> nomi, bool abilitate)
{
    for (const char* nome : nomi)
        if (QAction* v = voce(QLatin1String(nome)))
            v->setEnabled(abilitate);
}

void MDIForm1::abilitaPulsanti(std::initializer_list<int> indici, bool abilitati)
{
    for (int i : indici)
        if (QAction* p = pulsante(i))
            p->setEnabled(abilitati);
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
        QAction* p = pulsante(riga.indice);
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

void MDIForm1::statoSenzaPortafoglio()
{
    for (int i = 1; i <= NumeroPulsantiToolbar; ++i)
        if (QAction* p = pulsante(i); p && !p->isSeparator())
            p->setEnabled(i == 1 || i == 2 || i == 4);
    // The last-file entry follows ApriUltimo, not the portfolio.
    for (QAction* v : std::as_const(voci_))
        if (v->objectName() != QLatin1String("mnu_ApriUltimo"))
            v->setEnabled(true);
    // The cash account works on the open portfolio, so it waits for one like the rest.
    abilitaVoci({"mnu_Salva", "mnu_Importa", "mnu_Eseguiti", "mnu_ContoTitoli", "mnu_Portafoglio", "mnu_Errori",
                 "mnu_OperazioniChiuse", "mnu_SequenzeOperazioni", "mnu_Esporta", "mnu_GP",
                 "mnu_StatistichePeriodo", "mnu_Report", "mnu_Risk", "mnu_MDD", "mnu_Medie"},
                false);
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
    statoSenzaPortafoglio();

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
        return;   // the splash was left without the password: the program ends here
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
    case 1: NuovoPortafoglio(); break;
    case 2: ApriPortafoglio(); break;
    case 3: ApriUltimoPortafoglio(); break;
    default: break;
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
    tabella_ = std::move(tabella);
}

const DescrittoreFinestra* MDIForm1::descrittore(const QString& nome) const
{
    for (const DescrittoreFinestra& d : tabella_)
        if (d.nome == nome)
            return &d;
    return nullptr;
}

bool MDIForm1::registraFinestra(const QString& nome, FabbricaFinestra fabbrica)
{
    for (DescrittoreFinestra& d : tabella_)
        if (d.nome == nome) {
            d.fabbrica = std::move(fabbrica);
            return true;
        }
    qWarning("Finestra sconosciuta: %s", qPrintable(nome));
    return false;
}

void MDIForm1::apriDaVoce(const QString& voce)
{
    for (const DescrittoreFinestra& d : tabella_)
        if (d.voceMenu == voce) {
            apriFinestra(d.nome);
            return;
        }
}

FinestraFiglia* MDIForm1::sottofinestra(const QString& nome) const
{
    for (QMdiSubWindow* s : area_->subWindowList()) {
        auto* figlia = qobject_cast<FinestraFiglia*>(s);
        if (figlia && !figlia->chiusa() && figlia->widget() && figlia->widget()->objectName() == nome)
            return figlia;
    }
    return nullptr;
}

QWidget* MDIForm1::finestra(const QString& nome) const
{
    FinestraFiglia* s = sottofinestra(nome);
    return s ? s->widget() : nullptr;
}

QWidget* MDIForm1::apriFinestra(const QString& nome, bool inPrimoPiano)
{
    FinestraFiglia* figlia = sottofinestra(nome);
    if (!figlia) {
        const DescrittoreFinestra* d = descrittore(nome);
        if (!d) {
            qWarning("Finestra sconosciuta: %s", qPrintable(nome));
            return nullptr;
        }
        if (!d->fabbrica)
            return nullptr;
        QWidget* w = d->fabbrica(contesto_);
        if (!w)
            return nullptr;
        if (w->objectName().isEmpty())
            w->setObjectName(nome);
        if (auto* dialogo = qobject_cast<QDialog*>(w); dialogo && d->genere == GenereFinestra::Dialogo) {
            QPointer<QDialog> guardia(dialogo);
            if (!dialogo->parent())
                dialogo->setParent(this, dialogo->windowFlags() | Qt::Dialog);
            dialogo->exec();
            delete guardia.data();
            return nullptr;
        }
        figlia = new FinestraFiglia;
        figlia->setWidget(w);
        figlia->setWindowTitle(w->windowTitle());
        area_->addSubWindow(figlia);
    }
    if (inPrimoPiano) {
        if (figlia->isMinimized())
            figlia->showNormal();
        figlia->show();
        figlia->raise();
        area_->setActiveSubWindow(figlia);
    } else {
        figlia->show();
    }
    TieniNellArea(figlia);
    return figlia->widget();
}

void MDIForm1::scaricaFinestra(const QString& nome)
{
    if (FinestraFiglia* s = sottofinestra(nome))
        s->close();
}

void MDIForm1::cliccaPulsante(QAction* premuto)
{
    const QString chiave = premuto->data().toString();
    if (chiave == QLatin1String("Nuovo")) {
        NuovoPortafoglio();
        return;
    }
    if (chiave == QLatin1String("Apri")) {
        ApriPortafoglio();
        return;
    }
    for (const DescrittoreFinestra& d : tabella_)
        if (d.chiaveToolbar == chiave) {
            apriFinestra(d.nome, d.inPrimoPianoDaToolbar);
            return;
        }
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
    for (QAction* p : std::as_const(pulsanti_))
        if (!p->isSeparator())
            pulsanti << p;
    PersonalizzaToolbar dialogo(pulsanti, this);
    dialogo.exec();
}
