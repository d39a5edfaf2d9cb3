#include "filtro_tasti.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

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
