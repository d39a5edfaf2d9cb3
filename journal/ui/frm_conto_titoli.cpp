#include "frm_conto_titoli.h"

#include "applica_colori.h"
#include "campo_data.h"
#include "controlli.h"
#include "date.h"
#include "filtro_tasti.h"
#include "grafico.h"
#include "griglia_sola_lettura.h"
#include "larghezza_griglia.h"
#include "liquidita.h"
#include "modello_griglia.h"
#include "numeri.h"
#include "scelta_barre.h"
#include "tabella_conto.h"
#include "twips.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The chart starts at 6360 twips; grid and panel lie on its left.
constexpr int SinistraGrafico = 6360;
constexpr int LarghezzaSinistra = 420; // pixels

} // namespace

frmContoTitoli::frmContoTitoli(ContestoFinestre& contesto, QWidget* parent)
    : QWidget(parent), contesto_(contesto), modello_(new ModelloGriglia(this))
{
    setObjectName(QStringLiteral("frmContoTitoli"));
    setWindowTitle(QStringLiteral("Gestione conto titoli"));
    Costruisci();
    resize(sizeHint());

    // Load: "Nuovo" as first shown, colours, then the first refresh.
    RegolaModo();
    Colore();
    Main();
}

void frmContoTitoli::Costruisci()
{
    QStringList intestazioni;
    for (int c = 0; c < ColConto::Numero; ++c)
        intestazioni << QString();
    intestazioni[ColConto::Data] = QStringLiteral("Data");
    intestazioni[ColConto::Tipo] = QStringLiteral("Tipo");
    intestazioni[ColConto::Importo] = QStringLiteral("Importo");
    intestazioni[ColConto::Descrizione] = QStringLiteral("Descrizione");
    modello_->impostaIntestazioni(intestazioni);
    modello_->impostaColonneData({ColConto::Data});

    DBGrid1_ = Crea<QTableView>(this, "DBGrid1");
    DBGrid1_->setAccessibleName(QStringLiteral("Movimenti del conto"));
    DBGrid1_->setModel(modello_);
    GrigliaSolaLettura(DBGrid1_);
    DBGrid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DBGrid1_->verticalHeader()->setDefaultSectionSize(20);
    DBGrid1_->horizontalHeader()->setDefaultSectionSize(80);
    DBGrid1_->horizontalHeader()->setStretchLastSection(true);
    ColonnaTestoLibero(DBGrid1_, ColConto::Descrizione);
    DBGrid1_->setGeometry(2, 2, LarghezzaSinistra, 200);

    // The entry panel.
    auto* pannello = Crea<QGroupBox>(this, "Frame1");
    pannello->setGeometry(2, 206, LarghezzaSinistra, 146);
    auto* g = new QGridLayout(pannello);
    g->setContentsMargins(4, 4, 4, 4);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);

    Option1_ = new QButtonGroup(this);
    Option1_->setObjectName(QStringLiteral("Option1"));
    auto* modi = new QVBoxLayout;
    const std::pair<int, const char*> bottoni[]
        = {{IdNuovo, "Nuovo"}, {IdModifica, "Modifica"}, {IdElimina, "Elimina"}};
    for (const auto& [id, testo] : bottoni) {
        auto* b = new QRadioButton(QString::fromUtf8(testo), pannello);
        b->setObjectName(QStringLiteral("Option1_%1").arg(id));
        Option1_->addButton(b, id);
        modi->addWidget(b);
    }
    Option1_->button(IdNuovo)->setChecked(true);
    Option1_->button(IdModifica)->setEnabled(false);
    Option1_->button(IdElimina)->setEnabled(false);
    g->addLayout(modi, 0, 0, 4, 1);

    dtp_Data_ = CreaCampoData(pannello, "dtp_Data", contesto_.messaggi);
    dtp_Data_->setDate(QDate::currentDate());
    cmb_Tipo_ = Crea<QComboBox>(pannello, "cmb_Tipo");
    cmb_Tipo_->addItems(conto::Tipi());
    txtImporto_ = Crea<QLineEdit>(pannello, "txtImporto");
    ApplicaFiltroNumero(txtImporto_, 5, 2);
    txt_Descrizione_ = Crea<QLineEdit>(pannello, "txt_Descrizione");
    ApplicaFiltroCaratteri(txt_Descrizione_);

    g->addWidget(Etichetta(pannello, "Label35", QStringLiteral("Data"), dtp_Data_), 0, 1);
    g->addWidget(dtp_Data_, 0, 2);
    g->addWidget(Etichetta(pannello, "Label39", QStringLiteral("Tipo"), cmb_Tipo_), 1, 1);
    g->addWidget(cmb_Tipo_, 1, 2);
    g->addWidget(Etichetta(pannello, "Label1", QStringLiteral("Importo"), txtImporto_), 2, 1);
    g->addWidget(txtImporto_, 2, 2);
    g->addWidget(Etichetta(pannello, "Label2", QStringLiteral("Descrizione"), txt_Descrizione_), 3, 1);
    g->addWidget(txt_Descrizione_, 3, 2);

    cmd_Ok_ = Crea<QPushButton>(pannello, "cmd_Ok");
    cmd_Ok_->setText(QStringLiteral("Conferma"));
    cmd_Ok_->setEnabled(false);
    Command1_ = Crea<QPushButton>(pannello, "Command1");
    Command1_->setText(QStringLiteral("Esci"));
    g->addWidget(cmd_Ok_, 0, 3);
    g->addWidget(Command1_, 1, 3);
    g->setColumnStretch(2, 1);

    auto* Label5 = Etichetta(this, "Label5", QStringLiteral("Saldo conto titoli:"));
    Label5->setGeometry(6, 358, 130, 20);
    lab_Saldo_ = Etichetta(this, "lab_Saldo", QString());
    lab_Saldo_->setGeometry(140, 358, 180, 20);

    frm_Grafici_ = Crea<QGroupBox>(this, "frm_Grafici");
    frm_Grafici_->setGeometry(2, 382, LarghezzaSinistra, 34);
    auto* tipi = new QHBoxLayout(frm_Grafici_);
    tipi->setContentsMargins(6, 2, 6, 2);
    Option2_ = CreaSceltaBarre(this, "Option2", frm_Grafici_, tipi, {IdBarre, IdBarre3D});
    tipi->addStretch(1);

    msc_ContoTitoli_ = Crea<Grafico>(this, "msc_ContoTitoli");
    msc_ContoTitoli_->setAccessibleName(QStringLiteral("Grafico del conto"));
    CollegaSceltaBarre(Option2_, {IdBarre, IdBarre3D}, msc_ContoTitoli_);

    connect(Option1_, &QButtonGroup::idClicked, this, [this](int) { RegolaModo(); });
    // The row the user moves to is the one a refresh returns to.
    connect(DBGrid1_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& attuale) {
                if (attuale.isValid())
                    RigaCorrente = attuale.row();
                RegolaModo();
            });
    connect(txtImporto_, &QLineEdit::textChanged, this, [this] { ControlloImporto(); });
    connect(cmd_Ok_, &QPushButton::clicked, this, [this] { Conferma(); });
    connect(Command1_, &QPushButton::clicked, this, [this] { Esci(); });
}

QSize frmContoTitoli::sizeHint() const
{
    return {760, 420};
}

void frmContoTitoli::Colore()
{
    ApplicaColori(this, contesto_.stato.DbDataSet);
}

int frmContoTitoli::modo() const
{
    return Option1_->checkedId();
}

int frmContoTitoli::rigaGriglia() const
{
    return DBGrid1_->currentIndex().isValid() ? DBGrid1_->currentIndex().row() : -1;
}

// Makes `riga` current without the panel following: the callers refill it themselves.
void frmContoTitoli::vaiARiga(int riga)
{
    if (modello_->rowCount() == 0)
        return;
    riga = std::clamp(riga, 0, modello_->rowCount() - 1);
    const QSignalBlocker blocco(DBGrid1_->selectionModel());
    DBGrid1_->setCurrentIndex(modello_->index(riga, ColConto::Data));
    DBGrid1_->selectRow(riga);
    DBGrid1_->scrollTo(modello_->index(riga, ColConto::Data));
}

void frmContoTitoli::ricaricaGriglia()
{
    const Esito errore = modello_->carica(SqlGrigliaConto, contesto_.stato.DbPortafoglio);
    if (!errore.ok())
        contesto_.messaggi.mostra(errore.messaggio, Messaggi::Icona::Esclamazione);
}

void frmContoTitoli::Main()
{
    const StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    ricaricaGriglia();
    DBGrid1_->setColumnHidden(ColConto::ID, true);
    AdattaColonne(DBGrid1_);
    if (modello_->rowCount() >= 1) {
        Option1_->button(IdModifica)->setEnabled(true);
        Option1_->button(IdElimina)->setEnabled(true);
    }
    cmb_Tipo_->setCurrentIndex(0);
    RicalcolaSaldo();
    // The panel shows the current row again, or a refresh would leave the first kind in
    // place of the row's own and a later "Conferma" would write it.
    if (modo() != IdNuovo)
        RegolaModo();
}

void frmContoTitoli::RicalcolaSaldo()
{
    const LetturaLiquidita lettura = LeggiLiquidita(contesto_.stato);
    if (!lettura.errore.isEmpty())
        contesto_.messaggi.mostra(lettura.errore, Messaggi::Icona::Esclamazione);
    const Liquidita& l = lettura.figure;
    SommeConto somme;
    if (modello_->rowCount() == 0) {
        cmd_Ok_->setEnabled(false);
        Option1_->button(IdNuovo)->setChecked(true);
        RegolaModo();
        Option1_->button(IdModifica)->setEnabled(false);
        Option1_->button(IdElimina)->setEnabled(false);
        RigaCorrente = 0;
    } else {
        somme = l.movimenti;
        for (int i = 0; i < somme.sconosciuti; ++i)
            contesto_.messaggi.mostra(conto::MessaggioTipoSconosciuto);
        Option1_->button(IdModifica)->setEnabled(true);
        Option1_->button(IdElimina)->setEnabled(true);
        // A portfolio with fewer movements than the remembered row shows its last one.
        RigaCorrente = std::clamp(RigaCorrente, 0, modello_->rowCount() - 1);
        vaiARiga(RigaCorrente);
    }

    lab_Saldo_->setText(numeri::TestoNumero(somme.netto + l.guadagnoNetto + l.capitaleIniziale));

    const double barre[] = {somme.dividendi, somme.versamenti, somme.prelievi, somme.costi, l.guadagnoNetto};
    const char* etichette[] = {"Dividendi", "Versamento", "Prelievo", "CostiGestione", "saldoOperazioni"};
    msc_ContoTitoli_->setRowCount(5);
    msc_ContoTitoli_->setColumnCount(1);
    msc_ContoTitoli_->setColumn(1);
    for (int r = 0; r < 5; ++r) {
        msc_ContoTitoli_->setRow(r + 1);
        msc_ContoTitoli_->setData(barre[r]);
        msc_ContoTitoli_->setRowLabel(QString::fromUtf8(etichette[r]));
    }
}

void frmContoTitoli::coloreDescrizione(QPalette::ColorRole ruolo)
{
    QPalette p = txt_Descrizione_->palette();
    const QColor colore = palette().color(QPalette::Active, ruolo);
    for (auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(gruppo, QPalette::Base, colore);
    txt_Descrizione_->setPalette(p);
}

void frmContoTitoli::RegolaModo()
{
    switch (modo()) {
    case IdElimina: {
        for (QWidget* w : std::initializer_list<QWidget*>{dtp_Data_, cmb_Tipo_, txtImporto_, txt_Descrizione_})
            w->setEnabled(false);
        cmd_Ok_->setEnabled(modello_->rowCount() > 0);
        const bool vuota
            = modello_->valore(rigaGriglia(), QStringLiteral("Descrizione")).toString() == QLatin1String(".");
        coloreDescrizione(vuota ? QPalette::Midlight : QPalette::Base);
        RiempiDaRiga();
        break;
    }
    case IdModifica:
        for (QWidget* w : std::initializer_list<QWidget*>{dtp_Data_, cmb_Tipo_, txtImporto_, txt_Descrizione_})
            w->setEnabled(true);
        coloreDescrizione(QPalette::Base);
        RiempiDaRiga();
        ControlloImporto();
        break;
    default:
        dtp_Data_->setEnabled(true);
        cmb_Tipo_->setEnabled(true);
        txtImporto_->setEnabled(true);
        dtp_Data_->setDate(QDate::currentDate());
        cmb_Tipo_->setCurrentIndex(0);
        txtImporto_->clear();
        ControlloImporto();
        txt_Descrizione_->setText(QStringLiteral("."));
        txt_Descrizione_->setEnabled(false);
        coloreDescrizione(QPalette::Button);
        break;
    }
}

void frmContoTitoli::RiempiDaRiga()
{
    const int riga = rigaGriglia();
    if (riga < 0)
        return;
    dtp_Data_->setDate(date::DaIso(modello_->valore(riga, QStringLiteral("Data")).toString()));
    // A kind outside the list (another program may write one) shows as itself, with no kind
    // of the list selected: "Conferma" then asks for one instead of writing a kind not chosen.
    const QString tipo = modello_->valore(riga, QStringLiteral("Tipo")).toString();
    const int indice = cmb_Tipo_->findText(tipo);
    cmb_Tipo_->setPlaceholderText(indice < 0 ? tipo : QString());
    cmb_Tipo_->setCurrentIndex(indice);
    txtImporto_->setText(numeri::TestoNumero(modello_->valore(riga, QStringLiteral("Importo")).toDouble()));
    txt_Descrizione_->setText(modello_->valore(riga, QStringLiteral("Descrizione")).toString());
}

// "Conferma" and the description follow the amount: both only when it reads as a number.
void frmContoTitoli::ControlloImporto()
{
    if (modo() == IdElimina)
        return;
    const bool numero = numeri::LeggiNumero(txtImporto_->text()).has_value();
    cmd_Ok_->setEnabled(numero);
    txt_Descrizione_->setEnabled(numero);
    coloreDescrizione(numero ? QPalette::Base : QPalette::Button);
}

void frmContoTitoli::Conferma()
{
    StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;
    Esito esito;
    const int m = modo();
    if (m == IdElimina) {
        const int riga = rigaGriglia();
        if (riga < 0)
            return;
        RigaCorrente = riga;
        esito = EliminaMovimento(stato.DbPortafoglio, modello_->valore(riga, QStringLiteral("ID")).toLongLong());
        if (esito.ok()) {
            ricaricaGriglia();
            const int rimaste = modello_->rowCount();
            // The following row takes the deleted one's place; after the last, the previous one.
            if (RigaCorrente + 1 > rimaste)
                RigaCorrente = std::max(0, RigaCorrente - 1);
            if (rimaste == 0)
                cmd_Ok_->setEnabled(false);
        }
    } else {
        const std::optional<QDate> data = dtp_Data_->dataConfermata();
        if (!data)
            return;
        const auto importo = numeri::LeggiNumero(txtImporto_->text());
        if (!importo) {
            contesto_.messaggi.mostra(
                QStringLiteral("Importo non valido: scrivere un numero, con la virgola per i decimali."),
                Messaggi::Icona::Esclamazione);
            return;
        }
        if (cmb_Tipo_->currentIndex() < 0) {
            contesto_.messaggi.mostra(
                QStringLiteral("Il movimento è del tipo \"%1\", che non è tra quelli dell'elenco: scegliere il tipo "
                               "prima di confermare. Il movimento resta com'era.")
                    .arg(cmb_Tipo_->placeholderText()),
                Messaggi::Icona::Esclamazione);
            return;
        }
        if (txt_Descrizione_->text().isEmpty())
            txt_Descrizione_->setText(QStringLiteral("."));
        const MovimentoConto movimento{*data, cmb_Tipo_->currentText(), *importo, txt_Descrizione_->text()};
        if (m == IdNuovo) {
            qint64 nuovo = 0;
            esito = InserisciMovimento(stato.DbPortafoglio, movimento, &nuovo);
            if (esito.ok()) {
                ricaricaGriglia();
                for (int r = 0; r < modello_->rowCount(); ++r)
                    if (modello_->valore(r, QStringLiteral("ID")).toLongLong() == nuovo)
                        RigaCorrente = r;
            }
        } else {
            const int riga = rigaGriglia();
            if (riga < 0)
                return;
            RigaCorrente = riga;
            esito = ModificaMovimento(stato.DbPortafoglio, modello_->valore(riga, QStringLiteral("ID")).toLongLong(),
                                      movimento);
            if (esito.ok())
                ricaricaGriglia();
        }
    }
    if (!esito.ok()) {
        contesto_.messaggi.mostra(esito.messaggio, Messaggi::Icona::Esclamazione);
        return;
    }
    vaiARiga(RigaCorrente);
    RicalcolaSaldo();
    // A booked movement leaves the panel as "Nuovo" opens it, so a second click books nothing.
    if (m == IdNuovo)
        RegolaModo();
    contesto_.principale.ControlloMenu();
    // The refresh may disable "Conferma", which would hand the focus on to the grid: the
    // keyboard user goes on from the panel, at the date of a new movement or at the mode.
    if (modo() == IdNuovo)
        dtp_Data_->setFocus(Qt::TabFocusReason);
    else if (QAbstractButton* scelto = Option1_->checkedButton())
        scelto->setFocus(Qt::TabFocusReason);
}

void frmContoTitoli::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    RegolaDimensioni();
}

void frmContoTitoli::RegolaDimensioni()
{
    const QSize esterna = twips::DimensioneEsterna(this);
    QRect g = msc_ContoTitoli_->geometry();
    g.moveLeft(twips::Pixel(SinistraGrafico));
    g.moveTop(0);
    if (esterna.width() > 6361)
        g.setWidth(twips::Pixel(esterna.width() - 6360));
    if (esterna.height() > 1000)
        g.setHeight(twips::Pixel(esterna.height() - 390));
    g.setWidth(std::clamp(g.width(), 1, std::max(1, width() - g.left())));
    g.setHeight(std::clamp(g.height(), 1, std::max(1, height())));
    msc_ContoTitoli_->setGeometry(g);
}

void frmContoTitoli::Esci()
{
    if (auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget()))
        cornice->close();
    else
        close();
}
