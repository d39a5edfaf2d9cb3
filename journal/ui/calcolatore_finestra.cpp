#include "calcolatore_finestra.h"

#include "calcolatore.h"
#include "calcolatore_dati.h"
#include "controlli.h"
#include "esito.h"
#include "filtro_tasti.h"
#include "picture_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQueryModel>
#include <QVBoxLayout>

namespace {

// A read-out 25 pixels high has cells 12 pixels wide: a field of eleven, 17 pixels apart.
constexpr int AltezzaVisore = 25;
constexpr int LarghezzaVisore = 190;

} // namespace

Calcolatore::Calcolatore(ContestoFinestre& contesto, QWidget* parent)
    : QWidget(parent), contesto_(contesto), modelloSystem_(new QSqlQueryModel(this))
{
    setObjectName(QStringLiteral("Calcolatore"));
    setWindowTitle(QStringLiteral("Calcolatore"));
    Costruisci();

    // Load: the systems, the first one chosen; then each read-out attached and emptied.
    modelloSystem_->setQuery(calcolatore::SqlCodiciSystem, contesto_.stato.DbDataSet);
    if (modelloSystem_->lastError().isValid()) {
        erroreMostrato_ = TestoErroreDatabase(modelloSystem_->lastError().text());
        contesto_.messaggi.mostra(erroreMostrato_, Messaggi::Icona::Critico);
    }
    if (modelloSystem_->rowCount() > 0)
        DBCombo_->setCurrentIndex(0);
    else
        DBCombo_->setEditText(QString());
    for (int l = 0; l < NumeroVisori; ++l)
        lcd_[l].NewLCD(box_[l]);
    for (int l = 0; l < NumeroVisori; ++l)
        mostra(Visore(l), QString());

    Collega();
    resize(sizeHint());
}

PictureBox* Calcolatore::creaVisore(QWidget* genitore, Visore l, const char* nome)
{
    auto* box = new PictureBox(genitore);
    box->setObjectName(QLatin1String(nome));
    // The cells are fixed from the height when the box is attached: its size is final here.
    box->setFixedSize(LarghezzaVisore, AltezzaVisore);
    box_[l] = box;
    return box;
}

void Calcolatore::Costruisci()
{
    auto* colonna = new QVBoxLayout(this);

    // The inputs.
    auto* Frame1 = Crea<QGroupBox>(this, "Frame1");
    auto* g1 = new QGridLayout(Frame1);
    txtAcqPzo_ = Crea<QLineEdit>(Frame1, "txtAcqPzo");
    txtQta_ = Crea<QLineEdit>(Frame1, "txtQta");
    txtVndPzo_ = Crea<QLineEdit>(Frame1, "txtVndPzo");
    DBCombo_ = Crea<QComboBox>(Frame1, "DBCombo");
    DBCombo_->setEditable(true);
    DBCombo_->setInsertPolicy(QComboBox::NoInsert);
    DBCombo_->setModel(modelloSystem_);
    lab_AcqImp_ = Crea<QLabel>(Frame1, "lab_AcqImp");
    lab_VndImp_ = Crea<QLabel>(Frame1, "lab_VndImp");
    for (QLabel* importo : {lab_AcqImp_, lab_VndImp_}) {
        importo->setFrameShape(QFrame::StyledPanel);
        importo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        importo->setMinimumWidth(110);
    }
    for (QWidget* campo : std::initializer_list<QWidget*>{txtAcqPzo_, txtQta_, txtVndPzo_, DBCombo_})
        campo->setMinimumWidth(80);
    g1->addWidget(Etichetta(Frame1, "Label1", QStringLiteral("Prezzo acquisto"), txtAcqPzo_), 0, 0);
    g1->addWidget(txtAcqPzo_, 0, 1);
    g1->addWidget(Etichetta(Frame1, "Label2", QStringLiteral("Quantita'"), txtQta_), 0, 2);
    g1->addWidget(txtQta_, 0, 3);
    g1->addWidget(Etichetta(Frame1, "Label3", QStringLiteral("Importo "), lab_AcqImp_), 0, 4);
    g1->addWidget(lab_AcqImp_, 0, 5);
    g1->addWidget(Etichetta(Frame1, "Label4", QStringLiteral("Prezzo vedita"), txtVndPzo_), 1, 0);
    g1->addWidget(txtVndPzo_, 1, 1);
    g1->addWidget(Etichetta(Frame1, "Label5", QStringLiteral("Sistema"), DBCombo_), 1, 2);
    g1->addWidget(DBCombo_, 1, 3);
    g1->addWidget(Etichetta(Frame1, "Label6", QStringLiteral("Importo"), lab_VndImp_), 1, 4);
    g1->addWidget(lab_VndImp_, 1, 5);
    colonna->addWidget(Frame1);

    // The buy side and the sell side, each in its frame.
    struct Riga {
        Visore visore;
        const char* nome;
        const char* etichetta;
        const char* testo;
    };
    auto cornice = [this](const char* nome, std::initializer_list<Riga> righe) {
        auto* frame = Crea<QGroupBox>(this, nome);
        auto* g = new QGridLayout(frame);
        int r = 0;
        for (const Riga& riga : righe) {
            PictureBox* box = creaVisore(frame, riga.visore, riga.nome);
            g->addWidget(Etichetta(frame, riga.etichetta, QString::fromUtf8(riga.testo), box), r, 0);
            g->addWidget(box, r++, 1);
        }
        return frame;
    };
    auto* lati = new QHBoxLayout;
    lati->addWidget(cornice("Frame2", {{SLMM, "pic_SLMM", "Label7", "Money managment"},
                                       {SLP, "pic_SLP", "Label8", "Percentual "},
                                       {PdP, "pic_PdP", "Label9", "Punto di pareggio"}}));
    lati->addWidget(cornice("Frame3", {{Commissioni, "pic_Commissioni", "Label10", "Commissioni"},
                                       {PercentualeGP, "pic_PercentualeGP", "Label11", "% Guadagno"},
                                       {GP, "pic_GP", "Label12", "Guadagno"}}));
    colonna->addLayout(lati);

    cmd_OK_ = Crea<QPushButton>(this, "cmd_OK");
    cmd_OK_->setText(QStringLiteral("Esci"));
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(cmd_OK_);
    colonna->addLayout(pulsanti);

    ApplicaFiltroNumero(txtAcqPzo_, 5, 2);
    ApplicaFiltroNumero(txtVndPzo_, 5, 2);
    ApplicaFiltroNumero(txtQta_, 8, 0);
}

void Calcolatore::Collega()
{
    // textChanged also follows a paste, which the key filters never see.
    connect(txtAcqPzo_, &QLineEdit::textChanged, this, [this] { CambioAcquisto(); });
    connect(txtQta_, &QLineEdit::textChanged, this, [this] { CambioAcquisto(); });
    connect(txtVndPzo_, &QLineEdit::textChanged, this, [this] { CambioVendita(); });
    // The break-even keeps the rate it was computed with until the price or quantity changes.
    connect(DBCombo_, &QComboBox::editTextChanged, this, [this] { CambioVendita(); });
    connect(cmd_OK_, &QPushButton::clicked, this, [this] { Esci(); });
}

void Calcolatore::CambioAcquisto()
{
    LatoAcquisto();
    if (!txtVndPzo_->text().isEmpty())
        LatoVendita();
}

void Calcolatore::CambioVendita()
{
    LatoVendita();
}

void Calcolatore::LatoAcquisto()
{
    const calcolatore::Parametri parametri = leggiParametri();
    const auto testi = calcolatore::RicalcolaAcquisto({txtAcqPzo_->text(), txtQta_->text(), txtVndPzo_->text()},
                                                      parametri.settaggi, parametri.sistema);
    if (!testi)
        return;
    lab_AcqImp_->setText(testi->importo);
    mostra(SLP, testi->SLP);
    mostra(SLMM, testi->SLMM);
    mostra(PdP, testi->PdP);
}

void Calcolatore::LatoVendita()
{
    const calcolatore::Parametri parametri = leggiParametri();
    const auto testi = calcolatore::RicalcolaVendita({txtAcqPzo_->text(), txtQta_->text(), txtVndPzo_->text()},
                                                     lab_AcqImp_->text(), parametri.sistema);
    if (!testi)
        return;
    lab_VndImp_->setText(testi->importo);
    mostra(Commissioni, testi->Commissioni);
    mostra(GP, testi->GP);
    mostra(PercentualeGP, testi->PercentualeGP);
}

calcolatore::Parametri Calcolatore::leggiParametri()
{
    calcolatore::Parametri parametri = calcolatore::LeggiParametri(contesto_.stato.DbDataSet, DBCombo_->currentText());
    // Every key recomputes: a failure that lasts is told once, not at each key.
    if (!parametri.errore.isEmpty() && parametri.errore != erroreMostrato_)
        contesto_.messaggi.mostra(parametri.errore, Messaggi::Icona::Critico);
    erroreMostrato_ = parametri.errore;
    return parametri;
}

void Calcolatore::mostra(Visore l, const QString& testo)
{
    lcd_[l].Caption(testo);
    // The segments are pixels only: the figure is also there for screen readers.
    box_[l]->setAccessibleDescription(testo);
}

void Calcolatore::Esci()
{
    if (auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget()))
        cornice->close();
    else
        close();
}
