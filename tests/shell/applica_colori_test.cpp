#include "applica_colori.h"
#include "cartella_prova.h"
#include "colore_long.h"
#include "picture_box.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

TEST(ApplicaColori, ColoursEachKindOfControl)
{
    CartellaProva c;
    QSqlDatabase ds = c.apri(c.dataset());
    CartellaProva::esegui(ds, "UPDATE Colori SET ColoreSfondo = 255, ColoreTesto = 65280, ClockLancette = 16711680");

    QWidget finestra;
    auto* cornice = new QGroupBox(&finestra);
    auto* etichetta = new QLabel("Data", cornice);          // nested inside a frame
    auto* opzione = new QRadioButton("Nuovo", cornice);
    auto* box = new PictureBox(&finestra);
    auto* casella = new QLineEdit(&finestra);
    auto* pulsante = new QPushButton("OK", &finestra);
    auto* area = new QMdiArea(&finestra);
    auto* figlia = new QLabel("figlia");
    area->addSubWindow(figlia);
    const QColor baseCasella = casella->palette().color(QPalette::Base);
    const QColor sfondoPulsante = pulsante->palette().color(QPalette::Button);

    ApplicaColori(&finestra, ds);

    const QColor rosso(255, 0, 0), verde(0, 255, 0);
    EXPECT_EQ(finestra.palette().color(QPalette::Window), rosso);
    EXPECT_EQ(cornice->palette().color(QPalette::Window), rosso);
    EXPECT_EQ(etichetta->palette().color(QPalette::Window), rosso);
    EXPECT_EQ(etichetta->palette().color(QPalette::WindowText), verde);
    EXPECT_EQ(opzione->palette().color(QPalette::Window), rosso);
    EXPECT_EQ(box->ForeColor(), 16711680u);
    EXPECT_EQ(casella->palette().color(QPalette::Base), baseCasella);
    EXPECT_EQ(pulsante->palette().color(QPalette::Button), sfondoPulsante);
    // A child window of the MDI area is a window of its own.
    EXPECT_NE(figlia->palette().color(QPalette::WindowText), verde);
}

TEST(ApplicaColori, ReadsTheSchemeAfreshEachTime)
{
    CartellaProva c;
    QSqlDatabase ds = c.apri(c.dataset());
    QWidget finestra;
    ApplicaColori(&finestra, ds);
    CartellaProva::esegui(ds, "UPDATE Colori SET ColoreSfondo = 65535");
    ApplicaColori(&finestra, ds);
    EXPECT_EQ(finestra.palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(LongDaColore(QColor(1, 2, 3)), 1u + 2u * 256 + 3u * 65536);
}
