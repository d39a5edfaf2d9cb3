#include "presentazione.h"

#include "applica_colori.h"
#include "immagini_avvio.h"
#include "password.h"
#include "picture_box.h"
#include "suono.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

Presentazione::Presentazione(ContestoFinestre& contesto, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint),
      contesto_(contesto)
{
    setObjectName(QStringLiteral("Presentazione"));
    setWindowTitle(QStringLiteral("Brunivox"));

    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ImmagineProgramma(QSize(420, 210)));

    auto* Label1 = new QLabel(QStringLiteral("Ver 1.02"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    Picture1_ = new PictureBox(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    auto* lab_Pwd = new QLabel(QStringLiteral("Password"), Picture1_);
    lab_Pwd->setObjectName(QStringLiteral("lab_Pwd"));
    txt_Pwd_ = new QLineEdit(Picture1_);
    txt_Pwd_->setObjectName(QStringLiteral("txt_Pwd"));
    txt_Pwd_->setEchoMode(QLineEdit::Password);
    lab_Pwd->setBuddy(txt_Pwd_);
    auto* Command1 = new QPushButton(QStringLiteral("OK"), Picture1_);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    auto* pannello = new QHBoxLayout(Picture1_);
    pannello->setContentsMargins(6, 6, 6, 6);
    pannello->addWidget(lab_Pwd);
    pannello->addWidget(txt_Pwd_, 1);
    pannello->addWidget(Command1);

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(Image1);
    colonna->addWidget(Label1, 0, Qt::AlignRight);
    colonna->addWidget(Picture1_);
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(2000);
    connect(Timer1_, &QTimer::timeout, this, &Presentazione::scatto);
    connect(Command1, &QPushButton::clicked, this, &Presentazione::premiOk);

    // Load.
    ApplicaColori(this, contesto_.stato.DbDataSet);
    const Lettura<QString> pwd = LeggiPwd(contesto_.stato.DbDataSet);
    if (!pwd.ok()) {
        // Without the stored password nobody is let in: the message says why, Esc ends.
        illeggibile_ = true;
        contesto_.messaggi.mostra(pwd.errore, Messaggi::Icona::Critico);
    } else {
        pwd_ = pwd.righe.front();
    }
    Picture1_->setVisible(illeggibile_ || PasswordInChiaro(pwd_) != QLatin1String("0"));
}

void Presentazione::premiOk()
{
    if (Picture1_->isHidden()) {
        done(Accepted);
        return;
    }
    if (!illeggibile_ && PasswordInChiaro(pwd_) == txt_Pwd_->text())
        done(Accepted);
}

void Presentazione::scatto()
{
    premiOk();
    SuonaWav(contesto_.stato.CartellaProgramma, QStringLiteral("Start"));
}

void Presentazione::reject()
{
    if (Picture1_->isHidden()) {
        premiOk();
        return;
    }
    contesto_.stato.AvvioInterrotto = true;
    QDialog::reject();
}

void Presentazione::showEvent(QShowEvent* evento)
{
    Timer1_->start();
    QDialog::showEvent(evento);
}

void Presentazione::hideEvent(QHideEvent* evento)
{
    Timer1_->stop();
    QDialog::hideEvent(evento);
}
