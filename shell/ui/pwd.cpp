#include "pwd.h"

#include "applica_colori.h"
#include "immagini_avvio.h"
#include "password.h"
#include "picture_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

const QString NessunaPassword = QStringLiteral("0");

} // namespace

Pwd::Pwd(ContestoFinestre& contesto, QWidget* parent) : QDialog(parent), contesto_(contesto)
{
    setObjectName(QStringLiteral("Pwd"));

    auto* Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(96, 96);
    Picture1->SetPicture(ImmagineProgramma(Picture1->size()));

    auto* griglia = new QGridLayout;
    auto casella = [&](const char* etichetta, const char* nome, int riga, QLabel*& lab, QLineEdit*& txt) {
        lab = new QLabel(this);
        lab->setObjectName(QLatin1String(etichetta));
        txt = new QLineEdit(this);
        txt->setObjectName(QLatin1String(nome));
        txt->setEchoMode(QLineEdit::Password);
        txt->setMinimumWidth(160);
        lab->setBuddy(txt);
        griglia->addWidget(lab, riga, 0);
        griglia->addWidget(txt, riga, 1);
    };
    casella("lab_1", "txt_1", 0, lab_1_, txt_1_);
    casella("lab_2", "txt_2", 1, lab_2_, txt_2_);
    casella("lab_3", "txt_3", 2, lab_3_, txt_3_);

    auto* Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    auto* com_Annulla = new QPushButton(QStringLiteral("Annulla"), this);
    com_Annulla->setObjectName(QStringLiteral("com_Annulla"));
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(Command1);
    pulsanti->addWidget(com_Annulla);

    StatusBar1_ = new QStatusBar(this);
    StatusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1_->setSizeGripEnabled(false);

    auto* corpo = new QHBoxLayout;
    corpo->addWidget(Picture1, 0, Qt::AlignTop);
    corpo->addLayout(griglia, 1);
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(corpo);
    colonna->addLayout(pulsanti);
    colonna->addWidget(StatusBar1_);
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, &Pwd::premiOk);
    connect(com_Annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(txt_1_, &QLineEdit::textChanged, this, &Pwd::cambioTesto1);

    // Load.
    ApplicaColori(this, contesto_.stato.DbDataSet);
    const Lettura<QString> pwd = LeggiPwd(contesto_.stato.DbDataSet);
    if (!pwd.ok()) {
        // Nothing can be checked against it: the dialog can only be cancelled.
        contesto_.messaggi.mostra(pwd.errore, Messaggi::Icona::Critico);
        Command1->setEnabled(false);
        txt_1_->setEnabled(false);
    } else {
        pwd_ = pwd.righe.front();
    }
    if (PasswordInChiaro(pwd_) == NessunaPassword) {
        lab_1_->setText(QStringLiteral("Password"));
        lab_2_->setText(QStringLiteral("Conferma Password"));
        lab_3_->hide();
        txt_3_->hide();
        setWindowTitle(QStringLiteral("Inserimento nuova pasword"));
    } else {
        lab_1_->setText(QStringLiteral("Password Corrente"));
        // Hidden with their boxes: an empty caption would stand beside nothing.
        lab_2_->hide();
        lab_3_->hide();
        txt_2_->hide();
        txt_3_->hide();
        setWindowTitle(QStringLiteral("Modifica pasword"));
    }
    StatusBar1_->showMessage(QStringLiteral("inserire la password "));
}

void Pwd::cambioTesto1()
{
    if (PasswordInChiaro(pwd_) != txt_1_->text())
        return;
    StatusBar1_->showMessage(QStringLiteral("Inserire nuova password"));
    lab_2_->setText(QStringLiteral("Nuova Password"));
    lab_3_->setText(QStringLiteral("Conferma password"));
    txt_1_->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(lab_2_), static_cast<QWidget*>(txt_2_), static_cast<QWidget*>(lab_3_),
                       static_cast<QWidget*>(txt_3_)})
        w->show();
}

bool Pwd::salva(const QString& password)
{
    if (const auto c = CarattereNonAmmesso(password)) {
        contesto_.messaggi.mostra(
            QStringLiteral("La password non può contenere il carattere \"%1\": usare lettere, cifre e simboli "
                           "dell'alfabeto latino.")
                .arg(*c),
            Messaggi::Icona::Esclamazione);
        return false;
    }
    const auto cifrata = CifraPassword(password);
    if (!cifrata) {
        contesto_.messaggi.mostra(QStringLiteral("Impossibile cifrare la password: sceglierne un'altra."),
                                  Messaggi::Icona::Esclamazione);
        return false;
    }
    const Esito esito = ScriviPwd(contesto_.stato.DbDataSet, *cifrata);
    if (!esito.ok()) {
        contesto_.messaggi.mostra(esito.messaggio, Messaggi::Icona::Critico);
        return false;
    }
    return true;
}

void Pwd::premiOk()
{
    const QString attuale = PasswordInChiaro(pwd_);
    if (attuale == NessunaPassword) {
        if (txt_1_->text() == txt_2_->text()) {
            if (salva(txt_1_->text()))
                accept();
            return;
        }
    } else if (txt_1_->text() == attuale && txt_3_->text() == txt_2_->text()) {
        // Empty new boxes remove the password.
        if (salva(txt_2_->text().isEmpty() ? NessunaPassword : txt_2_->text()))
            accept();
        return;
    }
    StatusBar1_->showMessage(QStringLiteral("Password non corretta"));
}
