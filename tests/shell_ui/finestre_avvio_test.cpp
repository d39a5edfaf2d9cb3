// The splash and the password dialog, the tips, welcome and view-options windows, the about
// window with its launcher, and the association written at start.
#include "avvia_info_sistema.h"
#include "avvio.h"
#include "avvio_programma.h"
#include "banco_prova.h"
#include "barra_orologi.h"
#include "controlli_prova.h"
#include "frm_about.h"
#include "frm_benvenuto.h"
#include "opzioni_vista.h"
#include "password.h"
#include "presentazione.h"
#include "pwd.h"
#include "registro.h"
#include "tip.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

class PrincipaleProva : public FinestraPrincipale {
public:
    QStringList chiamate;
    void ControlloMenu() override { chiamate << "ControlloMenu"; }
    void ToolbarMenu(int Icone32, int IconeName) override
    {
        chiamate << QStringLiteral("ToolbarMenu %1 %2").arg(Icone32).arg(IconeName);
    }
    void mostraToolbar1(bool visibile) override { chiamate << QStringLiteral("Toolbar1 %1").arg(visibile); }
    void mostraToolbar3(bool visibile) override { chiamate << QStringLiteral("Toolbar3 %1").arg(visibile); }
};

struct Ambiente {
    CartellaProva cartella;
    StatoApplicazione stato;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    PrincipaleProva principale;
    ContestoFinestre contesto{stato, messaggi, dialoghi, principale};

    Ambiente() { EXPECT_EQ(ApriImpostazioni(stato, cartella.cartella()).messaggio, QString()); }

    void sql(const QString& testo) { CartellaProva::esegui(stato.DbDataSet, testo); }
    QVariant valore(const QString& testo) { return CartellaProva::valore(stato.DbDataSet, testo); }
    QString password()
    {
        const Lettura<QString> l = LeggiPwd(stato.DbDataSet);
        return l.ok() ? PasswordInChiaro(l.righe.front()) : QStringLiteral("?");
    }
    void impostaPassword(const QString& p) { ASSERT_TRUE(ScriviPwd(stato.DbDataSet, CifraPassword(p).value()).ok()); }
};

void Digita(QWidget* w, const char* nome, const QString& testo)
{
    auto* casella = Controllo<QLineEdit>(w, nome);
    casella->clear();
    // QTest types ASCII only; other characters come as key events that carry their text.
    for (QChar c : testo) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(casella, c.toLatin1());
            continue;
        }
        for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(t, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(casella, &e);
        }
    }
}

void Muovi(QWidget* w)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void CliccaArea(QWidget* w)
{
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(t, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
}

} // namespace

// ---------------------------------------------------------------- splash

TEST(Presentazione, WithoutPasswordItClosesAtTheFirstTick)
{
    Ambiente a;
    Presentazione p(a.contesto);
    EXPECT_EQ(Controllo<QLabel>(&p, "Label1")->text(), "Ver 1.02");
    EXPECT_TRUE(Controllo<QWidget>(&p, "Picture1")->isHidden());
    EXPECT_EQ(p.timer()->interval(), 2000);
    QSignalSpy chiusa(&p, &QDialog::finished);
    p.scatto();
    ASSERT_EQ(chiusa.size(), 1);
    EXPECT_EQ(chiusa.first().first().toInt(), QDialog::Accepted);
    EXPECT_FALSE(a.stato.AvvioInterrotto);
}

TEST(Presentazione, WithPasswordOnlyTheExactTextCloses)
{
    Ambiente a;
    a.impostaPassword("Abc");
    Presentazione p(a.contesto);
    EXPECT_FALSE(Controllo<QWidget>(&p, "Picture1")->isHidden());
    EXPECT_EQ(Controllo<QLabel>(&p, "lab_Pwd")->buddy(), Controllo<QLineEdit>(&p, "txt_Pwd"));
    QSignalSpy chiusa(&p, &QDialog::finished);
    for (const QString& sbagliata : {QString(""), QString("abc"), QString("Abc "), QString("ABC")}) {
        Digita(&p, "txt_Pwd", sbagliata);
        p.scatto();
        Controllo<QPushButton>(&p, "Command1")->click();
        EXPECT_EQ(chiusa.size(), 0) << sbagliata.toStdString();
    }
    EXPECT_TRUE(a.messaggi.mostrati.isEmpty());
    Digita(&p, "txt_Pwd", "Abc");
    Controllo<QPushButton>(&p, "Command1")->click();
    ASSERT_EQ(chiusa.size(), 1);
    EXPECT_EQ(chiusa.first().first().toInt(), QDialog::Accepted);
}

TEST(Presentazione, EscAndTheFrameButtonCloseItWithoutPasswordAndEndTheProgramWithOne)
{
    const struct {
        const char* nome;
        bool password;
        bool esc;
    } casi[] = {
        {"no password, Esc", false, true},
        {"no password, close button", false, false},
        {"password, Esc", true, true},
        {"password, close button", true, false},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.nome);
        BancoProva b(QStringLiteral("UPDATE Settaggi SET Tip = 1, Benvenuto = 1"), false);
        if (k.password) {
            ASSERT_TRUE(ScriviPwd(b.stato.DbDataSet, CifraPassword("Abc").value()).ok());
        }
        int risultato = -1;
        const bool esc = k.esc;
        b.registra("Presentazione", [esc, &risultato](ContestoFinestre& c) {
            auto* p = new Presentazione(c);
            QObject::connect(p, &QDialog::finished, [&risultato](int r) { risultato = r; });
            QTimer::singleShot(0, p, [p, esc] {
                if (esc)
                    QTest::keyClick(p, Qt::Key_Escape);
                else
                    p->close();
            });
            return p;
        });
        b.registraDialogo("Tip");
        b.registraDialogo("frmBenvenuto");
        b.finestra->Carica();
        if (k.password) {
            // Nobody gets in without the password: the program ends before its main window.
            EXPECT_EQ(risultato, QDialog::Rejected);
            EXPECT_TRUE(b.stato.AvvioInterrotto);
            EXPECT_FALSE(b.stato.PrimaAttivazione);
            b.finestra->Attivazione();
            EXPECT_TRUE(b.mostrate.isEmpty());
            EXPECT_FALSE(b.finestra->isVisible());
        } else {
            // As OK: the splash closes and the start goes on to the tips and the welcome window.
            EXPECT_EQ(risultato, QDialog::Accepted);
            EXPECT_FALSE(b.stato.AvvioInterrotto);
            EXPECT_TRUE(b.stato.PrimaAttivazione);
            b.finestra->Attivazione();
            EXPECT_EQ(b.mostrate, (QStringList{"Tip", "frmBenvenuto"}));
        }
    }
}

TEST(Presentazione, APasswordThatCannotBeReadLetsNobodyIn)
{
    Ambiente a;
    a.sql("DELETE FROM Settaggi");
    {
        Presentazione p(a.contesto);
        EXPECT_FALSE(Controllo<QWidget>(&p, "Picture1")->isHidden());
        ASSERT_EQ(a.messaggi.mostrati.size(), 1);
        EXPECT_TRUE(a.messaggi.mostrati.first().testo.startsWith("Impossibile leggere la password"));
        QSignalSpy chiusa(&p, &QDialog::finished);
        for (const QString& testo : {QString(""), QString("0")}) {
            Digita(&p, "txt_Pwd", testo);
            p.scatto();
            Controllo<QPushButton>(&p, "Command1")->click();
        }
        EXPECT_EQ(chiusa.size(), 0);
    }
    {
        Pwd d(a.contesto);
        EXPECT_EQ(a.messaggi.mostrati.size(), 2);
        EXPECT_FALSE(Controllo<QPushButton>(&d, "Command1")->isEnabled());
        EXPECT_TRUE(Controllo<QPushButton>(&d, "com_Annulla")->isEnabled());
    }
}

// ---------------------------------------------------------------- password dialog

TEST(Pwd, NewPasswordModeStoresTheTextWhenBothBoxesAgree)
{
    Ambiente a;
    {
        Pwd d(a.contesto);
        EXPECT_EQ(d.windowTitle(), "Inserimento nuova pasword");
        EXPECT_EQ(Controllo<QLabel>(&d, "lab_1")->text(), "Password");
        EXPECT_EQ(Controllo<QLabel>(&d, "lab_2")->text(), "Conferma Password");
        EXPECT_TRUE(Controllo<QLineEdit>(&d, "txt_3")->isHidden());
        EXPECT_FALSE(Controllo<QLineEdit>(&d, "txt_2")->isHidden());
        EXPECT_EQ(d.barraStato()->currentMessage(), "inserire la password ");
        for (const char* nome : {"txt_1", "txt_2", "txt_3"})
            EXPECT_EQ(Controllo<QLineEdit>(&d, nome)->echoMode(), QLineEdit::Password);

        Digita(&d, "txt_1", "Abc");
        Digita(&d, "txt_2", "Abd");
        QSignalSpy chiusa(&d, &QDialog::finished);
        Controllo<QPushButton>(&d, "Command1")->click();
        EXPECT_EQ(d.barraStato()->currentMessage(), "Password non corretta");
        EXPECT_EQ(chiusa.size(), 0);
        EXPECT_EQ(a.password(), "0");

        Digita(&d, "txt_2", "Abc");
        Controllo<QPushButton>(&d, "Command1")->click();
        EXPECT_EQ(chiusa.size(), 1);
    }
    EXPECT_EQ(a.password(), "Abc");
}

TEST(Pwd, ChangeAndRemove)
{
    Ambiente a;
    a.impostaPassword("Abc");
    {
        Pwd d(a.contesto);
        EXPECT_EQ(d.windowTitle(), "Modifica pasword");
        EXPECT_EQ(Controllo<QLabel>(&d, "lab_1")->text(), "Password Corrente");
        EXPECT_TRUE(Controllo<QLineEdit>(&d, "txt_2")->isHidden());
        EXPECT_TRUE(Controllo<QLineEdit>(&d, "txt_3")->isHidden());
        EXPECT_EQ(d.barraStato()->currentMessage(), "inserire la password ");
        // OK before the current password is typed is refused.
        Controllo<QPushButton>(&d, "Command1")->click();
        EXPECT_EQ(d.barraStato()->currentMessage(), "Password non corretta");

        Digita(&d, "txt_1", "abc");
        EXPECT_TRUE(Controllo<QLineEdit>(&d, "txt_1")->isEnabled());
        Digita(&d, "txt_1", "Abc");
        EXPECT_FALSE(Controllo<QLineEdit>(&d, "txt_1")->isEnabled());
        EXPECT_EQ(d.barraStato()->currentMessage(), "Inserire nuova password");
        EXPECT_EQ(Controllo<QLabel>(&d, "lab_2")->text(), "Nuova Password");
        EXPECT_EQ(Controllo<QLabel>(&d, "lab_3")->text(), "Conferma password");
        EXPECT_FALSE(Controllo<QLineEdit>(&d, "txt_2")->isHidden());
        EXPECT_FALSE(Controllo<QLineEdit>(&d, "txt_3")->isHidden());
        Digita(&d, "txt_2", "Nuova 1");
        Digita(&d, "txt_3", "Nuova 2");
        Controllo<QPushButton>(&d, "Command1")->click();
        EXPECT_EQ(d.barraStato()->currentMessage(), "Password non corretta");
        EXPECT_EQ(a.password(), "Abc");
        Digita(&d, "txt_3", "Nuova 1");
        Controllo<QPushButton>(&d, "Command1")->click();
    }
    EXPECT_EQ(a.password(), "Nuova 1");

    {
        // Empty new boxes remove the password.
        Pwd d(a.contesto);
        Digita(&d, "txt_1", "Nuova 1");
        Controllo<QPushButton>(&d, "Command1")->click();
    }
    EXPECT_EQ(a.password(), "0");

    {
        // Annulla writes nothing.
        const QVariant prima = a.valore("SELECT Pwd FROM Settaggi");
        Pwd d(a.contesto);
        Digita(&d, "txt_1", "X");
        Digita(&d, "txt_2", "X");
        Controllo<QPushButton>(&d, "com_Annulla")->click();
        EXPECT_EQ(a.valore("SELECT Pwd FROM Settaggi"), prima);
    }
}

TEST(Pwd, AnEmptyPasswordAndTheTextZero)
{
    Ambiente a;
    {
        // Two empty boxes agree: the empty password is stored (two characters).
        Pwd d(a.contesto);
        Controllo<QPushButton>(&d, "Command1")->click();
    }
    EXPECT_EQ(a.valore("SELECT Pwd FROM Settaggi").toString().size(), 2);
    EXPECT_EQ(a.password(), "");
    {
        // The splash then shows its panel and closes at its first tick with the box left empty.
        Presentazione p(a.contesto);
        EXPECT_FALSE(Controllo<QWidget>(&p, "Picture1")->isHidden());
        QSignalSpy chiusa(&p, &QDialog::finished);
        p.scatto();
        EXPECT_EQ(chiusa.size(), 1);
    }

    a.impostaPassword("0");
    {
        // In new-password mode "0" matches the stored "0" and opens the boxes of a new one;
        // OK stores "0" only when the second box holds "0" too.
        Pwd d(a.contesto);
        EXPECT_EQ(d.windowTitle(), "Inserimento nuova pasword");
        Digita(&d, "txt_1", "0");
        EXPECT_EQ(Controllo<QLabel>(&d, "lab_2")->text(), "Nuova Password");
        EXPECT_FALSE(Controllo<QLineEdit>(&d, "txt_1")->isEnabled());
        EXPECT_FALSE(Controllo<QLineEdit>(&d, "txt_3")->isHidden());
        Digita(&d, "txt_2", "1");
        Digita(&d, "txt_3", "1");
        Controllo<QPushButton>(&d, "Command1")->click();
        EXPECT_EQ(d.barraStato()->currentMessage(), "Password non corretta");
        Digita(&d, "txt_2", "0");
        QSignalSpy chiusa(&d, &QDialog::finished);
        Controllo<QPushButton>(&d, "Command1")->click();
        EXPECT_EQ(chiusa.size(), 1);
    }
    EXPECT_EQ(a.password(), "0");
}

TEST(Pwd, ACharacterOutsideLatin1IsRefused)
{
    Ambiente a;
    Pwd d(a.contesto);
    Digita(&d, "txt_1", "costa 5€");
    Digita(&d, "txt_2", "costa 5€");
    QSignalSpy chiusa(&d, &QDialog::finished);
    Controllo<QPushButton>(&d, "Command1")->click();
    EXPECT_EQ(chiusa.size(), 0);
    ASSERT_EQ(a.messaggi.mostrati.size(), 1);
    EXPECT_TRUE(a.messaggi.mostrati.first().testo.contains("€"));
    EXPECT_EQ(a.messaggi.mostrati.first().icona, Messaggi::Icona::Esclamazione);
    EXPECT_EQ(a.password(), "0");
    // Latin-1 letters are fine.
    Digita(&d, "txt_1", "perché");
    Digita(&d, "txt_2", "perché");
    Controllo<QPushButton>(&d, "Command1")->click();
    EXPECT_EQ(chiusa.size(), 1);
    EXPECT_EQ(a.password(), "perché");
}

// ---------------------------------------------------------------- tips

TEST(Tip, ShowsOneOfTheFirst120Tips)
{
    Ambiente a;
    QStringList primi;
    QSqlQuery q(a.stato.DbDataSet);
    ASSERT_TRUE(q.exec("SELECT Consiglio FROM Consiglio ORDER BY rowid"));
    while (q.next())
        primi << q.value(0).toString();
    ASSERT_GT(primi.size(), 120);
    const QStringList oltre = primi.mid(120);
    primi = primi.mid(0, 120);

    Tip t(a.contesto);
    EXPECT_EQ(Controllo<QLabel>(&t, "Label1")->text(), "Regole auree dei grandi ....");
    EXPECT_EQ(Controllo<QPushButton>(&t, "Command1")->text(), "next tip");
    EXPECT_EQ(Controllo<QPushButton>(&t, "Command2")->text(), "Chiudi");
    EXPECT_EQ(Controllo<QCheckBox>(&t, "chk_Tip")->text(), "Visualizza gli insegnamenti all'avvio");
    EXPECT_TRUE(Controllo<QCheckBox>(&t, "chk_Tip")->isChecked());
    auto* testo = Controllo<QPlainTextEdit>(&t, "txt_Tip");
    QSet<QString> visti;
    for (int i = 0; i < 400; ++i) {
        Controllo<QPushButton>(&t, "Command1")->click();
        ASSERT_TRUE(primi.contains(testo->toPlainText())) << testo->toPlainText().toStdString();
        visti.insert(testo->toPlainText());
    }
    EXPECT_GT(visti.size(), 60);
}

TEST(Tip, WithFewerTipsEveryDrawShowsOne)
{
    Ambiente a;
    a.sql("DELETE FROM Consiglio");
    a.sql("INSERT INTO Consiglio VALUES ('primo'), ('secondo'), ('terzo')");
    Tip t(a.contesto);
    auto* testo = Controllo<QPlainTextEdit>(&t, "txt_Tip");
    QSet<QString> visti;
    for (int i = 0; i < 60; ++i) {
        Controllo<QPushButton>(&t, "Command1")->click();
        visti.insert(testo->toPlainText());
    }
    EXPECT_EQ(visti, (QSet<QString>{"primo", "secondo", "terzo"}));

    a.sql("DELETE FROM Consiglio");
    Controllo<QPushButton>(&t, "Command1")->click();
    EXPECT_EQ(testo->toPlainText(), "");
}

TEST(Tip, TipsThatCannotBeReadAreTold)
{
    Ambiente a;
    a.sql("DROP TABLE Consiglio");
    Tip t(a.contesto);
    EXPECT_EQ(Controllo<QPlainTextEdit>(&t, "txt_Tip")->toPlainText(), "");
    ASSERT_EQ(a.messaggi.mostrati.size(), 1);
    EXPECT_TRUE(a.messaggi.mostrati.first().testo.startsWith("Impossibile leggere i consigli"));
}

TEST(Tip, ChiudiOnlySwitchesTheTipsOff)
{
    const struct {
        int primaTip;
        bool spuntata;
        int dopoTip;
    } casi[] = {{1, true, 1}, {1, false, 0}, {0, true, 0}};
    for (const auto& k : casi) {
        SCOPED_TRACE(testing::Message() << k.primaTip << " " << k.spuntata);
        Ambiente a;
        a.sql(QStringLiteral("UPDATE Settaggi SET Tip = %1").arg(k.primaTip));
        a.stato.PrimaAttivazione = true;
        Tip t(a.contesto);
        Controllo<QCheckBox>(&t, "chk_Tip")->setChecked(k.spuntata);
        QSignalSpy chiusa(&t, &QDialog::finished);
        Controllo<QPushButton>(&t, "Command2")->click();
        EXPECT_EQ(chiusa.size(), 1);
        EXPECT_FALSE(a.stato.PrimaAttivazione);
        EXPECT_EQ(a.valore("SELECT Tip FROM Settaggi").toInt(), k.dopoTip);
    }
}

// ---------------------------------------------------------------- welcome

TEST(frmBenvenuto, HoverShowsTheBorderAndTheHint)
{
    Ambiente a;
    frmBenvenuto w(a.contesto);
    w.show();
    EXPECT_EQ(w.windowTitle(), "Benvenuti in Brunivox");
    EXPECT_EQ(Controllo<QLabel>(&w, "Label1")->text(), "Mostra questa schermata di benvenuto all'avvio");
    EXPECT_EQ(Controllo<QLabel>(&w, "Label1")->buddy(), Controllo<QCheckBox>(&w, "Check1"));
    EXPECT_TRUE(Controllo<QCheckBox>(&w, "Check1")->isChecked());
    auto* hint = Controllo<QLabel>(&w, "Label2");
    EXPECT_EQ(hint->text(), "");
    QLabel* aree[] = {Controllo<QLabel>(&w, "Image1"), Controllo<QLabel>(&w, "Image2"), Controllo<QLabel>(&w, "Image3")};
    const char* hints[] = {"Apre nuovo protafoglio", "Apre la finestra di dialogo: apri portafoglio",
                           "Apre: 0 l'ultimo portafoglio modificato"};
    for (int i : {1, 0, 2}) {
        SCOPED_TRACE(i);
        Muovi(aree[i]);
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(aree[j]->frameShape(), j == i ? QFrame::Box : QFrame::NoFrame) << j;
        EXPECT_EQ(hint->text(), hints[i]);
    }
    Muovi(Controllo<QWidget>(&w, "Picture1"));
    for (QLabel* area : aree)
        EXPECT_EQ(area->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(hint->text(), "");

    a.sql("UPDATE Settaggi SET ApriUltimo = '/home/io/prova.gvf'");
    frmBenvenuto w2(a.contesto);
    w2.show();
    Muovi(Controllo<QLabel>(&w2, "Image3"));
    EXPECT_EQ(Controllo<QLabel>(&w2, "Label2")->text(), "Apre: /home/io/prova.gvf l'ultimo portafoglio modificato");
}

TEST(frmBenvenuto, AClickChoosesAndEveryWayOutEndsTheStart)
{
    const struct {
        const char* nome;
        const char* area; // nullptr: closed with the frame's button
        bool spuntata;
        int scelta;
        int benvenuto;
    } casi[] = {
        {"new, box ticked", "Image1", true, 1, 1},
        {"open, box unticked", "Image2", false, 2, 0},
        {"open last", "Image3", true, 3, 1},
        {"closed, box unticked", nullptr, false, 0, 1},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.nome);
        Ambiente a;
        a.stato.PrimaAttivazione = true;
        frmBenvenuto w(a.contesto);
        w.show();
        Controllo<QCheckBox>(&w, "Check1")->setChecked(k.spuntata);
        if (k.area)
            CliccaArea(Controllo<QLabel>(&w, k.area));
        else
            w.close();
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(a.stato.SceltaBenvenuto, k.scelta);
        EXPECT_FALSE(a.stato.PrimaAttivazione);
        EXPECT_EQ(a.valore("SELECT Benvenuto FROM Settaggi").toInt(), k.benvenuto);
    }
}

TEST(frmBenvenuto, TabCyclesThroughTheThreeChoicesAndTheBox)
{
    Ambiente a;
    a.sql("UPDATE Settaggi SET ApriUltimo = '/home/io/prova.gvf'");
    frmBenvenuto w(a.contesto);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    // The window opens on the box: an Enter typed out of habit chooses nothing.
    ASSERT_EQ(QApplication::focusWidget(), Controllo<QCheckBox>(&w, "Check1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(w.isVisible());
    auto* hint = Controllo<QLabel>(&w, "Label2");
    EXPECT_EQ(hint->text(), "");

    // The border and the hint follow the focus as they follow the mouse.
    const struct {
        Qt::Key tasto;
        const char* fuoco;
        const char* bordo; // nullptr: no area has it
        const char* hint;
    } passi[] = {
        {Qt::Key_Tab, "Image1", "Image1", "Apre nuovo protafoglio"},
        {Qt::Key_Tab, "Image2", "Image2", "Apre la finestra di dialogo: apri portafoglio"},
        {Qt::Key_Tab, "Image3", "Image3", "Apre: /home/io/prova.gvf l'ultimo portafoglio modificato"},
        {Qt::Key_Tab, "Check1", nullptr, ""},
        {Qt::Key_Tab, "Image1", "Image1", "Apre nuovo protafoglio"},
        {Qt::Key_Backtab, "Check1", nullptr, ""},
        {Qt::Key_Backtab, "Image3", "Image3", "Apre: /home/io/prova.gvf l'ultimo portafoglio modificato"},
    };
    for (const auto& k : passi) {
        SCOPED_TRACE(k.fuoco);
        QTest::keyClick(QApplication::focusWidget(), k.tasto);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), k.fuoco);
        for (const char* area : {"Image1", "Image2", "Image3"})
            EXPECT_EQ(Controllo<QLabel>(&w, area)->frameShape(),
                      k.bordo && qstrcmp(area, k.bordo) == 0 ? QFrame::Box : QFrame::NoFrame)
                << area;
        EXPECT_EQ(hint->text(), k.hint);
    }
    EXPECT_TRUE(w.isVisible());
}

TEST(frmBenvenuto, EnterAndSpaceOnAChoiceDoWhatAClickDoes)
{
    const struct {
        const char* nome;
        Qt::Key tasto; // Qt::Key_unknown: a click
    } modi[] = {
        {"click", Qt::Key_unknown},
        {"Return", Qt::Key_Return},
        {"keypad Enter", Qt::Key_Enter},
        {"Space", Qt::Key_Space},
    };
    for (int area = 0; area < 3; ++area) {
        for (const auto& modo : modi) {
            SCOPED_TRACE(testing::Message() << "Image" << area + 1 << ", " << modo.nome);
            Ambiente a;
            a.stato.PrimaAttivazione = true;
            frmBenvenuto w(a.contesto);
            w.show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
            Controllo<QCheckBox>(&w, "Check1")->setChecked(false);
            auto* scelta = Controllo<QLabel>(&w, QStringLiteral("Image%1").arg(area + 1).toLatin1().constData());
            if (modo.tasto == Qt::Key_unknown) {
                CliccaArea(scelta);
            } else {
                for (int i = 0; i <= area; ++i)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                ASSERT_EQ(QApplication::focusWidget(), scelta);
                QTest::keyClick(scelta, modo.tasto);
            }
            EXPECT_FALSE(w.isVisible());
            EXPECT_EQ(a.stato.SceltaBenvenuto, area + 1);
            EXPECT_FALSE(a.stato.PrimaAttivazione);
            EXPECT_EQ(a.valore("SELECT Benvenuto FROM Settaggi").toInt(), 0);
        }
    }
}

TEST(frmBenvenuto, EachChoiceIsAButtonNamedByItsHint)
{
    Ambiente a;
    a.sql("UPDATE Settaggi SET ApriUltimo = '/home/io/prova.gvf'");
    frmBenvenuto w(a.contesto);
    w.show();
    const struct {
        const char* area;
        const char* nome;
    } casi[] = {
        {"Image1", "Apre nuovo protafoglio"},
        {"Image2", "Apre la finestra di dialogo: apri portafoglio"},
        {"Image3", "Apre: /home/io/prova.gvf l'ultimo portafoglio modificato"},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.area);
        auto* area = Controllo<QLabel>(&w, k.area);
        QAccessibleInterface* accessibile = QAccessible::queryAccessibleInterface(area);
        ASSERT_NE(accessibile, nullptr);
        EXPECT_EQ(accessibile->text(QAccessible::Name), k.nome);
        EXPECT_EQ(accessibile->role(), QAccessible::Button);
        EXPECT_TRUE(accessibile->state().focusable);
        // The name is what the mouse shows.
        Muovi(area);
        EXPECT_EQ(Controllo<QLabel>(&w, "Label2")->text(), k.nome);
    }
    // A screen reader's press chooses, as a click does.
    QAccessibleActionInterface* azioni
        = QAccessible::queryAccessibleInterface(Controllo<QLabel>(&w, "Image2"))->actionInterface();
    ASSERT_NE(azioni, nullptr);
    ASSERT_TRUE(azioni->actionNames().contains(QAccessibleActionInterface::pressAction()));
    azioni->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(a.stato.SceltaBenvenuto, 2);
}

// ---------------------------------------------------------------- view options

TEST(OpzioniVista, CaptionsAndBoxesFromTheSettings)
{
    Ambiente a;
    a.sql("UPDATE Settaggi SET Tip = 1, Benvenuto = 0, Clock = 1, Menu = 0, Icone32 = 1, IconeName = 0");
    OpzioniVista d(a.contesto);
    EXPECT_EQ(d.windowTitle(), "Opzioni Vista");
    const struct {
        const char* nome;
        const char* testo;
        bool spuntata;
    } caselle[] = {
        {"chk_Tip", "Visualizza le regole auree all'avvio", true},
        {"chk_Benvenuto", "Visualizza benvenuto all' avvio", false},
        {"chk_Clock", "Visualizza orologli", true},
        {"chk_Menu", "Menu a icone", false},
        {"chk_Icone32", "Icone grandi", true},
        {"chk_IconeName", "Nomi delle icone", false},
    };
    for (const auto& c : caselle) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(Controllo<QCheckBox>(&d, c.nome)->text(), c.testo);
        EXPECT_EQ(Controllo<QCheckBox>(&d, c.nome)->isChecked(), c.spuntata);
    }
    EXPECT_EQ(Controllo<QPushButton>(&d, "cmd_Applica")->text(), "Applica");
    EXPECT_EQ(Controllo<QPushButton>(&d, "cmd_Ok")->text(), "OK");
    EXPECT_EQ(Controllo<QPushButton>(&d, "cmd_Annulla")->text(), "Annulla");
}

TEST(OpzioniVista, SettingsThatCannotBeReadAreNotOverwritten)
{
    Ambiente a;
    a.sql("DELETE FROM Settaggi");
    OpzioniVista d(a.contesto);
    ASSERT_EQ(a.messaggi.mostrati.size(), 1);
    EXPECT_FALSE(Controllo<QPushButton>(&d, "cmd_Ok")->isEnabled());
    EXPECT_TRUE(Controllo<QPushButton>(&d, "cmd_Applica")->isEnabled());
}

TEST(OpzioniVista, ClickRulesRunOnlyWhenAValueChanges)
{
    struct Caso {
        const char* nome;
        const char* settaggi;
        bool icone32Disponibile;
        bool nomiDisponibile;
    };
    const Caso casi[] = {
        // A stored Menu of 0 leaves the box unticked without running its rule.
        {"menu off", "Menu = 0, Icone32 = 1, IconeName = 1", true, true},
        {"menu on, small icons", "Menu = 1, Icone32 = 0, IconeName = 1", true, false},
        {"menu on, large icons", "Menu = 1, Icone32 = 1, IconeName = 0", true, true},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        Ambiente a;
        a.sql(QStringLiteral("UPDATE Settaggi SET ") + k.settaggi);
        OpzioniVista d(a.contesto);
        auto* icone = Controllo<QCheckBox>(&d, "chk_Icone32");
        auto* nomi = Controllo<QCheckBox>(&d, "chk_IconeName");
        EXPECT_EQ(icone->isEnabled(), k.icone32Disponibile);
        EXPECT_EQ(nomi->isEnabled(), k.nomiDisponibile);
    }

    Ambiente a;
    a.sql("UPDATE Settaggi SET Menu = 1, Icone32 = 1, IconeName = 1");
    OpzioniVista d(a.contesto);
    auto* menu = Controllo<QCheckBox>(&d, "chk_Menu");
    auto* icone = Controllo<QCheckBox>(&d, "chk_Icone32");
    auto* nomi = Controllo<QCheckBox>(&d, "chk_IconeName");
    icone->click();
    EXPECT_FALSE(nomi->isEnabled());
    EXPECT_TRUE(nomi->isChecked()); // unavailable, keeps its value
    menu->click();
    EXPECT_FALSE(icone->isEnabled());
    EXPECT_FALSE(nomi->isEnabled());
    icone->click(); // the user cannot change an unavailable box
    EXPECT_FALSE(icone->isChecked());
    menu->click();
    EXPECT_TRUE(icone->isEnabled());
    EXPECT_FALSE(nomi->isEnabled());
    icone->click();
    EXPECT_TRUE(nomi->isEnabled());
}

TEST(OpzioniVista, ApplyThenCancelStoresNothingAndOkStoresTheSixFlags)
{
    Ambiente a;
    a.sql("UPDATE Settaggi SET Tip = 1, Benvenuto = 1, Clock = 1, Menu = 1, Icone32 = 1, IconeName = 1");
    const QString flag = "SELECT Tip || Benvenuto || Clock || Menu || Icone32 || IconeName FROM Settaggi";
    {
        OpzioniVista d(a.contesto);
        Controllo<QCheckBox>(&d, "chk_Clock")->click();
        Controllo<QCheckBox>(&d, "chk_IconeName")->click();
        Controllo<QPushButton>(&d, "cmd_Applica")->click();
        EXPECT_EQ(a.principale.chiamate, (QStringList{"Toolbar1 1", "Toolbar3 0", "ToolbarMenu 1 0"}));
        Controllo<QPushButton>(&d, "cmd_Annulla")->click();
    }
    EXPECT_EQ(a.valore(flag).toString(), "111111");

    a.principale.chiamate.clear();
    {
        OpzioniVista d(a.contesto);
        Controllo<QCheckBox>(&d, "chk_Tip")->click();
        Controllo<QCheckBox>(&d, "chk_Benvenuto")->click();
        Controllo<QCheckBox>(&d, "chk_Icone32")->click(); // IconeName turns unavailable, still ticked
        Controllo<QCheckBox>(&d, "chk_Menu")->click();
        QSignalSpy chiusa(&d, &QDialog::finished);
        Controllo<QPushButton>(&d, "cmd_Ok")->click();
        EXPECT_EQ(chiusa.size(), 1);
        EXPECT_EQ(a.principale.chiamate, (QStringList{"Toolbar1 0", "Toolbar3 1", "ToolbarMenu 0 1"}));
    }
    EXPECT_EQ(a.valore(flag).toString(), "001001");
    EXPECT_EQ(a.valore("SELECT ApriUltimo FROM Settaggi").toString(), "0");
}

TEST(OpzioniVista, TheMainWindowFollowsTheOptions)
{
    BancoProva b(QStringLiteral("UPDATE Settaggi SET Clock = 1, Menu = 1, Icone32 = 1, IconeName = 1"));
    b.finestra->show();
    OpzioniVista d(b.finestra->contesto());
    Controllo<QCheckBox>(&d, "chk_Clock")->click();
    Controllo<QCheckBox>(&d, "chk_Icone32")->click();
    Controllo<QPushButton>(&d, "cmd_Applica")->click();
    EXPECT_FALSE(b.finestra->toolbar3()->isVisible());
    EXPECT_TRUE(b.finestra->toolbar1()->isVisible());
    EXPECT_EQ(b.finestra->toolbar1()->iconSize(), QSize(16, 16));
    EXPECT_EQ(b.finestra->pulsante(1)->text(), "");
    Controllo<QCheckBox>(&d, "chk_Menu")->click();
    Controllo<QPushButton>(&d, "cmd_Applica")->click();
    EXPECT_FALSE(b.finestra->toolbar1()->isVisible());
}

// ---------------------------------------------------------------- about

TEST(FrmAbout, CreditsStandOnBlackOneUnderTheOtherAndFade)
{
    Ambiente a;
    FrmAbout w(a.contesto);
    EXPECT_EQ(w.windowTitle(), "About Brunivox");
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(Controllo<QPushButton>(&w, "cmd_SystemInfo")->text(), "System Info..");
    EXPECT_FALSE(Controllo<QLabel>(&w, "Label1")->text().isEmpty());
    auto* shape = Controllo<QWidget>(&w, "Shape1");
    EXPECT_EQ(shape->height(), FrmAbout::AltezzaCrediti / 15);
    EXPECT_EQ(shape->y(), 0);
    for (int i = 0; i <= FrmAbout::N; ++i) {
        SCOPED_TRACE(i);
        QLabel* l = w.credito(i);
        EXPECT_EQ(l->parentWidget(), shape); // clipped to the credits area
        EXPECT_FALSE(l->autoFillBackground());
        EXPECT_EQ(w.cima(i), i * FrmAbout::AltezzaRiga);
        EXPECT_EQ(l->x() + l->width() / 2, shape->width() / 2);
    }
    EXPECT_TRUE(w.credito(0)->text().isEmpty());
    EXPECT_TRUE(w.credito(1)->text().isEmpty());
    EXPECT_FALSE(w.credito(2)->text().isEmpty());
    EXPECT_TRUE(w.credito(9)->text().isEmpty());
    EXPECT_EQ(w.timer()->interval(), 1);

    // One twip per tick, the colour by the height before the move.
    w.impostaCima(3, 1935 / 2);
    w.impostaCima(4, 1935);
    w.impostaCima(5, 0);
    w.scorri();
    EXPECT_EQ(w.cima(3), 1935 / 2 - 1);
    EXPECT_EQ(w.credito(3)->palette().color(QPalette::WindowText), QColor(50, 150, 255));
    EXPECT_EQ(w.credito(4)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(w.credito(5)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    // A line that has left the top re-enters at the bottom edge.
    w.impostaCima(6, -FrmAbout::AltezzaRiga);
    w.scorri();
    EXPECT_EQ(w.cima(6), FrmAbout::AltezzaCrediti - 1);
    EXPECT_EQ(w.credito(6)->y(), (FrmAbout::AltezzaCrediti - 1) / 15);
    // 15 ticks move a line by one pixel.
    w.impostaCima(7, 600);
    const int y = w.credito(7)->y();
    for (int i = 0; i < 15; ++i)
        w.scorri();
    EXPECT_EQ(w.credito(7)->y(), y - 1);
}

TEST(FrmAbout, SystemInfoWithoutToolSaysSo)
{
    Ambiente a;
    QFile::remove(FileRegistro());
    FrmAbout w(a.contesto);
    Controllo<QPushButton>(&w, "cmd_SystemInfo")->click();
    ASSERT_EQ(a.messaggi.mostrati.size(), 1);
    EXPECT_EQ(a.messaggi.mostrati.first().testo, "System Information Is Unavailable At This Time");
    EXPECT_EQ(a.messaggi.mostrati.first().pulsanti, Messaggi::Pulsanti::Ok);
    QSignalSpy chiusa(&w, &QDialog::finished);
    Controllo<QPushButton>(&w, "cmd_Ok")->click();
    EXPECT_EQ(chiusa.size(), 1);
}

TEST(AvviaInfoSistema, StartsTheToolTheStoreNamesOrSaysItIsUnavailable)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("registro.reg");
    QDir(dir.path()).mkdir("strumenti");
    QFile eseguibile(dir.filePath("strumenti/MSINFO32.EXE"));
    ASSERT_TRUE(eseguibile.open(QIODevice::WriteOnly));
    eseguibile.close();
    const QString msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    const QString cartella = "SOFTWARE\\Microsoft\\Shared Tools Location";

    struct Caso {
        const char* nome;
        std::function<void(ArchivioRegistro&)> prepara;
        bool avvioRiesce;
        QString avviato; // "" when nothing may be started
    };
    const Caso casi[] = {
        {"nothing in the store", [](ArchivioRegistro&) {}, true, ""},
        {"PATH", [&](ArchivioRegistro& r) { ScriviStringa(r, HKEY_LOCAL_MACHINE, msinfo, "PATH", "/opt/info"); }, true,
         "/opt/info"},
        {"PATH that fails to start",
         [&](ArchivioRegistro& r) { ScriviStringa(r, HKEY_LOCAL_MACHINE, msinfo, "PATH", "/opt/info"); }, false,
         "/opt/info"},
        {"folder with the tool",
         [&](ArchivioRegistro& r) {
             ScriviStringa(r, HKEY_LOCAL_MACHINE, cartella, "MSINFO", dir.filePath("strumenti"));
         },
         true, dir.filePath("strumenti/MSINFO32.EXE")},
        {"folder without the tool",
         [&](ArchivioRegistro& r) { ScriviStringa(r, HKEY_LOCAL_MACHINE, cartella, "MSINFO", dir.path()); }, true, ""},
        {"under another root",
         [&](ArchivioRegistro& r) { ScriviStringa(r, HKEY_CURRENT_USER, msinfo, "PATH", "/opt/info"); }, true, ""},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        QFile::remove(file);
        ArchivioRegistro r(file);
        k.prepara(r);
        r.imposta(HKEY_CURRENT_USER, "x", {});
        ASSERT_TRUE(r.salva());
        MessaggiProva messaggi;
        QStringList avviati;
        AvviaInfoSistema(messaggi, file, [&](const QString& p) {
            avviati << p;
            return k.avvioRiesce;
        });
        EXPECT_EQ(avviati, k.avviato.isEmpty() ? QStringList() : QStringList{k.avviato});
        const bool avviato = !k.avviato.isEmpty() && k.avvioRiesce;
        EXPECT_EQ(messaggi.testi(), avviato ? QStringList() : QStringList{MessaggioInfoSistema});
    }
}

// ---------------------------------------------------------------- start

TEST(AvviaProgramma, WritesTheAssociationAtEveryStart)
{
    CartellaProva cartella;
    QFile::remove(FileRegistro());
    for (int volta = 0; volta < 2; ++volta) {
        StatoApplicazione stato;
        MessaggiProva messaggi;
        DialogoFileProva dialoghi;
        auto finestra = AvviaProgramma(stato, cartella.cartella(), messaggi, dialoghi);
        ASSERT_NE(finestra, nullptr);
        EXPECT_TRUE(messaggi.mostrati.isEmpty());
    }
    const ArchivioRegistro r(FileRegistro());
    EXPECT_EQ(r.numeroChiavi(), 6);
    EXPECT_EQ(LeggiStringa(r, HKEY_CLASSES_ROOT, ".gvf", ""), std::optional<QString>("Gavrel"));
    EXPECT_EQ(r.valore(HKEY_CLASSES_ROOT, "Gavrel", "EditFlags")->tipo, ArchivioRegistro::Tipo::Dword);

    // No settings database: no association either.
    QFile::remove(FileRegistro());
    QTemporaryDir vuota;
    StatoApplicazione stato;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    EXPECT_EQ(AvviaProgramma(stato, vuota.path(), messaggi, dialoghi), nullptr);
    EXPECT_FALSE(QFile::exists(FileRegistro()));
}

// The caption beside the box is the box's own: a click on it ticks and unticks the box, and
// chooses nothing.
TEST(frmBenvenuto, AClickOnTheCaptionTicksTheBox)
{
    Ambiente a;
    frmBenvenuto w(a.contesto);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* casella = Controllo<QCheckBox>(&w, "Check1");
    auto* didascalia = Controllo<QLabel>(&w, "Label1");
    ASSERT_TRUE(casella->isChecked());
    for (const bool attesa : {false, true, false}) {
        QTest::mouseClick(didascalia, Qt::LeftButton, {}, didascalia->rect().center());
        EXPECT_EQ(casella->isChecked(), attesa);
        EXPECT_TRUE(w.isVisible());
    }
    // A press that ends outside the caption is no click.
    QTest::mousePress(didascalia, Qt::LeftButton, {}, didascalia->rect().center());
    QTest::mouseRelease(didascalia, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_FALSE(casella->isChecked());
    EXPECT_EQ(a.stato.SceltaBenvenuto, 0);
}
