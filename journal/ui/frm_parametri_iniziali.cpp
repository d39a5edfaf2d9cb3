#include "frm_parametri_iniziali.h"

#include "applica_colori.h"
#include "controlli.h"
#include "delegato_testo.h"
#include "filtro_tasti.h"
#include "griglia_modificabile.h"
#include "larghezza_griglia.h"
#include "modello_tabella.h"
#include "numeri.h"
#include "numero_scritto.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmParametriIniziali::frmParametriIniziali(ContestoFinestre& contesto, QWidget* parent)
    : QDialog(parent), contesto_(contesto),
      modelloSystem_(new ModelloTabella(parametri::TabellaSystem, contesto.stato.DbDataSet, this))
{
    setObjectName(QStringLiteral("frmParametriIniziali"));
    setWindowTitle(QStringLiteral("Parametri iniziali"));
    Costruisci();
    ApplicaColori(this, contesto_.stato.DbDataSet);
    Carica();
}

void frmParametriIniziali::Costruisci()
{
    auto* colonna = new QVBoxLayout(this);

    // The four settings, money and per cent, each with its unit sign.
    struct Riga {
        Casella* c;
        const char* etichetta;
        const char* nome;
        const char* testo;
        const char* unita;
        const char* segno;
        int maxInt;
        int maxDec;
    };
    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    const struct {
        QGroupBox* cornice;
        Riga righe[2];
    } cornici[] = {
        {Frame1,
         {{&capitale_, "Label1", "txtCapitaleIniziale", "Capitale Iniziale", "Label10", "€", 5, 2},
          {&capitalGain_, "Label5", "txtCapitalGain", "Capital Gain", "Label11", "%", 2, 2}}},
        {Frame2,
         {{&slmm_, "Label6", "txtSLMM", "M.M. stop loss", "Label9", "€", 5, 2},
          {&slp_, "Label7", "txtSLP", "%  stop loss", "Label12", "%", 2, 2}}},
    };
    auto* riquadri = new QHBoxLayout;
    for (const auto& cornice : cornici) {
        auto* griglia = new QGridLayout(cornice.cornice);
        int r = 0;
        for (const Riga& riga : cornice.righe) {
            auto* casella = new QLineEdit(cornice.cornice);
            casella->setObjectName(QLatin1String(riga.nome));
            casella->setAlignment(Qt::AlignRight);
            ApplicaFiltroNumero(casella, riga.maxInt, riga.maxDec);
            *riga.c = Casella{casella, QString::fromUtf8(riga.testo), std::nullopt, QString()};
            griglia->addWidget(Etichetta(cornice.cornice, riga.etichetta, QString::fromUtf8(riga.testo), casella), r,
                               0);
            griglia->addWidget(casella, r, 1);
            griglia->addWidget(Etichetta(cornice.cornice, riga.unita, QString::fromUtf8(riga.segno)), r, 2);
            ++r;
        }
        riquadri->addWidget(cornice.cornice);
    }
    colonna->addLayout(riquadri);

    // The trading systems, edited straight into their table.
    modelloSystem_->impostaIntestazione(QStringLiteral("Cod"), QStringLiteral("Cod"));
    modelloSystem_->impostaIntestazione(QStringLiteral("Descrizione"), QStringLiteral("Descrizione"));
    modelloSystem_->impostaIntestazione(QStringLiteral("Commissioni"), QStringLiteral("%."));
    modelloSystem_->impostaIntestazione(QStringLiteral("CommissioniMin"), QStringLiteral("€"));
    DBGrid1_ = new GrigliaModificabile(this);
    DBGrid1_->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1_->setModel(modelloSystem_);
    DBGrid1_->setAccessibleDescription(QStringLiteral(
        "Scrivere nella riga * in fondo, o premere Ins, per aggiungere un sistema; Canc elimina le righe selezionate"));
    DBGrid1_->horizontalHeader()->setStretchLastSection(false);
    DBGrid1_->setMinimumSize(600, 160);

    auto* intestazioni = new QHBoxLayout;
    intestazioni->addWidget(Etichetta(this, "Label4", QStringLiteral("Sistema :"), DBGrid1_));
    intestazioni->addStretch(1);
    intestazioni->addWidget(Etichetta(this, "Label14", QStringLiteral("Commissioni  %.")));
    intestazioni->addSpacing(12);
    intestazioni->addWidget(Etichetta(this, "Label15", QStringLiteral("Commissioni Minime  ")));
    colonna->addLayout(intestazioni);
    colonna->addWidget(DBGrid1_, 1);

    Command2_ = new QPushButton(QStringLiteral("Esci"), this);
    Command2_->setObjectName(QStringLiteral("Command2"));
    Command2_->setAutoDefault(false);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(Command2_);
    colonna->addLayout(pulsanti);

    connect(Command2_, &QPushButton::clicked, this, &QDialog::accept);
    connect(modelloSystem_, &ModelloTabella::scritturaRifiutata, this, [this](const QString& errore) {
        contesto_.messaggi.mostra(QStringLiteral("Il sistema non è stato salvato; la riga torna com'era.\n") + errore,
                                  Messaggi::Icona::Critico);
    });
    connect(static_cast<DelegatoTesto*>(DBGrid1_->itemDelegate()), &DelegatoTesto::numeroNonValido, this,
            [this](const QString& testo) {
                contesto_.messaggi.mostra(QStringLiteral("\"") + testo
                                              + QStringLiteral("\" non è un numero: la cella resta com'era."),
                                          Messaggi::Icona::Esclamazione);
            });
}

void frmParametriIniziali::Carica()
{
    if (const Esito sistemi = modelloSystem_->carica(); !sistemi.ok())
        contesto_.messaggi.mostra(sistemi.messaggio, Messaggi::Icona::Critico);
    const int ultima = modelloSystem_->columnCount() - 1;
    for (int c = 0; c <= ultima; ++c) {
        // The description is the user's own text: it takes the room left and tells what it cuts.
        const bool descrizione = modelloSystem_->campo(c) == QLatin1String("Descrizione");
        DBGrid1_->horizontalHeader()->setSectionResizeMode(
            c, descrizione ? QHeaderView::Stretch : QHeaderView::Interactive);
        if (descrizione)
            ColonnaTestoLibero(DBGrid1_, c);
    }

    const Lettura<parametri::Parametri> lettura = parametri::LeggiParametri(contesto_.stato.DbDataSet);
    if (!lettura.ok())
        contesto_.messaggi.mostra(lettura.errore, Messaggi::Icona::Critico);
    // Unread, the boxes stay empty and, untouched, write nothing back.
    const parametri::Parametri p = lettura.ok() ? lettura.righe.front() : parametri::Parametri{};
    for (auto [c, valore] : {std::pair{&capitale_, p.CapitaleIniziale}, std::pair{&capitalGain_, p.CapitalGain},
                             std::pair{&slmm_, p.SLMM}, std::pair{&slp_, p.SLP}}) {
        c->letto = valore;
        c->mostrato = valore ? numeri::TestoNumero(*valore) : QString();
        c->casella->setText(c->mostrato);
    }
}

std::optional<double> frmParametriIniziali::Valore(const Casella& c, QStringList& rifiutate) const
{
    const QString testo = c.casella->text();
    // Untouched, the box writes back exactly what it showed, whatever its form.
    if (testo == c.mostrato)
        return c.letto;
    if (const auto v = numeri::LeggiNumeroMostrato(testo))
        return v;
    rifiutate << c.didascalia;
    return std::nullopt;
}

void frmParametriIniziali::done(int risultato)
{
    // Esci, Esc and the frame's close button all end here, and only once.
    if (!chiuso_) {
        chiuso_ = true;
        DBGrid1_->confermaEditor();

        QStringList rifiutate;
        const parametri::Parametri valori{Valore(capitale_, rifiutate), Valore(capitalGain_, rifiutate),
                                          Valore(slmm_, rifiutate), Valore(slp_, rifiutate)};
        const Esito esito = parametri::ScriviParametri(contesto_.stato.DbDataSet, valori);
        if (!esito.ok()) {
            contesto_.messaggi.mostra(esito.messaggio, Messaggi::Icona::Critico);
        } else if (!rifiutate.isEmpty()) {
            const QString testo = rifiutate.size() == 1
                ? QStringLiteral("Il valore di \"%1\" è vuoto o non è un numero: resta quello di prima.")
                      .arg(rifiutate.first())
                : QStringLiteral("Questi valori sono vuoti o non sono numeri e restano quelli di prima:\n")
                    + rifiutate.join(QLatin1Char('\n'));
            contesto_.messaggi.mostra(testo, Messaggi::Icona::Esclamazione);
        }
        contesto_.principale.ControlloMenu();
    }
    QDialog::done(risultato);
}
