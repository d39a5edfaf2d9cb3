// What the chart writes it writes whole: titles, legends, marks of the scales, rows' and
// slices' labels, at the sizes the windows give their charts and smaller, in every kind.
#include "colori_prova.h"
#include "grafico.h"

#include <gtest/gtest.h>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLocale>
#include <QTextDocument>

#include <set>

namespace {

using Cella = std::optional<double>;

const QStringList DescrizioniErrori = {
    "Entrata anticipata",       "Uscita anticipata",           "Uscita in ritardo",
    "Stop loss non rispettato", "Posizione sovradimensionata", "Operazione contro trend",
    "Entrata in ritardo",       "Operazione non pianificata",  "Media in perdita",
    "Decisione emotiva",
};

void Errori(Grafico& g)
{
    g.setColumnCount(2);
    g.setRowCount(int(DescrizioniErrori.size()));
    for (int r = 1; r <= g.RowCount(); ++r) {
        g.setRow(r);
        g.setRowLabel(DescrizioniErrori[r - 1]);
        g.setColumn(1);
        g.setData(r * 3.3);
        g.setColumn(2);
        g.setData(40 - r * 3.7);
    }
}

const QStringList VociConto = {"Dividendi", "Versamento", "Prelievo", "CostiGestione", "saldoOperazioni"};

void Conto(Grafico& g)
{
    const double valori[] = {120.5, 25000, -1500, -34.2, 412.4};
    g.setRowCount(int(VociConto.size()));
    for (int r = 1; r <= g.RowCount(); ++r) {
        g.setRow(r);
        g.setRowLabel(VociConto[r - 1]);
        g.setData(valori[r - 1]);
    }
}

void Bilancio(Grafico& g)
{
    g.setChartData(std::vector<double>{1288.8, 620, 112.37718, 144});
    g.setRowLabel("Bilancio");
    const char* nomi[] = {"Gain", "Perdite", "Commissioni", "Capital Gain"};
    for (int c = 1; c <= 4; ++c) {
        g.setColumn(c);
        g.setColumnLabel(nomi[c - 1]);
    }
}

void Frequenze(Grafico& g)
{
    g.setChartData(
        std::vector<std::vector<Cella>>{{10.53, 7.69}, {9.63, 7.69}, {-2.1, 15.38}, {-6.3, 7.69}, {3.0, 23.08}});
}

// The texts Qt Charts put in the chart's scene that are cut short or stand past the chart,
// found straight in the scene.
QStringList TagliatiNellaScena(Grafico& g)
{
    QStringList tagliati;
    auto* vista = g.findChild<QChartView*>();
    if (!vista || !vista->isVisibleTo(&g))
        return tagliati;
    const QRectF dentro = QRectF(QPointF(0, 0), vista->size()).adjusted(-1, -1, 1, 1);
    for (QGraphicsItem* elemento : vista->scene()->items()) {
        auto* t = dynamic_cast<QGraphicsTextItem*>(elemento);
        if (!t || !t->isVisible())
            continue;
        QString testo = t->toPlainText();
        testo.remove(QChar(0x200B));
        if (testo.trimmed().isEmpty())
            continue;
        const double m = t->document()->documentMargin();
        const QRectF r = t->mapRectToScene(t->boundingRect().adjusted(m, m, -m, -m));
        if (testo.endsWith("...") || testo.endsWith(QChar(0x2026)) || !dentro.contains(r))
            tagliati << testo;
    }
    return tagliati;
}

QStringList Testi(const QList<Grafico::EtichettaMostrata>& mostrate)
{
    QStringList testi;
    for (const auto& m : mostrate)
        testi << QString(m.testo).replace('\n', ' ');
    return testi;
}

void NessunTaglio(Grafico& g)
{
    EXPECT_TRUE(TagliatiNellaScena(g).isEmpty()) << TagliatiNellaScena(g).join(" | ").toStdString();
    for (const auto& m : g.etichetteMostrate())
        EXPECT_TRUE(m.intera) << m.testo.toStdString() << " at " << m.rettangolo.x() << "," << m.rettangolo.y() << " "
                              << m.rettangolo.width() << "x" << m.rettangolo.height();
}

} // namespace

// The error window's descriptions and the account's five kinds, at the sizes of their windows
// and smaller: each shows whole (turned, wrapped or thinned), never cut, never past the chart.
TEST(GraficoTestiTest, RowLabelsShowWholeInEveryKindAndSize)
{
    struct Caso {
        const char* nome;
        void (*riempi)(Grafico&);
        QSize dimensione;
        bool tutte; // every row keeps its label at this size, in the kinds one layer deep
    };
    const Caso casi[] = {
        {"errors at their window's size", Errori, {390, 380}, true},
        {"errors, narrow", Errori, {250, 300}, false},
        {"account at its window's size", Conto, {330, 400}, true},
        {"account, low", Conto, {330, 160}, false},
    };
    for (const Caso& c : casi) {
        for (int tipo : {1, 0, 3, 2, 5, 4}) {
            SCOPED_TRACE(testing::Message() << c.nome << ", kind " << tipo);
            Grafico g;
            g.setChartType(tipo);
            c.riempi(g);
            g.immagine(c.dimensione);
            NessunTaglio(g);
            const QStringList mostrati = Testi(g.etichetteMostrate());
            // Lines and areas in 3D take a layer of depth per series, which narrows the rows.
            if (c.tutte && tipo != 2 && tipo != 4) {
                for (int r = 1; r <= g.RowCount(); ++r)
                    EXPECT_TRUE(mostrati.contains(g.etichetta(r))) << g.etichetta(r).toStdString();
            }
            // Labels that show stand apart: none runs into another.
            const auto mostrate = g.etichetteMostrate();
            for (qsizetype i = 0; i < mostrate.size(); ++i)
                for (qsizetype j = i + 1; j < mostrate.size(); ++j)
                    EXPECT_FALSE(mostrate[i].rettangolo.intersects(mostrate[j].rettangolo))
                        << mostrate[i].testo.toStdString() << " and " << mostrate[j].testo.toStdString();
        }
    }
}

// The XY charts of the risk windows sit in small frames: their scales keep marks that show.
TEST(GraficoTestiTest, ScalesOfSmallChartsKeepWholeMarks)
{
    for (QSize dimensione : {QSize(210, 90), QSize(300, 120), QSize(150, 100)}) {
        for (int tipo : {16, 1, 0}) {
            SCOPED_TRACE(testing::Message() << dimensione.width() << "x" << dimensione.height() << ", kind " << tipo);
            Grafico g;
            g.setChartType(tipo);
            Frequenze(g);
            g.immagine(dimensione);
            NessunTaglio(g);
            if (tipo == 16 && dimensione == QSize(210, 90)) {
                EXPECT_GE(g.etichetteMostrate().size(), 4) << "two marks on each scale at least";
            }
        }
    }
}

TEST(GraficoTestiTest, ALongTitleIsWrappedNotCut)
{
    const QString titolo = "Sequenza delle operarioni effettuate. Ad ogni punto corrisponde un' operazione chiusa";
    for (int tipo : {3, 0}) {
        SCOPED_TRACE(tipo);
        Grafico g;
        g.setChartType(tipo);
        g.setTitolo(titolo);
        g.setChartData(std::vector<std::vector<Cella>>{{100.0}, {-30.0}, {50.0}});
        g.immagine(QSize(300, 250));
        NessunTaglio(g);
        QStringList righe;
        for (const auto& m : g.etichetteMostrate())
            if (titolo.contains(m.testo) && m.testo.size() > 3)
                righe << m.testo;
        EXPECT_EQ(righe.join(' '), titolo);
    }
}

// The report's pies: each slice's share beside it, whole, and a legend that names each colour
// with its figure.
TEST(GraficoTestiTest, PieSlicesCarryWholeLabelsAndALegendNamesEachColour)
{
    for (QSize dimensione : {QSize(230, 330), QSize(300, 250), QSize(160, 200)}) {
        SCOPED_TRACE(testing::Message() << dimensione.width() << "x" << dimensione.height());
        Grafico g;
        g.setChartType(14);
        Bilancio(g);
        const QImage immagine = g.immagine(dimensione);
        NessunTaglio(g);
        const auto mostrate = g.etichetteMostrate();
        const QStringList testi = Testi(mostrate);
        if (dimensione == QSize(230, 330)) {
            EXPECT_TRUE(testi.contains("59,5%")) << testi.join(" | ").toStdString();
            EXPECT_TRUE(testi.contains("28,6%")) << testi.join(" | ").toStdString();
        }
        const char* voci[] = {"Gain: 1288,8", "Perdite: 620", "Commissioni: 112,37718", "Capital Gain: 144"};
        for (int c = 1; c <= 4; ++c) {
            SCOPED_TRACE(voci[c - 1]);
            const auto voce = std::find_if(mostrate.begin(), mostrate.end(), [&](const auto& m) {
                return QString(m.testo).replace('\n', ' ') == voci[c - 1];
            });
            ASSERT_NE(voce, mostrate.end()) << testi.join(" | ").toStdString();
            // The square before the entry's first line has the slice's colour.
            const QPoint quadrato(voce->rettangolo.left() - 8, voce->rettangolo.top() + 7);
            EXPECT_EQ(immagine.pixelColor(quadrato), g.coloreSerie(c));
            EXPECT_GT(PixelDelColore(immagine, g.coloreSerie(c)), 20);
        }
    }
}

// Marks carry the decimal comma, and only the decimals their step needs, whatever the
// machine's locale.
TEST(GraficoTestiTest, MarksUseTheDecimalCommaAndTheDecimalsOfTheirStep)
{
    const QLocale prima;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    struct Caso {
        const char* nome;
        std::vector<std::vector<Cella>> tabella;
        int tipo;
        const char* atteso; // one mark
        const char* escluso;
    };
    const Caso casi[] = {
        {"halves, lines", {{0.25}, {1.5}, {-0.75}}, 3, "0,5", "0.5"},
        {"halves, 3D", {{0.25}, {1.5}, {-0.75}}, 0, "0,5", "0.5"},
        {"halves, XY", {{-1.0, 0.5}, {1.5, 2.0}}, 16, "0,5", "0.5"},
        {"whole hundreds, bars", {{1288.8}, {620.0}}, 1, "1000", "1000,0"},
        {"whole hundreds, area", {{1288.8}, {620.0}}, 5, "1000", "1000,0"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Grafico g;
        g.setChartType(c.tipo);
        g.setChartData(c.tabella);
        g.immagine(QSize(400, 300));
        const QStringList testi = Testi(g.etichetteMostrate());
        EXPECT_TRUE(testi.contains(c.atteso)) << testi.join(" | ").toStdString();
        EXPECT_FALSE(testi.contains(c.escluso)) << testi.join(" | ").toStdString();
        for (const QString& t : testi)
            EXPECT_FALSE(t.contains('.')) << t.toStdString();
    }
    QLocale::setDefault(prima);
}

// The colour a key takes from the chart is the colour the chart draws that column with, in
// every kind: with one column above zero and the other below, each colour is found where its
// column stands (in a pie: the larger slice shows more of its colour).
TEST(GraficoTestiTest, EachColumnIsDrawnInTheColourTheChartAnswersForIt)
{
    for (int tipo : {1, 0, 14, 5, 4, 3, 2, 16}) {
        const int passo = tipo == 16 ? 2 : 1; // XY pairs columns into one series
        for (int sopra : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "kind " << tipo << ", series " << sopra << " above");
            Grafico g;
            g.setChartType(tipo);
            std::vector<std::vector<Cella>> tabella;
            for (int r = 0; r < 4; ++r) {
                const double v = 10.0 + 5 * (r % 3);
                std::vector<Cella> riga;
                for (int serie = 1; serie <= 2; ++serie) {
                    if (tipo == 16)
                        riga.push_back(double(r));
                    if (tipo == 14)
                        riga.push_back(serie == sopra ? 30.0 : 5.0);
                    else
                        riga.push_back(serie == sopra ? v : -v);
                }
                tabella.push_back(riga);
            }
            g.setChartData(tabella);
            const QImage immagine = g.immagine(QSize(400, 300));
            const QColor alto = g.coloreSerie(sopra * passo);
            const QColor basso = g.coloreSerie((3 - sopra) * passo);
            ASSERT_NE(alto, basso);
            if (tipo == 16) {
                EXPECT_EQ(g.coloreSerie(sopra * passo - 1), alto) << "both columns of a pair";
            }
            if (tipo == 14) {
                EXPECT_GT(PixelDelColore(immagine, alto), 3 * PixelDelColore(immagine, basso));
                EXPECT_GT(PixelDelColore(immagine, basso), 0);
                continue;
            }
            const double rigaAlto = RigaMediaDelColore(immagine, alto);
            const double rigaBasso = RigaMediaDelColore(immagine, basso);
            EXPECT_GE(rigaAlto, 0);
            EXPECT_GE(rigaBasso, 0);
            EXPECT_LT(rigaAlto + 10, rigaBasso);
        }
    }
}

// A chart too small for a text leaves it out: what it lists shows whole, and rows thinned out
// are not listed.
TEST(GraficoTestiTest, WhatDoesNotFitIsLeftOutNotCut)
{
    for (QSize dimensione : {QSize(120, 90), QSize(80, 60), QSize(40, 30)}) {
        for (int tipo : {1, 0, 14, 3, 16}) {
            SCOPED_TRACE(testing::Message() << dimensione.width() << "x" << dimensione.height() << ", kind " << tipo);
            Grafico g;
            g.setChartType(tipo);
            Errori(g);
            g.setColumn(1);
            g.setColumnLabel("Ricorrenza (%)");
            g.setTitolo("Ricorrenza per tipo di errore");
            g.immagine(dimensione);
            NessunTaglio(g);
        }
    }
    // Sixty rows on three hundred pixels: one label every few rows, each whole.
    Grafico g;
    g.setChartType(1);
    std::vector<std::vector<Cella>> tabella;
    for (int r = 0; r < 60; ++r)
        tabella.push_back({double(r % 7)});
    g.setChartData(tabella);
    for (int r = 1; r <= 60; ++r) {
        g.setRow(r);
        g.setRowLabel(QString::number(r * 1000));
    }
    g.immagine(QSize(300, 200));
    NessunTaglio(g);
    int righeMostrate = 0;
    for (const QString& t : Testi(g.etichetteMostrate()))
        if (t.endsWith("000"))
            ++righeMostrate;
    EXPECT_GE(righeMostrate, 5);
    EXPECT_LT(righeMostrate, 30) << "thinned out";
}

// A chart made smaller leaves out what no longer fits, and shows it again when it grows back.
TEST(GraficoTestiTest, AResizedChartFitsItsTextsAgain)
{
    for (int tipo : {1, 16, 14}) {
        SCOPED_TRACE(tipo);
        Grafico g;
        g.setChartType(tipo);
        if (tipo == 14)
            Bilancio(g);
        else
            Errori(g);
        g.immagine(QSize(390, 380));
        const auto grande = Testi(g.etichetteMostrate());
        g.immagine(QSize(390, 40));
        NessunTaglio(g);
        EXPECT_LT(Testi(g.etichetteMostrate()).size(), grande.size());
        g.immagine(QSize(390, 380));
        NessunTaglio(g);
        EXPECT_EQ(Testi(g.etichetteMostrate()), grande);
    }
}
