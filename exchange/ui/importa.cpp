#include "importa.h"

#include "avanza_progresso.h"
#include "griglia_sola_lettura.h"
#include "importa_eseguiti.h"
#include "lettore_xlsx.h"
#include "modello_anteprima.h"
#include "numeri.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <iterator>

namespace {

QString Numero(std::size_t n)
{
    return numeri::TestoNumero(static_cast<double>(n));
}

QLabel* Etichetta(const QString& testo, const QString& nome, QWidget* campo)
{
    auto* l = new QLabel(testo);
    l->setObjectName(nome);
    if (campo)
        l->setBuddy(campo);
    return l;
}

} // namespace

Importa::Importa(ContestoFinestre& contesto, QWidget* parent) : QDialog(parent), contesto_(contesto)
{
    setObjectName(QStringLiteral("Importa"));
    setWindowTitle(QStringLiteral("Importa dati"));
    costruisci();

    // Drive and folder are the process's current ones.
    impostaCartella(QDir::currentPath());
    ProgressBar1_->hide();
}

void Importa::costruisci()
{
    Frame1_ = new QGroupBox(QStringLiteral("percorso"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));

    Drive1_ = new QComboBox(Frame1_);
    Drive1_->setObjectName(QStringLiteral("Drive1"));
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            Drive1_->addItem(QDir::toNativeSeparators(volume.rootPath()), volume.rootPath());

    cartelle_ = new QFileSystemModel(this);
    cartelle_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    cartelle_->setReadOnly(true);
    Dir1_ = new QTreeView(Frame1_);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    Dir1_->setModel(cartelle_);
    for (int c = 1; c < cartelle_->columnCount(); ++c)
        Dir1_->hideColumn(c);
    Dir1_->setHeaderHidden(true);
    Dir1_->setMinimumHeight(140);

    Combo1_ = new QComboBox(Frame1_);
    Combo1_->setObjectName(QStringLiteral("Combo1"));
    Combo1_->setEditable(true);
    Combo1_->setInsertPolicy(QComboBox::NoInsert);
    Combo1_->addItems({QStringLiteral("Real Tick III               .csv    "),
                       QStringLiteral("Gavrel Op. chiuse   .xls "), QStringLiteral("Gavrel Eseguiti        .xls"),
                       QStringLiteral("Importazione guidata .xls")});
    Combo1_->setCurrentIndex(-1);
    Combo1_->setEditText(QStringLiteral("Real Tick III .cvs"));
    Combo1_->setMinimumContentsLength(26);

    File1_ = new QListWidget(Frame1_);
    File1_->setObjectName(QStringLiteral("File1"));
    File1_->setSelectionMode(QAbstractItemView::NoSelection);

    List1_ = new QListWidget(this);
    List1_->setObjectName(QStringLiteral("List1"));
    List1_->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto* g1 = new QGridLayout(Frame1_);
    g1->addWidget(Etichetta(QStringLiteral("Unità"), QStringLiteral("labDrive1"), Drive1_), 0, 0);
    g1->addWidget(Drive1_, 1, 0);
    g1->addWidget(Etichetta(QStringLiteral("Cartella"), QStringLiteral("labDir1"), Dir1_), 2, 0);
    g1->addWidget(Dir1_, 3, 0);
    g1->addWidget(Etichetta(QStringLiteral("Formato"), QStringLiteral("labCombo1"), Combo1_), 0, 1);
    g1->addWidget(Combo1_, 1, 1);
    g1->addWidget(Etichetta(QStringLiteral("File"), QStringLiteral("labFile1"), File1_), 2, 1);
    g1->addWidget(File1_, 3, 1);

    auto* Label2 = Etichetta(QStringLiteral("File selezionati da importare"), QStringLiteral("Label2"), List1_);
    labFileSelezionati_ = Etichetta(QString(), QStringLiteral("lab_FileSelezionati"), nullptr);

    Frame2_ = new QGroupBox(this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    anteprima_ = new ModelloAnteprima(this);
    DBGrid1_ = new QTableView(Frame2_);
    DBGrid1_->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1_->setModel(anteprima_);
    GrigliaSolaLettura(DBGrid1_);
    DBGrid1_->verticalHeader()->hide();
    // Each column as wide as its caption and its values; the last takes the room left.
    DBGrid1_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    DBGrid1_->horizontalHeader()->setStretchLastSection(true);
    DBGrid1_->setMinimumSize(520, 160);
    auto* Label1 = Etichetta(QStringLiteral("Anteprima contenuto"), QStringLiteral("Label1"), DBGrid1_);
    labNumeroEseguiti_ = Etichetta(QStringLiteral("0"), QStringLiteral("lab_NumeroEseguiti"), nullptr);
    auto* Label4 = Etichetta(QStringLiteral("eseguiti :"), QStringLiteral("Label4"), nullptr);
    auto* g2 = new QGridLayout(Frame2_);
    auto* riga2 = new QHBoxLayout;
    riga2->addWidget(Label1);
    riga2->addStretch();
    riga2->addWidget(Label4);
    riga2->addWidget(labNumeroEseguiti_);
    g2->addLayout(riga2, 0, 0);
    g2->addWidget(DBGrid1_, 1, 0);

    ProgressBar1_ = new QProgressBar(this);
    ProgressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1_->setTextVisible(false);
    cmdOk_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOk_->setObjectName(QStringLiteral("cmd_Ok"));
    cmdOk_->setAutoDefault(false);
    cmdAnnulla_ = new QPushButton(QStringLiteral("Annulla"), this);
    cmdAnnulla_->setObjectName(QStringLiteral("cmd_Annulla"));
    cmdAnnulla_->setAutoDefault(false);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(Frame1_);
    auto* righeSel = new QHBoxLayout;
    righeSel->addWidget(Label2);
    righeSel->addStretch();
    righeSel->addWidget(labFileSelezionati_);
    sinistra->addLayout(righeSel);
    sinistra->addWidget(List1_);

    auto* destra = new QVBoxLayout;
    destra->addWidget(Frame2_, 1);
    destra->addWidget(ProgressBar1_);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(cmdOk_);
    pulsanti->addWidget(cmdAnnulla_);
    destra->addLayout(pulsanti);

    auto* tutto = new QHBoxLayout(this);
    tutto->addLayout(sinistra);
    tutto->addLayout(destra, 1);

    connect(cartelle_, &QFileSystemModel::directoryLoaded, this, &Importa::seguiCartella);
    connect(cartelle_, &QFileSystemModel::layoutChanged, this, &Importa::seguiCartella);
    connect(cartelle_, &QFileSystemModel::rowsInserted, this, &Importa::seguiCartella);
    connect(Dir1_->verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { seguiCartella_ = false; });
    Dir1_->installEventFilter(this);
    Dir1_->viewport()->installEventFilter(this);
    connect(Drive1_, &QComboBox::activated, this, &Importa::cambioUnita);
    connect(Dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this, &Importa::cambioCartella);
    connect(Combo1_, &QComboBox::activated, this, &Importa::cambioFormato);
    // A click previews even when it leaves the selection as it was; a change made with
    // the keyboard previews too, but a mouse press does not preview twice.
    connect(List1_, &QListWidget::clicked, this, &Importa::anteprima);
    connect(List1_, &QListWidget::itemSelectionChanged, this, &Importa::selezioneCambiata);
    connect(cmdOk_, &QPushButton::clicked, this, &Importa::conferma);
    connect(cmdAnnulla_, &QPushButton::clicked, this, &QDialog::reject);
}

const std::vector<RigaImportata>& Importa::righeInAnteprima() const
{
    return anteprima_->righe();
}

void Importa::impostaCartella(const QString& percorso)
{
    const QString radice = QStorageInfo(percorso).rootPath();
    const int unita = Drive1_->findData(radice);
    if (unita >= 0)
        Drive1_->setCurrentIndex(unita);
    cartelle_->setRootPath(radice);
    Dir1_->setRootIndex(cartelle_->index(radice));
    const QModelIndex indice = cartelle_->index(percorso);
    cartella_ = QDir(percorso).absolutePath();
    seguiCartella_ = false;
    if (indice.isValid() && indice != Dir1_->rootIndex()) {
        Dir1_->setCurrentIndex(indice); // CambioCartella follows
        Dir1_->scrollTo(indice);
        seguiCartella_ = true;
    }
    aggiornaFile();
    List1_->clear();
    CaricaListaFile();
}

void Importa::seguiCartella()
{
    if (seguiCartella_ && Dir1_->currentIndex().isValid())
        Dir1_->scrollTo(Dir1_->currentIndex());
}

bool Importa::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == Dir1_ || oggetto == Dir1_->viewport()) {
        switch (evento->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
            seguiCartella_ = false;
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

void Importa::cambioUnita(int indice)
{
    const QString radice = Drive1_->itemData(indice).toString();
    if (!radice.isEmpty())
        impostaCartella(radice);
}

void Importa::cambioCartella()
{
    const QString percorso = cartelle_->filePath(Dir1_->currentIndex());
    if (percorso.isEmpty() || percorso == cartella_)
        return;
    cartella_ = percorso;
    aggiornaFile();
    List1_->clear();
    CaricaListaFile();
}

void Importa::cambioFormato(int indice)
{
    if (indice == 0)
        modello_ = QStringLiteral("*.csv");
    else if (indice == 1)
        modello_ = QStringLiteral("*.xls");
    aggiornaFile();
    List1_->clear();
    CaricaListaFile();
}

void Importa::aggiornaFile()
{
    File1_->clear();
    // Regular files only, links to them included: a FIFO or a device would hold the read up.
    for (const QFileInfo& f : QDir(cartella_).entryInfoList({modello_}, QDir::Files, QDir::Name))
        if (f.isFile())
            File1_->addItem(f.fileName());
}

void Importa::CaricaListaFile()
{
    for (int i = 0; i < File1_->count(); ++i)
        List1_->addItem(File1_->item(i)->text());
}

int Importa::formato() const
{
    return Combo1_->currentIndex() < 0 ? 0 : Combo1_->currentIndex();
}

QStringList Importa::fileSelezionati() const
{
    QStringList file;
    for (int i = 0; i < List1_->count(); ++i)
        if (List1_->item(i)->isSelected())
            file << QDir(cartella_).filePath(List1_->item(i)->text());
    return file;
}

void Importa::ImportaFileRealTick(const QString& percorso, std::vector<RigaImportata>& righe)
{
    // The lines read before an invalid one stay.
    LetturaRealTick lettura = LeggiFileRealTick(percorso);
    righe.insert(righe.end(), std::make_move_iterator(lettura.righe.begin()),
                 std::make_move_iterator(lettura.righe.end()));
    if (!lettura.valido)
        contesto_.messaggi.mostra(lettura.messaggio);
    else if (!lettura.avviso.isEmpty())
        contesto_.messaggi.mostra(lettura.avviso, Messaggi::Icona::Esclamazione);
}

std::vector<RigaImportata> Importa::leggiSelezionati()
{
    std::vector<RigaImportata> righe;
    for (const QString& file : fileSelezionati())
        ImportaFileRealTick(file, righe);
    return righe;
}

void Importa::selezioneCambiata()
{
    // The click that follows the press previews.
    if (QApplication::mouseButtons() != Qt::NoButton)
        return;
    anteprima();
}

void Importa::anteprima()
{
    labFileSelezionati_->setText(Numero(List1_->selectedItems().size()));
    std::vector<RigaImportata> righe;
    switch (formato()) {
    case 0:
        righe = leggiSelezionati();
        break;
    case 1:
        for (const QString& file : fileSelezionati())
            ImportaFileXls(file);
        break;
    default:
        // The other spreadsheet formats read nothing.
        break;
    }
    anteprima_->imposta(std::move(righe));
    labNumeroEseguiti_->setText(Numero(anteprima_->righe().size()));
}

void Importa::ImportaFileXls(const QString& percorso)
{
    const CartellaXlsx cartella = LeggiCartellaXlsx(percorso);
    if (!cartella.ok()) {
        contesto_.messaggi.mostra(cartella.errore, Messaggi::Icona::Esclamazione);
        return;
    }
    const CellaXlsx a2 = cartella.fogli.at(cartella.attivo).cella(QStringLiteral("A2"));
    contesto_.messaggi.mostra(a2.numero ? numeri::TestoNumero(a2.valore.toDouble()) : a2.valore);
}

void Importa::reject()
{
    // During the commit the way out is the stop, which the commit itself answers.
    if (importazioneInCorso_) {
        interrompi_ = true;
        return;
    }
    QDialog::reject();
}

void Importa::AvanzaProgresso()
{
    AvanzaBarra(ProgressBar1_, contatore_);
}

void Importa::conferma()
{
    StatoApplicazione& stato = contesto_.stato;
    // Whatever the format shown, the selected files are read as Real Tick III files.
    const std::vector<RigaImportata> righe = leggiSelezionati();
    if (righe.empty() || !stato.portafoglioAperto()) {
        accept();
        return;
    }
    cmdOk_->setEnabled(false);
    ProgressBar1_->setMaximum(static_cast<int>(std::min<std::size_t>(righe.size(), INT_MAX)));
    ProgressBar1_->show();

    // Annulla stays live: the window answers between rows, and a stop takes back every row.
    importazioneInCorso_ = true;
    interrompi_ = false;
    QElapsedTimer ultimoAggiornamento;
    ultimoAggiornamento.start();
    const EsitoImportazione esito = ImportaEseguiti(
        stato.DbPortafoglio, righe,
        [this](const QString& domanda) {
            return contesto_.messaggi.mostra(domanda, Messaggi::Icona::Esclamazione, Messaggi::Pulsanti::SiNo)
                == Messaggi::Risposta::Si;
        },
        [this, &ultimoAggiornamento] {
            AvanzaProgresso();
            if (ultimoAggiornamento.elapsed() >= 50) {
                QCoreApplication::processEvents();
                ultimoAggiornamento.restart();
            }
            return !interrompi_;
        });
    importazioneInCorso_ = false;
    if (esito.interrotta) {
        contesto_.messaggi.mostra(QStringLiteral("Importazione annullata: nessun eseguito è stato importato."));
        QDialog::reject();
        return;
    }
    if (!esito.esito.ok())
        contesto_.messaggi.mostra(esito.esito.messaggio, Messaggi::Icona::Critico);
    // Rows may have gone in even after a failure: the derived tables and the open windows,
    // the trade window's snapshot among them, follow the history.
    contesto_.principale.ControlloMenu();
    accept();
}
