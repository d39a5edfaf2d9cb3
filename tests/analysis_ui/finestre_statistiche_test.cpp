// The statistics windows in the real main window: captions, the chart-type switch, the
// recomputation after a change of trades and the windows the refresh closes.
#include "banco_statistiche.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>

namespace {

// 2026-12-07 is a Monday. Three sells: +100 (Monday), -30 (Wednesday), +50 (Wednesday).
void Storia(BancoStatistiche& b)
{
    b.eseguito("2026-12-07", "Buy", 300, 10);
    b.eseguito("2026-12-07", "Sell", 100, 11);
    b.eseguito("2026-12-09", "Sell", 100, 9.7);
    b.eseguito("2026-12-09", "Sell", 50, 11);
    b.principale->ControlloMenu();
}

struct Finestra {
    const char* nome;
    const char* menu;
    const char* titolo;
    int opzioneIniziale;   // -1: no switch
    const char* grafico;   // the chart that follows the switch
    int tipoIniziale;
};

const Finestra Finestre[] = {
    {"frmReport", "mnu_Report", "Report", 1, "msc_Bilancio", 14},
    {"frmCapitale", "mnu_GP", "Grafico del capitale", 5, "msc_Capitale", 3},
    {"frmGrOperazioni", "mnu_SequenzeOperazioni", "Grafico Operazioni", 5, "msc_GrOperazioni", 3},
    {"frmErrori", "mnu_Errori", "Errori", 0, "msc_Errori", 1},
    {"frmStGiorno", "mnu_StatistichePeriodo", "Statistiche prestazioni per giorno settimanale", 5, "msc_Giorno", 3},
    {"frmRisk", "mnu_Risk", "Probabilità di Rischio", 6, "msc_MDD", 0},
    {"frmMDD", "mnu_MDD", "Massimo Draw-Down (MDD)", 6, "msc_SeqPosNeg", 0},
    {"frmMedie", "mnu_Medie", "Medie", -1, nullptr, 0},
};

TEST(FinestreStatistiche, OpenFromTheMenusWithTheirCaptionAndOption)
{
    BancoStatistiche b;
    Storia(b);
    for (const Finestra& f : Finestre) {
        SCOPED_TRACE(f.nome);
        QWidget* w = b.apri(f.menu, f.nome);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(f.titolo));
        if (f.opzioneIniziale < 0)
            continue;
        auto* option1 = w->findChild<QButtonGroup*>("Option1");
        ASSERT_NE(option1, nullptr);
        EXPECT_EQ(option1->checkedId(), f.opzioneIniziale);
        EXPECT_EQ(b.grafico(f.nome, f.grafico)->ChartType(), f.tipoIniziale);
    }
    EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join("|").toStdString();
}

// At the default size every control lies inside the window and shows its caption whole.
TEST(FinestreStatistiche, EveryControlIsWhollyVisibleAtTheDefaultSize)
{
    BancoStatistiche b;
    Storia(b);
    b.principale->resize(1280, 960);
    b.principale->show();
    for (const Finestra& f : Finestre) {
        SCOPED_TRACE(f.nome);
        QWidget* w = b.apri(f.menu, f.nome);
        ASSERT_NE(w, nullptr);
        QTest::qWait(0);
        // The window itself fits in its child window.
        auto* cornice = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        ASSERT_NE(cornice, nullptr);
        EXPECT_TRUE(cornice->contentsRect().contains(QRect(w->pos(), w->size())))
            << w->width() << "x" << w->height() << " in " << cornice->width() << "x" << cornice->height();
        const QRect finestra(QPoint(0, 0), w->size());
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(w) || c->objectName().isEmpty() || c->objectName().startsWith("qt_"))
                continue;
            SCOPED_TRACE(c->objectName().toStdString());
            const QRect r(c->mapTo(w, QPoint(0, 0)), c->size());
            EXPECT_TRUE(finestra.contains(r)) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height()
                                              << " in " << w->width() << "x" << w->height();
            EXPECT_GT(r.width(), 0);
            EXPECT_GT(r.height(), 0);
            if (auto* l = qobject_cast<QLabel*>(c); l && l->buddy() && !l->text().isEmpty()) {
                EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();
            }
        }
    }
}

TEST(FinestreStatistiche, TheSwitchActsOnItsChartsAndTheRecomputationKeepsTheChoice)
{
    BancoStatistiche b;
    Storia(b);
    QWidget* report = b.apri("mnu_Report", "frmReport");
    ASSERT_NE(report, nullptr);
    auto* barre3d = report->findChild<QAbstractButton*>("Option1_6");
    ASSERT_NE(barre3d, nullptr);
    QTest::mouseClick(barre3d, Qt::LeftButton);
    b.principale->ControlloMenu();
    for (const char* g : {"msc_Bilancio", "msc_Operazioni", "msc_OperazioniPercentuali"}) {
        SCOPED_TRACE(g);
        EXPECT_EQ(b.grafico("frmReport", g)->ChartType(), 0);
    }

    // The run charts go back to 3D bars at each recomputation, the option stays; the XY
    // chart is never switched.
    QWidget* risk = b.apri("mnu_Risk", "frmRisk");
    ASSERT_NE(risk, nullptr);
    QTest::mouseClick(risk->findChild<QAbstractButton*>("Option1_5"), Qt::LeftButton);
    EXPECT_EQ(b.grafico("frmRisk", "msc_MDD")->ChartType(), 3);
    EXPECT_EQ(b.grafico("frmRisk", "msc_FrequenzaPerc")->ChartType(), 16);
    b.principale->ControlloMenu();
    EXPECT_EQ(b.grafico("frmRisk", "msc_MDD")->ChartType(), 0);
    EXPECT_EQ(risk->findChild<QButtonGroup*>("Option1")->checkedId(), 5);
    EXPECT_EQ(b.grafico("frmRisk", "msc_FrequenzaPerc")->ChartType(), 16);
}

TEST(FinestreStatistiche, EveryWindowButTheAveragesFollowsAChangeOfTrades)
{
    BancoStatistiche b;
    Storia(b);
    for (const Finestra& f : Finestre)
        ASSERT_NE(b.apri(f.menu, f.nome), nullptr) << f.nome;
    EXPECT_EQ(b.testo("frmReport", "lab_NumOperazioni"), "3");
    EXPECT_EQ(b.testo("frmMedie", "lab_MaxLose"), "-30");

    // A losing sell with an error on Friday.
    b.eseguito("2026-12-11", "Sell", 10, 8, "UA", 9.5);
    b.principale->ControlloMenu();

    EXPECT_EQ(b.testo("frmReport", "lab_NumOperazioni"), "4");
    EXPECT_EQ(b.testo("frmReport", "lab_OpLoseP"), "50%");
    EXPECT_EQ(b.grafico("frmCapitale", "msc_Capitale")->RowCount(), 4);
    EXPECT_EQ(b.grafico("frmCapitale", "msc_Capitale")->valore(4, 1), 100.0);
    EXPECT_EQ(b.grafico("frmGrOperazioni", "msc_GrOperazioni")->valore(4, 2), -300.0);
    EXPECT_EQ(b.testo("frmErrori", "lab_TotaleErrori"), "1");
    EXPECT_EQ(b.testo("frmErrori", "lab_TotMancatiGuadagni"), "15");
    EXPECT_EQ(b.testo("frmErrori", "lab_PercentualeErrori"), "20");
    EXPECT_EQ(b.testo("frmErrori", "lab_PiuPericoloso"), "Uscita anticipata");
    auto* giorni = b.tabella("frmStGiorno", "MSFlexGrid_StGiorno");
    ASSERT_EQ(giorni->rowCount(), 5);
    EXPECT_EQ(giorni->horizontalHeaderItem(0)->text(), "Giorno");
    const QStringList attesi = {"Lunedi", "100", "Martedi", "", "Mercoledi", "20", "Giovedi", "", "Venerdi", "-20"};
    QStringList letti;
    for (int r = 0; r < giorni->rowCount(); ++r)
        letti << giorni->item(r, 0)->text() << giorni->item(r, 1)->text();
    EXPECT_EQ(letti, attesi);
    EXPECT_EQ(b.testo("frmRisk", "lab_TotMDD"), "3");
    EXPECT_EQ(b.tabella("frmMDD", "MSFlexGrid_MDD")->item(0, 1)->text(), "66,67%");
    // The averages keep what they computed when they opened.
    EXPECT_EQ(b.testo("frmMedie", "lab_MaxLose"), "-30");

    auto* griglia = b.finestra("frmErrori")->findChild<QTableView*>("DBGrid1");
    ASSERT_NE(griglia, nullptr);
    EXPECT_EQ(griglia->model()->headerData(2, Qt::Horizontal).toString(), "MancatoGain");
    EXPECT_EQ(griglia->model()->index(0, 0).data().toString(), "UA");
    EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join("|").toStdString();
}

TEST(FinestreStatistiche, DeletingTheSellsClosesTheWindowsWithNothingToShow)
{
    BancoStatistiche b;
    Storia(b);
    for (const Finestra& f : Finestre)
        ASSERT_NE(b.apri(f.menu, f.nome), nullptr) << f.nome;

    b.esegui(b.stato.DbPortafoglio, "DELETE FROM Eseguiti WHERE Tipo = 'Sell'");
    b.principale->ControlloMenu();

    for (const char* chiusa : {"frmReport", "frmCapitale", "frmGrOperazioni", "frmStGiorno", "frmRisk", "frmMDD"})
        EXPECT_EQ(b.finestra(chiusa), nullptr) << chiusa;
    // With trades left, the error statistics and the averages stay.
    EXPECT_NE(b.finestra("frmErrori"), nullptr);
    EXPECT_NE(b.finestra("frmMedie"), nullptr);
    EXPECT_FALSE(b.principale->voce("mnu_Report")->isEnabled());

    b.esegui(b.stato.DbPortafoglio, "DELETE FROM Eseguiti");
    b.principale->ControlloMenu();
    EXPECT_EQ(b.finestra("frmErrori"), nullptr);
    EXPECT_EQ(b.finestra("frmMedie"), nullptr);
}

// A window whose tables cannot be read says so and keeps what it showed.
TEST(FinestreStatistiche, AnUnreadableTableIsShownAsAnErrorAndChangesNothing)
{
    BancoStatistiche b;
    Storia(b);
    ASSERT_NE(b.apri("mnu_Report", "frmReport"), nullptr);
    b.esegui(b.stato.DbPortafoglio, "ALTER TABLE OperazioniChiuse RENAME TO Altro");
    QMetaObject::invokeMethod(b.finestra("frmReport"), "Main");
    EXPECT_EQ(b.testo("frmReport", "lab_NumOperazioni"), "3");
    ASSERT_EQ(b.messaggi.mostrati.size(), 1);
    EXPECT_TRUE(b.messaggi.mostrati[0].testo.startsWith("Errore del database"))
        << b.messaggi.testi().join("|").toStdString();
}

} // namespace
