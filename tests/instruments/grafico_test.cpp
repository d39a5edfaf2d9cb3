#include "colori_prova.h"
#include "colori_serie.h"
#include "grafico.h"
#include "scala_valori.h"

#include <gtest/gtest.h>
#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QLineSeries>
#include <QPointer>
#include <QSet>

#include <cmath>

namespace {

using Cella = std::optional<double>;

// The texts the chart shows, each whole.
QStringList TestiInteri(Grafico& g)
{
    QStringList testi;
    for (const Grafico::EtichettaMostrata& e : g.etichetteMostrate()) {
        EXPECT_TRUE(e.intera) << e.testo.toStdString();
        testi << e.testo;
    }
    return testi;
}

int ColoriDistinti(const QImage& immagine)
{
    QSet<QRgb> colori;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            colori.insert(immagine.pixel(x, y));
    return static_cast<int>(colori.size());
}

} // namespace

TEST(GraficoTest, StartsEmptyWithOneColumnAsTwoDimensionalBars)
{
    Grafico g;
    EXPECT_EQ(g.RowCount(), 0);
    EXPECT_EQ(g.ColumnCount(), 1);
    EXPECT_EQ(g.ChartType(), 1);
    EXPECT_EQ(g.Data(), "");
    EXPECT_EQ(g.RowLabel(), "");
    EXPECT_FALSE(g.valore(1, 1));
    g.setData(5.0);
    g.setRowLabel("x");
    EXPECT_EQ(g.RowCount(), 0) << "no row to write into";
}

TEST(GraficoTest, CellsAreFilledThroughTheCurrentRowAndColumnFromOne)
{
    Grafico g;
    g.setRowCount(3);
    g.setColumnCount(2);
    const char* etichette[] = {"ENI", "FIAT", "TIM"};
    for (int r = 1; r <= 3; ++r) {
        g.setRow(r);
        g.setRowLabel(etichette[r - 1]);
        g.setColumn(2);
        g.setData(r * 10.0);
    }
    EXPECT_EQ(g.valore(2, 2), Cella(20));
    EXPECT_FALSE(g.valore(2, 1)) << "a cell never set has no value";
    EXPECT_EQ(g.etichetta(3), "TIM");
    g.setRow(2);
    EXPECT_EQ(g.RowLabel(), "FIAT");
    EXPECT_EQ(g.Data(), "20");

    // The current cell stays within the table.
    g.setRow(9);
    g.setColumn(0);
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.Column(), 1);
}

TEST(GraficoTest, DataTextIsReadWithTheItalianLocale)
{
    struct Caso {
        const char* nome;
        const char* testo;
        Cella atteso;
        const char* mostrato;
    };
    const Caso casi[] = {
        {"negative", "-20", -20.0, "-20"},
        {"decimal comma", "12,5", 12.5, "12,5"},
        {"exponent", "1,5E-07", 1.5e-07, "1,5E-07"},
        {"large exponent", "1E+20", 1e20, "1E+20"},
        {"blanks around", " 7 ", 7.0, "7"},
        {"decimal point is not ours", "12.5", std::nullopt, ""},
        {"grouping is not ours", "1.000", std::nullopt, ""},
        {"letters", "abc", std::nullopt, ""},
        {"empty", "", std::nullopt, ""},
        {"infinity", "inf", std::nullopt, ""},
    };
    Grafico g;
    g.setRowCount(1);
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        g.setData(99.0);
        g.setData(QString::fromUtf8(c.testo));
        EXPECT_EQ(g.valore(1, 1), c.atteso);
        EXPECT_EQ(g.Data(), QString::fromUtf8(c.mostrato));
    }
}

TEST(GraficoTest, WholeDataAndKindAreIndependentAndResizingKeepsCells)
{
    Grafico g;
    g.setChartType(14);
    g.setChartData(std::vector<double>{3, -1.5, 0});
    EXPECT_EQ(g.ChartType(), 14) << "setting the data keeps the kind";
    EXPECT_EQ(g.RowCount(), 1);
    EXPECT_EQ(g.ColumnCount(), 3);
    EXPECT_EQ(g.valore(1, 2), Cella(-1.5));
    g.setRowLabel("Bilancio");
    EXPECT_EQ(g.etichetta(1), "Bilancio");

    g.setChartType(0);
    EXPECT_EQ(g.valore(1, 1), Cella(3)) << "changing the kind keeps the data";
    g.setChartType(7);
    EXPECT_EQ(g.ChartType(), 0) << "a number that is no kind is ignored";

    g.setChartData({{1.0, std::nullopt}, {std::nullopt, 4.0}, {5.0}});
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.ColumnCount(), 2);
    EXPECT_EQ(g.etichetta(1), "") << "new data clears the labels";
    EXPECT_FALSE(g.valore(1, 2));
    EXPECT_FALSE(g.valore(3, 2)) << "a short row is padded with empty cells";

    g.setRowCount(4);
    EXPECT_EQ(g.valore(2, 2), Cella(4));
    EXPECT_FALSE(g.valore(4, 1));
    g.setColumnCount(1);
    EXPECT_FALSE(g.valore(2, 2));
    EXPECT_EQ(g.valore(3, 1), Cella(5));
}

TEST(GraficoTest, ValuesThatAreNotFiniteAreCellsWithoutValue)
{
    Grafico g;
    g.setChartData(std::vector<std::vector<Cella>>{{std::nan(""), 1.0}});
    EXPECT_FALSE(g.valore(1, 1));
    g.setData(HUGE_VAL);
    EXPECT_FALSE(g.valore(1, 1));
    EXPECT_EQ(g.Data(), "");
    // Drawn, the one finite cell is a bar on a scale from 0 to 1; the others draw nothing.
    const QImage immagine = g.immagine(QSize(200, 150));
    EXPECT_GT(PixelDelColore(immagine, ColoreSerie(2)), 30);
    EXPECT_EQ(PixelDelColore(immagine, ColoreSerie(1)), 0);
    EXPECT_EQ(TestiInteri(g), (QStringList{"0,00", "0,25", "0,50", "0,75", "1,00"}));
}

TEST(GraficoTest, RowsAreNotLimitedToSixteenBits)
{
    Grafico g;
    g.setRowCount(70000);
    g.setRow(70000);
    g.setData(QStringLiteral("-3"));
    g.setRowLabel("ultima");
    EXPECT_EQ(g.RowCount(), 70000);
    EXPECT_EQ(g.valore(70000, 1), Cella(-3));
    EXPECT_EQ(g.etichetta(70000), "ultima");
}

TEST(GraficoTest, EveryKindRendersItsSeries)
{
    struct Caso {
        const char* nome;
        int tipo;
        bool proiezione;
    };
    const Caso casi[] = {
        {"2D bar", 1, false}, {"3D bar", 0, true}, {"pie", 14, false},   {"area", 5, false},
        {"3D area", 4, true}, {"line", 3, false},  {"3D line", 2, true}, {"XY", 16, false},
    };
    const std::vector<std::vector<Cella>> tabella = {
        {1.0, 10.0}, {2.0, std::nullopt}, {3.0, -20.0}, {4.0, 35.5}, {5.0, 12.0}, {6.0, 18.0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Grafico g;
        g.setChartType(c.tipo);
        g.setChartData(tabella);
        for (int r = 1; r <= g.RowCount(); ++r) {
            g.setRow(r);
            g.setRowLabel(QStringLiteral("R%1").arg(r));
        }
        const QImage immagine = g.immagine(QSize(420, 300));
        ASSERT_FALSE(immagine.isNull());
        EXPECT_EQ(g.disegnatoInProiezione(), c.proiezione);
        // XY pairs the two columns into one series, drawn in the first colour.
        EXPECT_GT(PixelDelColore(immagine, ColoreSerie(1)), 30);
        if (c.tipo != 16) {
            EXPECT_GT(PixelDelColore(immagine, ColoreSerie(2)), 30);
        }
    }
}

// With nothing to draw, a chart draws its scale around zero and no series; a pie, nothing.
// Areas count a cell without value as zero, so they lie on the zero line.
TEST(GraficoTest, EmptyAndDegenerateTablesRenderWithoutError)
{
    const int tipi[] = {1, 0, 14, 5, 4, 3, 2, 16};
    for (int tipo : tipi) {
        SCOPED_TRACE(tipo);
        const bool torta = tipo == 14;
        const bool area = tipo == 5 || tipo == 4;
        const auto scalaSulloZero = [torta](Grafico& g) {
            const QStringList testi = TestiInteri(g);
            if (torta)
                EXPECT_TRUE(testi.isEmpty()) << testi.join("|").toStdString();
            else
                EXPECT_TRUE(testi.contains("0") || testi.contains("0,00")) << testi.join("|").toStdString();
        };
        Grafico vuoto;
        vuoto.setChartType(tipo);
        const QImage nulla = vuoto.immagine(QSize(200, 150));
        EXPECT_EQ(nulla.size(), QSize(200, 150));
        EXPECT_EQ(PixelDelColore(nulla, ColoreSerie(1)), 0);
        if (!torta) {
            EXPECT_GT(ColoriDistinti(nulla), 10) << "no scale drawn";
        }
        scalaSulloZero(vuoto);

        Grafico senzaValori;
        senzaValori.setChartType(tipo);
        senzaValori.setRowCount(3);
        const QImage vuote = senzaValori.immagine(QSize(200, 150));
        EXPECT_EQ(vuote.size(), QSize(200, 150));
        if (!area) {
            EXPECT_EQ(PixelDelColore(vuote, ColoreSerie(1)), 0);
        }
        scalaSulloZero(senzaValori);

        Grafico unico;
        unico.setChartType(tipo);
        unico.setChartData(std::vector<double>{0});
        EXPECT_EQ(unico.immagine(QSize(30, 20)).size(), QSize(30, 20)) << "smaller than the margins";
        TestiInteri(unico);
    }
}

TEST(GraficoTest, LongTablesWithoutLabelsRender)
{
    std::vector<std::vector<Cella>> tabella;
    for (int r = 0; r < 20000; ++r)
        tabella.push_back({std::sin(r / 100.0) * 100});
    for (int tipo : {1, 3, 5, 0}) {
        SCOPED_TRACE(tipo);
        Grafico g;
        g.setChartType(tipo);
        g.setChartData(tabella);
        const QImage immagine = g.immagine(QSize(400, 300));
        // The waves reach the whole width, above and below zero, on their scale alone.
        const QColor colore = ColoreSerie(1);
        for (int x = 0; x < 400; x += 200) {
            SCOPED_TRACE(x);
            EXPECT_GT(PixelDelColore(immagine.copy(x, 0, 200, 150), colore), 500) << "above zero";
            EXPECT_GT(PixelDelColore(immagine.copy(x, 150, 200, 150), colore), 500) << "below zero";
        }
        EXPECT_EQ(TestiInteri(g), (QStringList{"-100", "-50", "0", "50", "100"}));
    }
}

TEST(ScalaValoriTest, StepsAreRoundAndCoverTheRange)
{
    struct Caso {
        double minimo, massimo, primo, ultimo, passo;
    };
    const Caso casi[] = {
        {0, 100, 0, 100, 20},
        {-20, 100, -25, 100, 25},
        {0, 0, -0.6, 0.6, 0.2},
        {0, 585, 0, 600, 200},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << c.minimo << ".." << c.massimo);
        const auto s = ScalaValori(c.minimo, c.massimo);
        EXPECT_NEAR(s.minimo, c.primo, 1e-9);
        EXPECT_NEAR(s.massimo, c.ultimo, 1e-9);
        EXPECT_NEAR(s.passo, c.passo, 1e-9);
    }
}

// Past the labels that fit, rows still draw across the whole width, in every flat kind.
TEST(GraficoTest, LongHistoriesDrawAcrossTheWholeWidth)
{
    std::vector<std::vector<Cella>> tabella;
    for (int r = 0; r < 100; ++r)
        tabella.push_back({10.0 + r % 7});
    for (const int tipo : {1, 5, 3}) {
        SCOPED_TRACE(tipo);
        Grafico g;
        g.setChartType(tipo);
        g.setChartData(tabella);
        const QImage immagine = g.immagine(QSize(420, 300));
        ASSERT_FALSE(immagine.isNull());
        // Both halves of the plot hold the series.
        EXPECT_GT(PixelDelColore(immagine.copy(0, 0, 210, 300), ColoreSerie(1)), 100);
        EXPECT_GT(PixelDelColore(immagine.copy(210, 0, 210, 300), ColoreSerie(1)), 100);
    }
}

// Tens of thousands of rows on a few hundred pixels: the bars that share a pixel column are
// drawn as one and the lines are thinned, yet the series still spans the whole plot, rises
// above and falls below zero wherever its values do, and the model keeps every value.
TEST(GraficoTest, VeryLongSeriesStillDrawEveryPartAndKeepEveryValue)
{
    const int righe = 30000;
    std::vector<std::vector<Cella>> tabella;
    for (int r = 0; r < righe; ++r)
        tabella.push_back({r % 2 ? -40.0 - r % 13 : 60.0 + r % 7});
    for (const int tipo : {0, 3, 5}) {
        SCOPED_TRACE(tipo);
        Grafico g;
        g.setChartType(tipo);
        g.setChartData(tabella);
        const QImage immagine = g.immagine(QSize(420, 300));
        ASSERT_FALSE(immagine.isNull());
        const QColor colore = ColoreSerie(1);
        for (int x = 0; x < 420; x += 140) {
            SCOPED_TRACE(x);
            EXPECT_GT(PixelDelColore(immagine.copy(x, 0, 140, 150), colore), 100) << "above zero";
            EXPECT_GT(PixelDelColore(immagine.copy(x, 150, 140, 150), colore), 100) << "below zero";
        }
        ASSERT_EQ(g.RowCount(), righe);
        for (int r = 1; r <= righe; ++r)
            if (g.valore(r, 1) != tabella[size_t(r - 1)][0]) {
                ADD_FAILURE() << "row " << r << " lost its value";
                break;
            }
    }
}

// The projection is drawn once and kept; new data or a new title draw it again.
TEST(GraficoTest, AProjectedChartRedrawsWhenItsDataChange)
{
    Grafico g;
    g.setChartType(0);
    g.setChartData(std::vector<std::vector<Cella>>{{50.0}, {80.0}, {20.0}});
    const QImage prima = g.immagine(QSize(300, 200));
    EXPECT_EQ(g.immagine(QSize(300, 200)), prima) << "nothing changed, nothing differs";
    g.setChartData(std::vector<std::vector<Cella>>{{-50.0}, {-80.0}, {-20.0}});
    const QImage dopo = g.immagine(QSize(300, 200));
    EXPECT_NE(dopo, prima);
    g.setTitolo(QStringLiteral("Titolo"));
    EXPECT_NE(g.immagine(QSize(300, 200)), dopo);
    EXPECT_NE(g.immagine(QSize(320, 200)).size(), prima.size()) << "a new size draws at that size";
}

// A window refreshed with the same figures (labels, kind and title included) keeps the chart it
// has; any difference, one value or one label, builds it again.
TEST(GraficoTest, TheSameFiguresAgainKeepTheChartAndAnyChangeRebuildsIt)
{
    auto riempi = [](Grafico& g, double ultimo, const QString& etichetta) {
        g.setChartData(std::vector<std::vector<Cella>>{{5.0}, {-2.0}, {ultimo}});
        for (int r = 1; r <= 3; ++r) {
            g.setRow(r);
            g.setRowLabel(r == 3 ? etichetta : QStringLiteral("r%1").arg(r));
        }
    };
    Grafico g;
    g.setChartType(3);
    riempi(g, 7, QStringLiteral("r3"));
    const QImage prima = g.immagine(QSize(400, 300));
    auto* vista = g.findChild<QChartView*>();
    ASSERT_TRUE(vista);
    const QList<QAbstractSeries*> serie = vista->chart()->series();
    ASSERT_FALSE(serie.isEmpty());

    riempi(g, 7, QStringLiteral("r3"));
    EXPECT_EQ(g.immagine(QSize(400, 300)), prima);
    EXPECT_EQ(vista->chart()->series(), serie) << "nothing changed: the same series";

    riempi(g, 7, QStringLiteral("ultima"));
    g.immagine(QSize(400, 300));
    EXPECT_NE(vista->chart()->series(), serie) << "a label changed";
    auto* asse = qobject_cast<QBarCategoryAxis*>(vista->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_TRUE(asse);
    EXPECT_EQ(asse->categories().value(2), "ultima");

    riempi(g, -9, QStringLiteral("ultima"));
    EXPECT_NE(g.immagine(QSize(400, 300)), prima) << "a value changed";
    auto* linea = qobject_cast<QLineSeries*>(vista->chart()->series().value(0));
    ASSERT_TRUE(linea);
    EXPECT_EQ(linea->points().value(2), QPointF(2, -9));
}

// An open area chart is rebuilt at every refresh: the edges of the areas it drops must go with
// them, or memory grows as the user works.
TEST(GraficoTest, ARebuiltAreaChartFreesTheEdgesOfItsOldAreas)
{
    Grafico g;
    g.setChartType(5);
    g.setChartData(std::vector<std::vector<Cella>>{{5.0, -1.0}, {-2.0, -1.0}, {7.0, -1.0}});
    g.immagine(QSize(400, 300));
    auto* vista = g.findChild<QChartView*>();
    ASSERT_TRUE(vista);
    std::vector<QPointer<QLineSeries>> bordi;
    for (QAbstractSeries* s : vista->chart()->series())
        if (auto* area = qobject_cast<QAreaSeries*>(s)) {
            bordi.emplace_back(area->upperSeries());
            bordi.emplace_back(area->lowerSeries());
        }
    ASSERT_EQ(bordi.size(), 4u);

    g.setChartData(std::vector<std::vector<Cella>>{{6.0, -1.0}, {-2.0, -1.0}, {7.0, -1.0}});
    g.immagine(QSize(400, 300));
    for (const QPointer<QLineSeries>& b : bordi)
        EXPECT_TRUE(b.isNull()) << "an edge of a dropped area is still alive";
}
