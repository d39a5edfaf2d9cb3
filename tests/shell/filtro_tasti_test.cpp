#include "filtro_tasti.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

TEST(FiltroTasti, NumberBoxKeepsOnlyWhatTheLimitsAllow)
{
    QLineEdit prezzo;
    ApplicaFiltroNumero(&prezzo, 5, 2);
    QTest::keyClicks(&prezzo, "123456,789-.a");
    EXPECT_EQ(prezzo.text(), "12345,78");
    QTest::keyClick(&prezzo, Qt::Key_Backspace);
    EXPECT_EQ(prezzo.text(), "12345,7");
    QTest::keyClick(&prezzo, Qt::Key_Home);
    QTest::keyClicks(&prezzo, "9,");
    EXPECT_EQ(prezzo.text(), "12345,7");

    QLineEdit quantita;
    ApplicaFiltroNumero(&quantita, 8, 0);
    QTest::keyClicks(&quantita, "1,000000000");
    EXPECT_EQ(quantita.text(), "10000000");
}

TEST(FiltroTasti, TextBoxSwallowsTheQuote)
{
    QLineEdit codice;
    ApplicaFiltroCaratteri(&codice);
    QTest::keyClicks(&codice, "l'oro (A-B) 1.5,2");
    EXPECT_EQ(codice.text(), "loro AB 1.5,2");
}

TEST(FiltroTasti, EditableComboSwallowsTheQuote)
{
    QComboBox sistema;
    sistema.setEditable(true);
    ApplicaFiltroCaratteri(&sistema);
    sistema.show();
    QTest::keyClicks(&sistema, "W'E-B");
    EXPECT_EQ(sistema.currentText(), "WEB");
}

// Keys that type no printable character are not the filters' business: Tab leaves the box,
// Delete deletes, Enter and Esc reach the box and its window, in number and text boxes alike.
TEST(FiltroTasti, KeysThatTypeNothingPassEveryFilter)
{
    struct Prova {
        QDialog finestra;
        QLineEdit* casella = new QLineEdit(&finestra);
        QLineEdit* seguente = new QLineEdit(&finestra);
    };
    struct Caso {
        const char* nome;
        Qt::Key tasto;
        char testo;   // what the platform puts in the event
        std::function<void(Prova&)> verifica;
    };
    const Caso casi[] = {
        {"Tab", Qt::Key_Tab, '\t', [](Prova& p) { EXPECT_EQ(QApplication::focusWidget(), p.seguente); }},
        {"Delete", Qt::Key_Delete, '\x7f', [](Prova& p) { EXPECT_EQ(p.casella->text(), "23"); }},
        {"Enter", Qt::Key_Return, '\r', [](Prova& p) { EXPECT_EQ(p.casella->property("invii").toInt(), 1); }},
        {"Esc", Qt::Key_Escape, '\x1b', [](Prova& p) { EXPECT_FALSE(p.finestra.isVisible()); }},
    };
    const std::function<void(QLineEdit*)> filtri[] = {
        [](QLineEdit* c) { ApplicaFiltroNumero(c, 5, 2); },
        [](QLineEdit* c) { ApplicaFiltroNumero(c, 8, 0); },
        [](QLineEdit* c) { ApplicaFiltroCaratteri(c); },
    };
    for (const auto& filtro : filtri) {
        for (const Caso& k : casi) {
            SCOPED_TRACE(k.nome);
            Prova p;
            filtro(p.casella);
            p.casella->setText("123");
            p.casella->setCursorPosition(0);
            QObject::connect(p.casella, &QLineEdit::returnPressed, p.casella,
                             [&p] { p.casella->setProperty("invii", p.casella->property("invii").toInt() + 1); });
            p.finestra.show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&p.finestra));
            p.casella->setFocus();
            QTest::sendKeyEvent(QTest::Click, p.casella, k.tasto, QString(QLatin1Char(k.testo)), Qt::NoModifier);
            k.verifica(p);
        }
    }
}
