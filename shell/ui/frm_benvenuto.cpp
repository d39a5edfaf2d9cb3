#include "frm_benvenuto.h"

#include "area_scelta.h"
#include "immagini_avvio.h"
#include "impostazioni_vista.h"
#include "picture_box.h"
#include "settaggi_avvio.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
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

    // Load: the third hint names the last file.
    apriUltimo_ = LeggiImpostazioniVista(contesto_.stato.DbDataSet).value_or(ImpostazioniVista{}).ApriUltimo;

    Picture1_ = new PictureBox(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    const QPixmap immagine = ImmagineBenvenuto(QSize(LatoArea, AltezzaArea), Spazio);
    Picture1_->setFixedSize(immagine.size());
    Picture1_->SetPicture(immagine);
    Picture1_->setMouseTracking(true);
    Picture1_->installEventFilter(this);
    for (int i = 0; i < 3; ++i) {
        auto* area = new AreaScelta(Picture1_);
        area->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        area->setAccessibleName(suggerimento(i));
        area->setGeometry(Spazio + i * (LatoArea + Spazio), Spazio, LatoArea, AltezzaArea);
        area->setFrameShape(QFrame::NoFrame);
        area->setMouseTracking(true);
        area->setCursor(Qt::PointingHandCursor);
        area->installEventFilter(this);
        connect(area, &AreaScelta::scelta, this, [this, i] { scegli(i); });
        aree_[i] = area;
    }

    Label2_ = new QLabel(this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setMinimumHeight(Label2_->fontMetrics().height() * 2);
    Label2_->setWordWrap(true);

    Check1_ = new QCheckBox(this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setChecked(true);
    Label1_ = new QLabel(QStringLiteral("Mostra questa schermata di benvenuto all'avvio"), this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setBuddy(Check1_);
    // The caption is the box's own, as a check box's text is: a click on it ticks the box.
    Label1_->installEventFilter(this);
    auto* riga = new QHBoxLayout;
    riga->addWidget(Check1_);
    riga->addWidget(Label1_, 1);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Picture1_);
    colonna->addWidget(Label2_);
    colonna->addLayout(riga);
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    // The choices in the picture's order, then the box. The window opens on the box, so that
    // an Enter typed out of habit chooses nothing.
    Check1_->installEventFilter(this);
    setTabOrder(aree_[0], aree_[1]);
    setTabOrder(aree_[1], aree_[2]);
    setTabOrder(aree_[2], Check1_);
    Check1_->setFocus();
}

QString frmBenvenuto::suggerimento(int area) const
{
    switch (area) {
    case 0:
        return QStringLiteral("Apre nuovo protafoglio");
    case 1:
        return QStringLiteral("Apre la finestra di dialogo: apri portafoglio");
    case 2:
        return QStringLiteral("Apre: ") + apriUltimo_ + QStringLiteral(" l'ultimo portafoglio modificato");
    default:
        return QString();
    }
}

void frmBenvenuto::sopra(int area)
{
    for (int i = 0; i < 3; ++i)
        aree_[i]->setFrameShape(i == area ? QFrame::Box : QFrame::NoFrame);
    Label2_->setText(suggerimento(area));
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
    switch (evento->type()) {
    case QEvent::MouseButtonRelease:
        if (const auto* clic = static_cast<QMouseEvent*>(evento); oggetto == Label1_ && clic->button() == Qt::LeftButton
            && Label1_->rect().contains(clic->position().toPoint())) {
            Check1_->setFocus(Qt::MouseFocusReason);
            Check1_->click();
            return true;
        }
        break;
    case QEvent::MouseMove:
    case QEvent::Enter:
        if (suArea || oggetto == Picture1_) {
            sopra(suArea ? area : -1);
            // An area's move must not reach the picture behind it, which would clear the hint.
            return suArea && evento->type() == QEvent::MouseMove;
        }
        break;
    case QEvent::FocusIn:
        // The border and the hint follow Tab as they follow the mouse; the box is the background.
        if (const Qt::FocusReason perche = static_cast<QFocusEvent*>(evento)->reason();
            (suArea || oggetto == Check1_) && (perche == Qt::TabFocusReason || perche == Qt::BacktabFocusReason))
            sopra(suArea ? area : -1);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(oggetto, evento);
}
