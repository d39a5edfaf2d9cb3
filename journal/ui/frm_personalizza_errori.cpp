#include "frm_personalizza_errori.h"

#include "applica_colori.h"
#include "catalogo_errori.h"
#include "griglia_modificabile.h"
#include "modello_tabella.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

frmPersonalizzaErrori::frmPersonalizzaErrori(ContestoFinestre& contesto, QWidget* parent)
    : QDialog(parent), contesto_(contesto),
      modelloErrori_(new ModelloTabella(catalogo::TabellaErrori, contesto.stato.DbDataSet, this))
{
    setObjectName(QStringLiteral("frmPersonalizzaErrori"));
    setWindowTitle(QStringLiteral("Personalizza errori"));
    Costruisci();
    ApplicaColori(this, contesto_.stato.DbDataSet);
    Ricarica();
}

void frmPersonalizzaErrori::Costruisci()
{
    auto* colonna = new QVBoxLayout(this);

    modelloErrori_->impostaIntestazione(QStringLiteral("Cod"), QStringLiteral("Cod"));
    modelloErrori_->impostaIntestazione(QStringLiteral("Descrizione"), QStringLiteral("Descrizione"));
    DBGrid1_ = new GrigliaModificabile(this);
    DBGrid1_->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1_->setModel(modelloErrori_);
    DBGrid1_->setAccessibleName(QStringLiteral("Catalogo errori"));
    DBGrid1_->setAccessibleDescription(QStringLiteral(
        "Scrivere nella riga * in fondo, o premere Ins, per aggiungere un errore; Canc elimina le righe selezionate"));
    // The default catalogue and the new-row line below it show whole.
    DBGrid1_->setMinimumSize(460, 272);
    // Only the code and the description are shown; the note has its own box, and the
    // counters belong to the engine and the error statistics.
    for (int c = 0; c < modelloErrori_->columnCount(); ++c) {
        const QString nome = modelloErrori_->campo(c);
        const bool mostrata = nome == QLatin1String("Cod") || nome == QLatin1String("Descrizione");
        DBGrid1_->setColumnHidden(c, !mostrata);
        if (nome == QLatin1String("Descrizione"))
            DBGrid1_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    }
    colonna->addWidget(DBGrid1_, 1);

    Text1_ = new QPlainTextEdit(this);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setTabChangesFocus(true);
    Text1_->setFixedHeight(64);
    auto* labNote = new QLabel(QStringLiteral("Note"), this);
    labNote->setObjectName(QStringLiteral("lab_Note"));
    labNote->setBuddy(Text1_);
    colonna->addWidget(labNote);
    colonna->addWidget(Text1_);
    Text1_->installEventFilter(this);

    auto* riga = new QHBoxLayout;
    cmd_Ripristino_ = new QPushButton(this);
    cmd_Ripristino_->setObjectName(QStringLiteral("cmd_Ripristino"));
    cmd_Ripristino_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    cmd_Ripristino_->setIconSize(QSize(24, 24));
    cmd_Ripristino_->setAutoDefault(false);
    auto* Label1 = new QLabel(QStringLiteral("Ripristino settaggio errori di default"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(cmd_Ripristino_);
    cmd_Ripristino_->setAccessibleName(Label1->text());
    Command2_ = new QPushButton(QStringLiteral("Ok"), this);
    Command2_->setObjectName(QStringLiteral("Command2"));
    Command2_->setAutoDefault(false);
    riga->addWidget(cmd_Ripristino_);
    riga->addWidget(Label1);
    riga->addStretch(1);
    riga->addWidget(Command2_);
    colonna->addLayout(riga);

    connect(Command2_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmd_Ripristino_, &QPushButton::clicked, this, &frmPersonalizzaErrori::Ripristino);
    connect(DBGrid1_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmPersonalizzaErrori::SeguiRiga);
    connect(modelloErrori_, &QAbstractItemModel::modelReset, this, &frmPersonalizzaErrori::SeguiRiga);
    connect(modelloErrori_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& da, const QModelIndex& a) {
                // Also the new-row line that has just become a row, and so has a note.
                const int corrente = DBGrid1_->currentIndex().row();
                if (corrente >= da.row() && corrente <= a.row() && !Text1_->document()->isModified())
                    SeguiRiga();
            });
    connect(modelloErrori_, &ModelloTabella::scritturaRifiutata, this, [this](const QString&) {
        contesto_.messaggi.mostra(QStringLiteral("Massimo 2 caratteri per questo campo"), Messaggi::Icona::Critico);
    });
}

void frmPersonalizzaErrori::Ricarica()
{
    if (const Esito catalogo = modelloErrori_->carica(); !catalogo.ok())
        contesto_.messaggi.mostra(catalogo.messaggio, Messaggi::Icona::Critico);
    if (!DBGrid1_->currentIndex().isValid())
        DBGrid1_->setCurrentIndex(modelloErrori_->index(0, modelloErrori_->colonna(QStringLiteral("Cod"))));
    SeguiRiga();
}

void frmPersonalizzaErrori::SeguiRiga()
{
    ScriviNota();
    // The new-row line has no note until a value in the grid makes it a row.
    const QModelIndex corrente = DBGrid1_->currentIndex();
    const bool riga = corrente.isValid() && !modelloErrori_->rigaNuova(corrente.row());
    rigaNota_ = riga ? corrente.row() : -1;
    Text1_->setEnabled(riga);
    const int colonnaNote = modelloErrori_->colonna(QStringLiteral("Note"));
    Text1_->setPlainText(riga ? modelloErrori_->index(rigaNota_, colonnaNote).data().toString() : QString());
    Text1_->document()->setModified(false);
}

void frmPersonalizzaErrori::ScriviNota()
{
    // Only a note the user changed is written: an untouched empty box leaves NULL as it is.
    if (!Text1_->document()->isModified())
        return;
    Text1_->document()->setModified(false);
    if (rigaNota_ < 0 || rigaNota_ >= modelloErrori_->righeTabella())
        return;
    modelloErrori_->setData(modelloErrori_->index(rigaNota_, modelloErrori_->colonna(QStringLiteral("Note"))),
                            Text1_->toPlainText());
}

bool frmPersonalizzaErrori::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == Text1_ && evento->type() == QEvent::FocusOut)
        ScriviNota();
    return QDialog::eventFilter(oggetto, evento);
}

void frmPersonalizzaErrori::ConfermaModifiche()
{
    DBGrid1_->confermaEditor();
    ScriviNota();
}

void frmPersonalizzaErrori::Ripristino()
{
    ConfermaModifiche();
    rigaNota_ = -1;
    const Esito esito = catalogo::RipristinaErroriDefault(contesto_.stato.DbDataSet);
    if (!esito.ok())
        contesto_.messaggi.mostra(esito.messaggio, Messaggi::Icona::Critico);
    Ricarica();
}

void frmPersonalizzaErrori::done(int risultato)
{
    // Ok, Esc and the frame's close button all end here: an open edit is written first.
    if (!chiuso_) {
        chiuso_ = true;
        ConfermaModifiche();
    }
    QDialog::done(risultato);
}
