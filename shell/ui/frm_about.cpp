#include "frm_about.h"

#include "applica_colori.h"
#include "avvia_info_sistema.h"
#include "crediti.h"
#include "immagini_avvio.h"
#include "picture_box.h"
#include "twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int LarghezzaFinestra = 480;
constexpr int LarghezzaCredito = 440;

// Ten lines: the first two and the last are empty.
const std::array<const char*, FrmAbout::N + 1> TestiCrediti = {
    "",
    "",
    "Brunivox - diario di trading",
    "Progetto e sviluppo: il gruppo Brunivox",
    "Motore delle posizioni: il gruppo Brunivox",
    "Statistiche e grafici: il gruppo Brunivox",
    "Interfaccia e icone: il gruppo Brunivox",
    "Prove e collaudo: gli utenti della prima ora",
    "Grazie a chi ha segnalato errori e idee",
    "",
};

const char* AvvisoLegale = "Brunivox è fornito così com'è, senza garanzie di alcun tipo. I risultati e le statistiche "
                           "dipendono dai dati inseriti e non costituiscono consulenza finanziaria. Ogni decisione di "
                           "investimento resta di chi la prende.";

} // namespace

FrmAbout::FrmAbout(ContestoFinestre& contesto, QWidget* parent) : QDialog(parent), contesto_(contesto)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About Brunivox"));

    // The credits area is a frame of its own at the window's top edge: the lines are its
    // children, so whatever leaves it is cut away.
    Shape1_ = new QFrame(this);
    Shape1_->setObjectName(QStringLiteral("Shape1"));
    Shape1_->setFixedSize(LarghezzaFinestra, twips::PixelPerDifetto(AltezzaCrediti));
    for (int i = 0; i <= N; ++i) {
        auto* l = new QLabel(QString::fromUtf8(TestiCrediti[i]), Shape1_);
        l->setObjectName(QStringLiteral("lblCredits%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        l->resize(LarghezzaCredito, twips::PixelPerDifetto(AltezzaRiga));
        lblCredits_[i] = l;
    }

    auto* Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(120, 90);
    Picture1->SetPicture(ImmagineProgramma(Picture1->size()));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* Label1 = new QLabel(QString::fromUtf8(AvvisoLegale), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    auto* cmd_Ok = new QPushButton(QStringLiteral("OK"), Frame1);
    cmd_Ok->setObjectName(QStringLiteral("cmd_Ok"));
    cmd_Ok->setDefault(true);
    auto* cmd_SystemInfo = new QPushButton(QStringLiteral("System Info.."), Frame1);
    cmd_SystemInfo->setObjectName(QStringLiteral("cmd_SystemInfo"));
    auto* pulsanti = new QVBoxLayout;
    pulsanti->addWidget(cmd_Ok);
    pulsanti->addWidget(cmd_SystemInfo);
    pulsanti->addStretch();
    auto* cornice = new QHBoxLayout(Frame1);
    cornice->addWidget(Label1, 1);
    cornice->addLayout(pulsanti);

    auto* sotto = new QHBoxLayout;
    sotto->setContentsMargins(8, 8, 8, 8);
    sotto->addWidget(Picture1, 0, Qt::AlignTop);
    sotto->addWidget(Frame1, 1);
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    colonna->addWidget(Shape1_);
    colonna->addLayout(sotto);
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(1);
    Timer1_->setTimerType(Qt::PreciseTimer);
    connect(Timer1_, &QTimer::timeout, this, &FrmAbout::scorri);
    connect(cmd_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmd_SystemInfo, &QPushButton::clicked, this, [this] { AvviaInfoSistema(contesto_.messaggi); });

    // Load.
    ApplicaColori(this, contesto_.stato.DbDataSet);
    QPalette nero = palette();
    nero.setColor(QPalette::Window, Qt::black);
    setPalette(nero);
    setAutoFillBackground(true);
    // The scheme gives labels a background of their own: the credits stand on the black.
    for (QLabel* l : lblCredits_) {
        l->setAutoFillBackground(false);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(p);
    }
    for (int i = 0; i <= N; ++i)
        impostaCima(i, i == 0 ? 0 : cime_[i - 1] + AltezzaRiga);
}

void FrmAbout::impostaCima(int i, int twip)
{
    cime_[i] = twip;
    QLabel* l = lblCredits_[i];
    l->move((Shape1_->width() - l->width()) / 2, twips::PixelPerDifetto(twip));
}

void FrmAbout::scorri()
{
    for (int i = 0; i <= N; ++i) {
        if (cime_[i] <= -AltezzaRiga)
            impostaCima(i, AltezzaCrediti);
        if (const auto c = ColoreCredito(cime_[i], AltezzaCrediti)) {
            QPalette p = lblCredits_[i]->palette();
            p.setColor(QPalette::WindowText, QColor(c->r, c->g, c->b));
            lblCredits_[i]->setPalette(p);
        }
        impostaCima(i, cime_[i] - 1);
    }
}

void FrmAbout::showEvent(QShowEvent* evento)
{
    Timer1_->start();
    QDialog::showEvent(evento);
}

void FrmAbout::hideEvent(QHideEvent* evento)
{
    Timer1_->stop();
    QDialog::hideEvent(evento);
}
