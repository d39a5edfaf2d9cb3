// The charts of the statistics windows at their default size on a realistic portfolio: keys
// in the colours of their series, and every text of every chart whole, in every kind.
#include "banco_statistiche.h"
#include "colore_long.h"
#include "colori_prova.h"
#include "picture_box.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QTest>

namespace {

struct Eseguito {
    const char *data, *tipo, *cod;
    int qta;
    double prezzo;
    const char* errore;
    double ottimale;
};

// Half a year of trading in five shares: gains and losses, partial sells, several errors.
const Eseguito Storia[] = {
    {"2026-01-12", "Buy", "ENI", 300, 13.42, "NE", -1},    {"2026-01-19", "Buy", "ISP", 2000, 3.61, "NE", -1},
    {"2026-02-03", "Buy", "ENEL", 800, 6.95, "EA", 6.80},  {"2026-02-16", "Sell", "ENI", 150, 14.10, "NE", -1},
    {"2026-03-02", "Buy", "STM", 100, 41.80, "SP", 41.80}, {"2026-03-18", "Sell", "STM", 100, 38.05, "SL", 40.00},
    {"2026-04-07", "Sell", "ISP", 1000, 3.92, "NE", -1},   {"2026-04-21", "Buy", "G", 200, 19.30, "NE", -1},
    {"2026-05-05", "Sell", "ENEL", 400, 7.31, "UA", 7.50}, {"2026-05-26", "Buy", "ENI", 100, 13.05, "NE", -1},
    {"2026-06-02", "Sell", "G", 100, 18.10, "NE", -1},     {"2026-06-10", "Sell", "ISP", 500, 3.71, "NE", -1},
    {"2026-06-17", "Sell", "ENEL", 400, 6.80, "UR", 7.00}, {"2026-06-24", "Sell", "ENI", 100, 14.55, "NE", -1},
    {"2026-07-01", "Sell", "G", 100, 20.45, "NE", -1},     {"2026-07-08", "Buy", "STM", 150, 33.20, "NE", -1},
    {"2026-07-15", "Sell", "STM", 50, 35.10, "NE", -1},    {"2026-07-22", "Sell", "STM", 50, 31.90, "CT", 33.00},
    {"2026-07-29", "Sell", "STM", 50, 36.30, "NE", -1},    {"2026-08-05", "Sell", "ISP", 500, 3.99, "NE", -1},
};

void Semina(BancoStatistiche& b, const std::vector<Eseguito>& storia)
{
    std::vector<RigaEseguito> righe;
    for (const Eseguito& e : storia) {
        RigaEseguito r = RigaDiProva(e.data, e.tipo, "WEB", e.cod, e.cod, e.qta, e.prezzo, e.errore);
        if (e.ottimale >= 0)
            r.PrezzoOttimale = e.ottimale;
        righe.push_back(r);
    }
    const EsitoSemina semina = SeminaEseguiti(b.stato.DbPortafoglio, righe);
    ASSERT_TRUE(semina.esito.ok()) << semina.esito.messaggio.toStdString();
    b.principale->ControlloMenu();
}

void Attendi()
{
    for (int i = 0; i < 3; ++i)
        QTest::qWait(5);
}

} // namespace

// The operations chart's two keys: the profit/loss series (all gains here) stands above the
// stop-loss line (below zero) in every kind, so each key's colour is found where its series is.
TEST(GraficiStatistiche, EachKeyHasTheColourOfTheSeriesItNamesInEveryKind)
{
    BancoStatistiche b;
    Semina(b,
           {{"2026-12-07", "Buy", "ENI", 300, 10, "NE", -1},
            {"2026-12-08", "Sell", "ENI", 100, 11, "NE", -1},
            {"2026-12-09", "Sell", "ENI", 100, 10.6, "NE", -1},
            {"2026-12-10", "Sell", "ENI", 100, 12, "NE", -1}});
    QWidget* w = b.apri("mnu_SequenzeOperazioni", "frmGrOperazioni");
    ASSERT_NE(w, nullptr);
    Grafico* grafico = b.grafico("frmGrOperazioni", "msc_GrOperazioni");
    auto* profitto = w->findChild<PictureBox*>("Picture1");
    auto* stopLoss = w->findChild<PictureBox*>("Picture2");
    ASSERT_TRUE(grafico && profitto && stopLoss);
    for (QAbstractButton* opzione : w->findChild<QButtonGroup*>("Option1")->buttons()) {
        SCOPED_TRACE(opzione->text().toStdString());
        QTest::mouseClick(opzione, Qt::LeftButton);
        const QColor chiaveProfitto = ColoreDaLong(profitto->BackColor());
        const QColor chiaveStop = ColoreDaLong(stopLoss->BackColor());
        EXPECT_EQ(chiaveProfitto, grafico->coloreSerie(1));
        EXPECT_EQ(chiaveStop, grafico->coloreSerie(2));
        const QImage immagine = grafico->immagine(grafico->size());
        const double rigaProfitto = RigaMediaDelColore(immagine, chiaveProfitto);
        const double rigaStop = RigaMediaDelColore(immagine, chiaveStop);
        EXPECT_GE(rigaProfitto, 0) << "the profit/loss key's colour is not in the chart";
        EXPECT_GE(rigaStop, 0) << "the stop-loss key's colour is not in the chart";
        EXPECT_LT(rigaProfitto, rigaStop) << "the gains stand above the stop loss";
    }
}

// Every chart of every statistics window, at the window's default size, in every kind of its
// switch: every text shows whole. The report's pies name each colour with its figure.
TEST(GraficiStatistiche, EveryTextOfEveryChartShowsWholeInEveryKind)
{
    BancoStatistiche b;
    Semina(b, std::vector<Eseguito>(std::begin(Storia), std::end(Storia)));
    b.principale->resize(1400, 1000);
    b.principale->show();
    const std::pair<const char*, const char*> finestre[] = {
        {"mnu_Report", "frmReport"},
        {"mnu_GP", "frmCapitale"},
        {"mnu_SequenzeOperazioni", "frmGrOperazioni"},
        {"mnu_Errori", "frmErrori"},
        {"mnu_StatistichePeriodo", "frmStGiorno"},
        {"mnu_Risk", "frmRisk"},
        {"mnu_MDD", "frmMDD"},
    };
    for (const auto& [menu, nome] : finestre) {
        SCOPED_TRACE(nome);
        QWidget* w = b.apri(menu, nome);
        ASSERT_NE(w, nullptr);
        for (QAbstractButton* opzione : w->findChild<QButtonGroup*>("Option1")->buttons()) {
            SCOPED_TRACE(opzione->text().toStdString());
            QTest::mouseClick(opzione, Qt::LeftButton);
            Attendi();
            for (Grafico* g : w->findChildren<Grafico*>()) {
                SCOPED_TRACE(g->objectName().toStdString());
                const auto mostrate = g->etichetteMostrate();
                EXPECT_FALSE(mostrate.isEmpty());
                for (const auto& m : mostrate)
                    EXPECT_TRUE(m.intera) << m.testo.toStdString();
            }
        }
    }
    // The report's balance pie: its legend gives each figure beside its colour.
    QTest::mouseClick(b.finestra("frmReport")->findChild<QAbstractButton*>("Option1_1"), Qt::LeftButton);
    QStringList testi;
    for (const auto& m : b.grafico("frmReport", "msc_Bilancio")->etichetteMostrate())
        testi << QString(m.testo).replace('\n', ' ');
    for (const char* voce : {"Gain:", "Perdite:", "Commissioni:", "Capital Gain:"})
        EXPECT_TRUE(std::any_of(testi.begin(), testi.end(), [&](const QString& t) { return t.startsWith(voce); }))
            << voce << " in " << testi.join(" | ").toStdString();
    EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join("|").toStdString();
}
