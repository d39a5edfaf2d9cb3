// The trade window: its controls, its sizes and its refresh.
#include "frm_eseguiti.h"

#include "applica_colori.h"
#include "campo_data.h"
#include "controlli.h"
#include "filtro_tasti.h"
#include "griglia_sola_lettura.h"
#include "larghezza_griglia.h"
#include "numeri.h"
#include "twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int LarghezzaFinestra = 10660;  // twips
constexpr int AltezzaPannello = 2200;     // twips kept below the grid
constexpr int AltezzaProgetto = 520;      // pixels, at the first opening
constexpr int AltezzaMinimaGriglia = 2201;

constexpr int LarghezzaGriglia = 703;     // pixels
constexpr int AltezzaFrame1 = 145;        // fits in the 2200 twips under the grid

QGroupBox* Cornice(QWidget* genitore, const char* nome)
{
    auto* g = Crea<QGroupBox>(genitore, nome);
    g->setFlat(false);
    return g;
}

void Compatta(QLayout* layout)
{
    layout->setContentsMargins(3, 2, 3, 2);
    layout->setSpacing(2);
}

} // namespace

frmEseguiti::frmEseguiti(ContestoFinestre& contesto, QWidget* parent)
    : QWidget(parent), contesto_(contesto), modelloEseguiti_(new ModelloEseguiti(this)),
      modelloSystem_(new QStringListModel(this)), modelloErrori_(new QStringListModel(this))
{
    setObjectName(QStringLiteral("frmEseguiti"));
    setWindowTitle(QStringLiteral("Eseguiti"));
    CostruisciGriglia();
    CostruisciPannello();
    Collega();
    resize(sizeHint());

    // Load: colours, sizes, first row, refresh.
    Colore();
    RegolaDimensioni();
    RigaCorrente = 0;
    Main();
}

void frmEseguiti::CostruisciGriglia()
{
    dbg_Eseguiti_ = Crea<QTableView>(this, "dbg_Eseguiti");
    dbg_Eseguiti_->setAccessibleName(QStringLiteral("Tabella eseguiti"));
    dbg_Eseguiti_->setModel(modelloEseguiti_);
    GrigliaSolaLettura(dbg_Eseguiti_);
    dbg_Eseguiti_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    dbg_Eseguiti_->verticalHeader()->setVisible(true);
    dbg_Eseguiti_->verticalHeader()->setDefaultSectionSize(20);
    dbg_Eseguiti_->setGeometry(0, 0, LarghezzaGriglia, 300);
    dbg_Eseguiti_->horizontalHeader()->setDefaultSectionSize(54);
    // The name takes the room the figures leave, and tells what it cuts.
    ColonnaTestoLibero(dbg_Eseguiti_, ColEseguiti::Titolo);
}

void frmEseguiti::CostruisciPannello()
{
    Frame1_ = Cornice(this, "Frame1");
    Frame1_->setFixedSize(LarghezzaGriglia, AltezzaFrame1);
    auto* righe1 = new QHBoxLayout(Frame1_);
    Compatta(righe1);

    // The trade's fields.
    auto* Frame4 = Cornice(Frame1_, "Frame4");
    auto* g4 = new QGridLayout(Frame4);
    Compatta(g4);
    dtp_Data_ = CreaCampoData(Frame4, "dtp_Data", contesto_.messaggi);
    cmb_Tipo_ = Crea<QComboBox>(Frame4, "cmb_Tipo");
    cmb_Tipo_->addItems({QStringLiteral("Buy"), QStringLiteral("Sell")});
    cmb_Tipo_->setAccessibleName(QStringLiteral("Tipo"));
    dbc_System_ = Crea<QComboBox>(Frame4, "dbc_System");
    dbc_System_->setEditable(true);
    dbc_System_->setInsertPolicy(QComboBox::NoInsert);
    dbc_System_->setModel(modelloSystem_);
    txt_Codice_ = Crea<QLineEdit>(Frame4, "txt_Codice");
    txt_Titolo_ = Crea<QLineEdit>(Frame4, "txt_Titolo");
    cmb_Codice_ = Crea<QComboBox>(Frame4, "cmb_Codice");
    cmb_Titolo_ = Crea<QComboBox>(Frame4, "cmb_Titolo");
    cmb_Codice_->setAccessibleName(QStringLiteral("Codice"));
    cmb_Titolo_->setAccessibleName(QStringLiteral("Titolo"));
    cmb_Codice_->hide();
    cmb_Titolo_->hide();
    txtQta_ = Crea<QLineEdit>(Frame4, "txtQta");
    txtPrezzo_ = Crea<QLineEdit>(Frame4, "txtPrezzo");
    lab_Importo_ = Crea<QLabel>(Frame4, "lab_Importo");
    lab_Importo_->setFrameShape(QFrame::StyledPanel);
    lab_Importo_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Every control keeps room for what it shows: the date with its calendar button, an
    // amount of up to 13 characters, a price of 5 + 2 digits.
    dtp_Data_->setMinimumWidth(dtp_Data_->sizeHint().width());
    const QFontMetrics metrica(font());
    for (QWidget* campo : std::initializer_list<QWidget*>{dbc_System_, txtQta_, txtPrezzo_})
        campo->setMinimumWidth(std::max(54, metrica.horizontalAdvance(QStringLiteral("00000,00")) + 12));
    lab_Importo_->setMinimumWidth(metrica.horizontalAdvance(QStringLiteral("0000000000,00")) + 8);

    g4->addWidget(Etichetta(Frame4, "Label35", QStringLiteral("Data"), dtp_Data_), 0, 0);
    g4->addWidget(dtp_Data_, 0, 1);
    g4->addWidget(cmb_Tipo_, 0, 2, 1, 2);
    g4->addWidget(Etichetta(Frame4, "Label37", QStringLiteral("Sistema"), dbc_System_), 0, 4);
    g4->addWidget(dbc_System_, 0, 5);
    g4->addWidget(Etichetta(Frame4, "lab_EseguitiCodice", QStringLiteral("Codice"), txt_Codice_), 1, 0);
    g4->addWidget(txt_Codice_, 1, 1);
    g4->addWidget(cmb_Codice_, 1, 1);
    g4->addWidget(Etichetta(Frame4, "Label39", QStringLiteral("Titolo"), txt_Titolo_), 1, 2);
    g4->addWidget(txt_Titolo_, 1, 3, 1, 3);
    g4->addWidget(cmb_Titolo_, 1, 3, 1, 3);
    g4->addWidget(Etichetta(Frame4, "Label40", QStringLiteral("Quantita'"), txtQta_), 2, 0);
    g4->addWidget(txtQta_, 2, 1);
    g4->addWidget(Etichetta(Frame4, "Label41", QStringLiteral("Prezzo"), txtPrezzo_), 2, 2);
    g4->addWidget(txtPrezzo_, 2, 3);
    g4->addWidget(Etichetta(Frame4, "Label1", QStringLiteral("Importo"), lab_Importo_), 2, 4);
    g4->addWidget(lab_Importo_, 2, 5);
    righe1->addWidget(Frame4, 1);

    // The mode and the two counters.
    auto* Frame3 = Cornice(Frame1_, "Frame3");
    auto* g3 = new QGridLayout(Frame3);
    Compatta(g3);
    // One column, each counter under its caption: the trade's fields need the width.
    g3->setVerticalSpacing(0);
    Option1_ = new QButtonGroup(this);
    Option1_->setObjectName(QStringLiteral("Option1"));
    const struct {
        int id;
        const char* nome;
        const char* testo;
    } modi[] = {{IdNuovo, "Option1_0", "Nuovo"}, {IdModifica, "Option1_1", "Modifica"}, {IdElimina, "Option1_3", "Elimina"}};
    int riga = 0;
    for (const auto& m : modi) {
        auto* b = Crea<QRadioButton>(Frame3, m.nome);
        b->setText(QLatin1String(m.testo));
        Option1_->addButton(b, m.id);
        g3->addWidget(b, riga++, 0);
    }
    Option1_->button(IdNuovo)->setChecked(true);
    lab_RowSelect_ = Crea<QLabel>(Frame3, "lab_RowSelect");
    lab_TotaleEseguiti_ = Crea<QLabel>(Frame3, "lab_TotaleEseguiti");
    g3->addWidget(Etichetta(Frame3, "Label3", QStringLiteral("Numero riga selezionata"), lab_RowSelect_), 3, 0);
    g3->addWidget(lab_RowSelect_, 4, 0);
    g3->addWidget(Etichetta(Frame3, "Label2", QStringLiteral("Totale operazioni"), lab_TotaleEseguiti_), 5, 0);
    g3->addWidget(lab_TotaleEseguiti_, 6, 0);
    for (QLabel* contatore : {lab_RowSelect_, lab_TotaleEseguiti_})
        contatore->setMinimumWidth(metrica.horizontalAdvance(QStringLiteral("0000000")));
    righe1->addWidget(Frame3, 0);

    // The error code, the optimal price and the confirmation.
    auto* destra = new QVBoxLayout;
    destra->setSpacing(3);
    auto* Frame2 = Cornice(Frame1_, "Frame2");
    auto* g2 = new QGridLayout(Frame2);
    Compatta(g2);
    dbc_Errore_ = Crea<QComboBox>(Frame2, "dbc_Errore");
    dbc_Errore_->setEditable(true);
    dbc_Errore_->setInsertPolicy(QComboBox::NoInsert);
    dbc_Errore_->setModel(modelloErrori_);
    txtPzoOttimale_ = Crea<QLineEdit>(Frame2, "txtPzoOttimale");
    dbc_Errore_->setMinimumWidth(52);
    txtPzoOttimale_->setMinimumWidth(std::max(58, metrica.horizontalAdvance(QStringLiteral("00000,00")) + 12));
    // Captions above their boxes: the trade's fields need the width.
    g2->addWidget(Etichetta(Frame2, "Label42", QStringLiteral("Errore"), dbc_Errore_), 0, 0);
    g2->addWidget(dbc_Errore_, 1, 0);
    lab_PzoOttimale_ = Etichetta(Frame2, "lab_PzoOttimale", QStringLiteral("Pzo ottimale"), txtPzoOttimale_);
    g2->addWidget(lab_PzoOttimale_, 2, 0);
    g2->addWidget(txtPzoOttimale_, 3, 0);
    destra->addWidget(Frame2);
    cmd_Ok_ = Crea<QPushButton>(Frame1_, "cmd_Ok");
    cmd_Ok_->setText(QStringLiteral("Conferma"));
    destra->addWidget(cmd_Ok_);
    righe1->addLayout(destra, 0);

    // Key filters.
    ApplicaFiltroNumero(txtPrezzo_, 5, 2);
    ApplicaFiltroNumero(txtPzoOttimale_, 5, 2);
    ApplicaFiltroNumero(txtQta_, 8, 0);
    ApplicaFiltroCaratteri(txt_Codice_);
    ApplicaFiltroCaratteri(txt_Titolo_);
    ApplicaFiltroCaratteri(dbc_System_);
}

void frmEseguiti::Collega()
{
    connect(dbg_Eseguiti_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { CambioRiga(); });
    connect(Option1_, &QButtonGroup::idClicked, this, [this] { RegolaModo(); });
    connect(cmb_Tipo_, &QComboBox::activated, this, [this] { AggiornaTipo(); });
    connect(cmb_Codice_, &QComboBox::activated, this, [this] { SceltaCodice(); });
    connect(cmb_Titolo_, &QComboBox::activated, this, [this] { SceltaTitolo(); });
    // Typing a code counts as choosing it: "NE" never keeps an optimal price of its own.
    connect(dbc_Errore_, &QComboBox::currentTextChanged, this, [this] { RegolaErrore(); });
    connect(dbc_System_, &QComboBox::editTextChanged, this, [this] { ControlloConferma(); });
    connect(txt_Codice_, &QLineEdit::textChanged, this, [this] { ControlloConferma(); });
    connect(txt_Titolo_, &QLineEdit::textChanged, this, [this] { ControlloConferma(); });
    connect(txtPrezzo_, &QLineEdit::textChanged, this, [this] { ImportoDaPrezzo(); });
    connect(txtQta_, &QLineEdit::textChanged, this, [this] { ImportoDaQuantita(); });
    connect(cmd_Ok_, &QPushButton::clicked, this, [this] { Conferma(); });
}

void frmEseguiti::Colore()
{
    ApplicaColori(this, contesto_.stato.DbDataSet);
}

QSize frmEseguiti::sizeHint() const
{
    return QSize(larghezzaVoluta(), AltezzaProgetto);
}

int frmEseguiti::larghezzaVoluta() const
{
    // The designed width, or what a grid widened by its figures needs with the same margins.
    return twips::Pixel(LarghezzaFinestra) + std::max(0, dbg_Eseguiti_->width() - LarghezzaGriglia);
}

void frmEseguiti::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    RegolaDimensioni();
}

void frmEseguiti::RegolaDimensioni()
{
    const int larghezza = twips::DaPixel(width());
    const int altezza = twips::DaPixel(height());
    dbg_Eseguiti_->move((width() - dbg_Eseguiti_->width()) / 2, dbg_Eseguiti_->y());
    if (altezza > AltezzaMinimaGriglia)
        dbg_Eseguiti_->resize(dbg_Eseguiti_->width(), twips::Pixel(altezza - AltezzaPannello));
    Frame1_->move((width() - Frame1_->width()) / 2, twips::Pixel(altezza - AltezzaPannello));

    // In its normal state the window keeps its design width (or its grid's); inside the MDI
    // area that is the width of the sub-window's contents.
    QWidget* cornice = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    const bool normale = !(cornice->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const int voluta = larghezzaVoluta();
    if (normale && larghezza != twips::DaPixel(voluta)) {
        if (cornice == this)
            resize(voluta, height());
        else
            cornice->resize(cornice->width() + voluta - width(), cornice->height());
    }
}

void frmEseguiti::Main()
{
    StatoApplicazione& stato = contesto_.stato;
    if (!stato.portafoglioAperto())
        return;

    const Aggiornamento aggiornamento = AggiornaGriglia();
    if (!aggiornamento.letta)
        return;
    // The catalogues may have changed since the last refresh; what the user typed stays.
    const QString system = dbc_System_->currentText();
    const QString errorePannello = dbc_Errore_->currentText();
    for (const auto& [modello, lettura] : {std::pair{modelloSystem_, eseguiti::LeggiCodiciSystem(stato.DbDataSet)},
                                           std::pair{modelloErrori_, eseguiti::LeggiCodiciErrori(stato.DbDataSet)}}) {
        if (!lettura.ok())
            contesto_.messaggi.mostra(lettura.errore, Messaggi::Icona::Critico);
        const QStringList codici(lettura.righe.begin(), lettura.righe.end());
        if (modello->stringList() != codici)
            modello->setStringList(codici);
    }
    dbc_System_->setEditText(system);
    dbc_Errore_->setEditText(errorePannello);
    SpiegaSistemiMancanti();

    const int righe = modelloEseguiti_->rowCount();
    RegolaColonne(aggiornamento);
    if (righe == 0) {
        // Selecting "Nuovo" is a click on it: the panel is made ready for a new trade.
        Option1_->button(IdNuovo)->setChecked(true);
        Option1_->button(IdModifica)->setEnabled(false);
        Option1_->button(IdElimina)->setEnabled(false);
        lab_RowSelect_->setText(QStringLiteral("0"));
        RegolaModo();
    } else {
        Option1_->button(IdModifica)->setEnabled(true);
        Option1_->button(IdElimina)->setEnabled(true);
        if (RigaCorrente < 0)
            RigaCorrente = 0;
        const int riga = std::min<int>(static_cast<int>(numeri::InteroPari(RigaCorrente)), righe - 1);
        RigaCorrente = riga;
        // Moving to the row refills the panel; a row that is already current is refilled too.
        const bool stessa = dbg_Eseguiti_->currentIndex().row() == riga;
        dbg_Eseguiti_->selectionModel()->setCurrentIndex(modelloEseguiti_->index(riga, ColEseguiti::Data),
                                                         QItemSelectionModel::ClearAndSelect
                                                             | QItemSelectionModel::Rows);
        if (stessa)
            CambioRiga();
    }
    lab_TotaleEseguiti_->setText(numeri::TestoNumero(righe));
    AggiornaTipo();
}

frmEseguiti::Aggiornamento frmEseguiti::AggiornaGriglia()
{
    QSqlDatabase& db = contesto_.stato.DbPortafoglio;
    const Impronta ora = ImprontaDi(db);
    // Nothing written since the snapshot and the grid were last equal to Eseguiti, but the
    // confirmation's own change and the rebuild that wrote from its pass.
    const bool invariata = fotografia_
        && (*fotografia_ == ora || (pronto_ && pronto_->portafoglio == *fotografia_ && pronto_->dopo == ora));
    const std::optional<ModelloEseguiti::Variazione> variazione = std::exchange(variazione_, std::nullopt);
    pronto_.reset();
    fotografia_.reset();
    Aggiornamento esito;
    if (invariata && (!variazione || modelloEseguiti_->applica(*variazione))) {
        fotografia_ = ora;
        if (variazione && variazione->scritto)
            esito.rigaScritta = variazione->rigaNuova;
        return esito;
    }

    bool fotografiaUguale = true;
    if (const Esito ricostruita = eseguiti::RicostruisciFotografia(db); !ricostruita.ok()) {
        contesto_.messaggi.mostra(ricostruita.messaggio, Messaggi::Icona::Critico);
        fotografiaUguale = false;
    }
    auto lettura = eseguiti::LeggiFotografia(db);
    // A grid that cannot be read has no columns to lay out: say so and stop here.
    if (!lettura.ok()) {
        contesto_.messaggi.mostra(lettura.errore, Messaggi::Icona::Critico);
        modelloEseguiti_->imposta({});
        esito.letta = false;
        return esito;
    }
    modelloEseguiti_->imposta(std::move(lettura.righe));
    if (fotografiaUguale)
        fotografia_ = ImprontaDi(db);
    esito.ricaricata = true;
    return esito;
}

void frmEseguiti::RegolaColonne(const Aggiornamento& aggiornamento)
{
    // The key stays hidden and the name takes the room the figures leave.
    dbg_Eseguiti_->setColumnHidden(ColEseguiti::ID, true);
    QHeaderView* colonne = dbg_Eseguiti_->horizontalHeader();
    colonne->setSectionResizeMode(QHeaderView::Fixed);
    colonne->setSectionResizeMode(ColEseguiti::Titolo, QHeaderView::Stretch);
    if (aggiornamento.ricaricata)
        AdattaColonne(dbg_Eseguiti_);
    else if (aggiornamento.rigaScritta)
        AdattaColonneARiga(dbg_Eseguiti_, *aggiornamento.rigaScritta);
    else
        return;
    // Figures wider than the designed grid widen it, and the window with it.
    const int larghezza = std::max(LarghezzaGriglia, LarghezzaPerColonne(dbg_Eseguiti_));
    if (larghezza != dbg_Eseguiti_->width()) {
        dbg_Eseguiti_->resize(larghezza, dbg_Eseguiti_->height());
        RegolaDimensioni();
    }
}
