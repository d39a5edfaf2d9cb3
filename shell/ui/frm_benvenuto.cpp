#include "frm_benvenuto.h"

#include "immagini_avvio.h"
#include "impostazioni_vista.h"
#include "picture_box.h"
#include "settaggi_avvio.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

constexpr int LatoArea = 170;
constexpr int AltezzaArea = 190;
constexpr int Spazio = 14;

} // namespace

frmBenvenuto::frmBenvenuto(ContestoFinestre& contesto, QWidget* parent) : QDialog(parent), contesto_(contesto)
{
    setObjectName(QStringLiteral("frmBenvenuto"));
    setWindowTitle(QStringLiteral("Benvenuti in Brunivox"));

    Picture1_ = new PictureBox(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    const QPixmap immagine = ImmagineBenvenuto(QSize(LatoArea, AltezzaArea), Spazio);
    Picture1_->setFixedSize(immagine.size());
    Picture1_->SetPicture(immagine);
    Picture1_->setMouseTracking(true);
    Picture1_->installEventFilter(this);
    for (int i = 0; i < 3; ++i) {
        auto* area = new QLabel(Picture1_);
        area->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        area->setGeometry(Spazio + i * (LatoArea + Spazio), Spazio, LatoArea, AltezzaArea);
        area->setFrameShape(QFrame::NoFrame);
        area->setMouseTracking(true);
        area->setCursor(Qt::PointingHandCursor);
        area->installEventFilter(this);
        aree_[i] = area;
    }

    Label2_ = new QLabel(this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setMinimumHeight(Label2_->fontMetrics().height() * 2);
    Label2_->setWordWrap(true);

    Check1_ = new QCheckBox(this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setChecked(true);
    auto* Label1 = new QLabel(QStringLiteral("Mostra questa schermata di benvenuto all'avvio"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(Check1_);
    auto* riga = new QHBoxLayout;
    riga->addWidget(Check1_);
    riga->addWidget(Label1, 1);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Picture1_);
    colonna->addWidget(Label2_);
    colonna->addLayout(riga);
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    // Load.
    apriUltimo_ = LeggiImpostazioniVista(contesto_.stato.DbDataSet).value_or(ImpostazioniVista{}).ApriUltimo;
}

void frmBenvenuto::sopra(int area)
{
    for (int i = 0; i < 3; ++i)
        aree_[i]->setFrameShape(i == area ? QFrame::Box : QFrame::NoFrame);
    switch (area) {
    case 0:
        Label2_->setText(QStringLiteral("Apre nuovo protafoglio"));
        break;
    case 1:
        Label2_->setText(QStringLiteral("Apre la finestra di dialogo: apri portafoglio"));
        break;
    case 2:
        Label2_->setText(QStringLiteral("Apre: ") + apriUltimo_ + QStringLiteral(" l'ultimo portafoglio modificato"));
        break;
    default:
        Label2_->clear();
        break;
    }
}

void frmBenvenuto::scegli(int area)
{
    scelta_ = area + 1;
    if (!Check1_->isChecked()) {
        const Esito esito = SpegniBenvenutoAllAvvio(contesto_.stato.DbDataSet);
        if (!esito.ok())
            contesto_.messaggi.mostra(esito.messaggio, Messaggi::Icona::Critico);
    }
    accept();
}

void frmBenvenuto::done(int risultato)
{
    if (scelta_ != 0)
        contesto_.stato.SceltaBenvenuto = scelta_;
    contesto_.stato.PrimaAttivazione = false;
    QDialog::done(risultato);
}

bool frmBenvenuto::eventFilter(QObject* oggetto, QEvent* evento)
{
    const int area = static_cast<int>(std::find(aree_.begin(), aree_.end(), oggetto) - aree_.begin());
    const bool suArea = area < 3;
    if (suArea || oggetto == Picture1_) {
        switch (evento->type()) {
        case QEvent::MouseMove:
        case QEvent::Enter:
            sopra(suArea ? area : -1);
            // An area's move must not reach the picture behind it, which would clear the hint.
            return suArea && evento->type() == QEvent::MouseMove;
        case QEvent::MouseButtonRelease:
            if (suArea && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
                scegli(area);
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}
