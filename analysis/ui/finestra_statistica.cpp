#include "finestra_statistica.h"

#include "applica_colori.h"
#include "grafico.h"
#include "numeri.h"
#include "scelta_grafico.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRadioButton>

#include <algorithm>

namespace statistiche {

QLabel* Didascalia(QWidget* genitore, const char* nome, const QString& testo, QWidget* campo)
{
    auto* l = Crea<QLabel>(genitore, nome);
    l->setText(testo);
    l->setBuddy(campo);
    return l;
}

QLabel* Valore(QWidget* genitore, const char* nome)
{
    auto* l = Crea<QLabel>(genitore, nome);
    l->setFrameShape(QFrame::StyledPanel);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(60);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

void NumeraRighe(Grafico* grafico)
{
    const int righe = grafico->RowCount();
    for (int r = 1; r <= righe; ++r) {
        grafico->setRow(r);
        grafico->setRowLabel(numeri::TestoNumero(r));
    }
    grafico->setRow(1);
}

void NomiColonne(Grafico* grafico, std::initializer_list<const char*> nomi)
{
    int c = 1;
    for (const char* nome : nomi) {
        grafico->setColumn(c++);
        grafico->setColumnLabel(QString::fromUtf8(nome));
    }
    grafico->setColumn(1);
}

} // namespace statistiche

using namespace statistiche;

FinestraStatistica::FinestraStatistica(ContestoFinestre& contesto, const char* nome, const QString& titolo,
                                       QWidget* parent)
    : QWidget(parent), contesto_(contesto)
{
    setObjectName(QLatin1String(nome));
    setWindowTitle(titolo);
}

void FinestraStatistica::Colore()
{
    ApplicaColori(this, contesto_.stato.DbDataSet);
}

QGroupBox* FinestraStatistica::CostruisciScelta(std::initializer_list<Opzione> opzioni, int selezionata,
                                                std::vector<Grafico*> seguono, int colonne)
{
    seguono_ = std::move(seguono);
    frm_Grafici_ = Crea<QGroupBox>(this, "frm_Grafici");
    auto* griglia = new QGridLayout(frm_Grafici_);
    griglia->setContentsMargins(4, 2, 4, 2);
    griglia->setHorizontalSpacing(8);
    griglia->setVerticalSpacing(1);
    Option1_ = new QButtonGroup(this);
    Option1_->setObjectName(QStringLiteral("Option1"));
    int n = 0;
    for (const Opzione& o : opzioni) {
        auto* b = new QRadioButton(QString::fromUtf8(o.testo), frm_Grafici_);
        b->setObjectName(QStringLiteral("Option1_%1").arg(o.indice));
        Option1_->addButton(b, o.indice);
        if (colonne > 0)
            griglia->addWidget(b, n / colonne, n % colonne);
        else
            griglia->addWidget(b, 0, n);
        ++n;
    }
    griglia->setColumnStretch(colonne > 0 ? colonne : n, 1);
    if (QAbstractButton* b = Option1_->button(selezionata))
        b->setChecked(true);
    // Before the first click the charts show the kind of the option selected at open.
    for (Grafico* g : seguono_)
        g->setChartType(TipoGraficoDaOpzione(selezionata));
    connect(Option1_, &QButtonGroup::idClicked, this, &FinestraStatistica::Option1_Click);
    return frm_Grafici_;
}

int FinestraStatistica::AltezzaScelta(int progetto) const
{
    return std::max(progetto, twips::DaPixel(frm_Grafici_->sizeHint().height()));
}

void FinestraStatistica::Option1_Click(int)
{
    // The option whose value is set is the one just clicked.
    const int tipo = TipoGraficoDaOpzione(Option1_->checkedId());
    if (tipo < 0)
        return;
    for (Grafico* g : seguono_)
        g->setChartType(tipo);
}

void FinestraStatistica::Carica(bool ridimensionaPrima)
{
    Colore();
    if (ridimensionaPrima)
        Form_Resize();
    Main();
    // From now on every size change lays the window out; the first layout happens here.
    caricata_ = true;
    Form_Resize();
}

void FinestraStatistica::CresciPerContenuto()
{
    auto* cornice = qobject_cast<QMdiSubWindow*>(parentWidget());
    QWidget* esterna = cornice ? static_cast<QWidget*>(cornice) : this;
    if (esterna->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const int manca = sizeHint().width() - width();
    if (manca > 0)
        esterna->resize(esterna->width() + manca, esterna->height());
}

int FinestraStatistica::Width() const
{
    const auto* cornice = qobject_cast<const QMdiSubWindow*>(parentWidget());
    return twips::DaPixel(cornice ? cornice->width() : width());
}

int FinestraStatistica::Height() const
{
    const auto* cornice = qobject_cast<const QMdiSubWindow*>(parentWidget());
    return twips::DaPixel(cornice ? cornice->height() : height());
}

int FinestraStatistica::ScaleHeight() const
{
    return twips::DaPixel(height());
}

int FinestraStatistica::ScaleWidth() const
{
    return twips::DaPixel(width());
}

void FinestraStatistica::Metti(QWidget* controllo, int left, int top, int width, int height)
{
    controllo->setGeometry(twips::Pixel(left), twips::Pixel(top), std::max(0, twips::Pixel(width)),
                           std::max(0, twips::Pixel(height)));
}

void FinestraStatistica::MostraErrore(const QString& testo)
{
    contesto_.messaggi.mostra(testo, Messaggi::Icona::Critico);
}

void FinestraStatistica::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    if (caricata_)
        Form_Resize();
}
