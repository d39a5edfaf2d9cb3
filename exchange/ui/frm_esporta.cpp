#include "frm_esporta.h"

#include "avanza_progresso.h"
#include "applica_colori.h"
#include "cartella_excel.h"
#include "copia_database.h"
#include "destinazione_esportazione.h"
#include "esporta_testo.h"
#include "file_utili.h"
#include "numeri.h"
#include "picture_box.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <climits>

namespace {

const QString FiltroEsporta = QStringLiteral("Excell (.xls)|*.xls|Acces (.mdb)|*.mdb|Testo (.csv)|*.csv");
const QString TitoloDialogo = QStringLiteral("Esporta i dati in xls");

// The window's own picture: a small sheet with a title band and rows.
QPixmap Figura()
{
    QPixmap p(64, 64);
    p.fill(Qt::white);
    QPainter g(&p);
    g.setPen(QColor(0x80, 0x80, 0x80));
    g.fillRect(4, 4, 56, 10, Qt::black);
    g.fillRect(4, 14, 56, 8, QColor(0x80, 0x80, 0x80));
    for (int y = 22; y < 60; y += 6)
        g.drawLine(4, y, 59, y);
    for (int x = 4; x < 60; x += 14)
        g.drawLine(x, 14, x, 59);
    g.drawRect(4, 4, 55, 55);
    return p;
}

void ImpostaConteggio(QLabel* etichetta, const std::optional<qint64>& conteggio)
{
    if (conteggio)
        etichetta->setText(numeri::TestoNumero(static_cast<double>(*conteggio)));
}

} // namespace

frmEsporta::frmEsporta(ContestoFinestre& contesto, QWidget* parent) : QDialog(parent), contesto_(contesto)
{
    setObjectName(QStringLiteral("frmEsporta"));
    setWindowTitle(QStringLiteral("Esporta  "));
    costruisci();
    Colore();
    ProgressBar1_->hide();
    cmdAvvia_->setEnabled(false);
}

void frmEsporta::costruisci()
{
    auto* Label1 = new QLabel(QStringLiteral("Tabelle da esportare :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Picture1_ = new PictureBox(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->setFixedSize(64, 64);
    Picture1_->SetPicture(Figura());

    auto casella = [this](const QString& testo, const QString& nome) {
        auto* c = new QCheckBox(testo, this);
        c->setObjectName(nome);
        connect(c, &QCheckBox::clicked, this, &frmEsporta::controllaScelte);
        return c;
    };
    chkOperazioniChiuse_ = casella(QStringLiteral("Op.chiuse"), QStringLiteral("chk_OperazioniChiuse"));
    chkEseguiti_ = casella(QStringLiteral("Eseguiti"), QStringLiteral("chk_Eseguiti"));
    chkPortafoglio_ = casella(QStringLiteral("Portafoglio"), QStringLiteral("chk_Portafoglio"));
    Label1->setBuddy(chkOperazioniChiuse_);

    auto etichetta = [this](const QString& nome) {
        auto* l = new QLabel(this);
        l->setObjectName(nome);
        l->setMinimumWidth(70);
        return l;
    };
    labOperazionichiuse_ = etichetta(QStringLiteral("lab_Operazionichiuse"));
    labEseguiti_ = etichetta(QStringLiteral("lab_Eseguiti"));
    labPortafoglio_ = etichetta(QStringLiteral("lab_Portafoglio"));

    cmdAvvia_ = new QPushButton(QStringLiteral("&Esporta"), this);
    cmdAvvia_->setObjectName(QStringLiteral("cmd_Avvia"));
    cmdAvvia_->setAutoDefault(false);
    cmdChiudi_ = new QPushButton(QStringLiteral("&Chiudi"), this);
    cmdChiudi_->setObjectName(QStringLiteral("cmd_Chiudi"));
    cmdChiudi_->setAutoDefault(false);
    ProgressBar1_ = new QProgressBar(this);
    ProgressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1_->setTextVisible(false);

    auto* g = new QGridLayout(this);
    g->addWidget(Label1, 0, 0, 1, 3);
    g->addWidget(Picture1_, 1, 0, 3, 1, Qt::AlignTop);
    g->addWidget(chkOperazioniChiuse_, 1, 1);
    g->addWidget(labOperazionichiuse_, 1, 2);
    g->addWidget(chkEseguiti_, 2, 1);
    g->addWidget(labEseguiti_, 2, 2);
    g->addWidget(chkPortafoglio_, 3, 1);
    g->addWidget(labPortafoglio_, 3, 2);
    g->addWidget(cmdAvvia_, 1, 3);
    g->addWidget(cmdChiudi_, 2, 3);
    g->addWidget(ProgressBar1_, 4, 0, 1, 4);
    g->setRowMinimumHeight(4, ProgressBar1_->sizeHint().height());

    connect(cmdAvvia_, &QPushButton::clicked, this, &frmEsporta::avvia);
    connect(cmdChiudi_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmEsporta::Colore()
{
    ApplicaColori(this, contesto_.stato.DbDataSet);
}

TabelleScelte frmEsporta::scelte() const
{
    return {chkOperazioniChiuse_->isChecked(), chkEseguiti_->isChecked(), chkPortafoglio_->isChecked()};
}

void frmEsporta::controllaScelte()
{
    cmdAvvia_->setEnabled(scelte().almenoUna());
}

void frmEsporta::AvanzaProgresso()
{
    AvanzaBarra(ProgressBar1_, contatore_);
}

ProgressoEsportazione frmEsporta::progresso()
{
    return {[this](qint64 record) { ProgressBar1_->setMaximum(static_cast<int>(std::min<qint64>(record, INT_MAX))); },
            [this] { AvanzaProgresso(); }};
}

void frmEsporta::mostraConteggi(const ConteggiEsportazione& conteggi)
{
    ImpostaConteggio(labOperazionichiuse_, conteggi.OperazioniChiuse);
    ImpostaConteggio(labEseguiti_, conteggi.Eseguiti);
    ImpostaConteggio(labPortafoglio_, conteggi.Portafoglio);
}

void frmEsporta::avvia()
{
    const SceltaFile scelta = contesto_.dialoghi.salvaConFiltro(TitoloDialogo, FiltroEsporta);
    if (scelta.percorso.isEmpty()) {
        reject();
        return;
    }
    // Checked before the overwrite question, which is never asked of a file that may not be replaced.
    const Esito rifiuto = VerificaDestinazioneEsportazione(scelta.percorso, contesto_.stato);
    if (!rifiuto.ok()) {
        contesto_.messaggi.mostra(rifiuto.messaggio, Messaggi::Icona::Esclamazione);
        return;
    }
    if (EsisteFile(scelta.percorso)) {
        const auto risposta = contesto_.messaggi.mostra(QStringLiteral("Il file ") + scelta.percorso
                                                            + QStringLiteral("  esiste già!\r\nsostituire il file?"),
                                                        Messaggi::Icona::Domanda, Messaggi::Pulsanti::SiNo);
        // The old file stays until the new one takes its name: a failed or killed export
        // loses nothing.
        if (risposta != Messaggi::Risposta::Si)
            return;
    }
    cmdAvvia_->setEnabled(false);
    cmdChiudi_->setEnabled(false);
    esporta(scelta.filtro, scelta.percorso);
    cmdAvvia_->setEnabled(scelte().almenoUna());
    cmdChiudi_->setEnabled(true);
}

void frmEsporta::esporta(int tipo, const QString& percorso)
{
    StatoApplicazione& stato = contesto_.stato;
    EsitoEsportazione esito;
    switch (tipo) {
    case TipoAccess:
        esito = EsportaCopiaDatabase(stato.DbPortafoglio, percorso, scelte());
        mostraConteggi(esito.conteggi);
        // The copy leaves the open portfolio as it was; the refresh runs whatever happened.
        contesto_.principale.ControlloMenu();
        if (esito.esito.ok())
            contesto_.messaggi.mostra(QStringLiteral("Copia del database completata: %1").arg(percorso),
                                      Messaggi::Icona::Informazione);
        break;
    case TipoTesto:
        ProgressBar1_->show();
        for (QLabel* l : {labOperazionichiuse_, labEseguiti_, labPortafoglio_})
            l->clear();
        esito = EsportaTesto(stato.DbPortafoglio, percorso, scelte(), progresso());
        mostraConteggi(esito.conteggi);
        ProgressBar1_->hide();
        break;
    default:
        ProgressBar1_->show();
        esito = EsportaExcel(stato.DbPortafoglio, percorso, scelte(),
                             QDir(stato.CartellaProgramma).filePath(NomeLogoExcel), progresso());
        mostraConteggi(esito.conteggi);
        ProgressBar1_->hide();
        break;
    }
    if (!esito.esito.ok())
        contesto_.messaggi.mostra(esito.esito.messaggio, Messaggi::Icona::Esclamazione);
}
