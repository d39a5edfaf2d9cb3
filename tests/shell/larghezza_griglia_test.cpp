// Grids sized by what they show, over every row: a figure far from the rows in view gets its
// room, and a grid whose rows outgrow it keeps room for its scroll bar beside the columns.
#include "larghezza_griglia.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int Righe = 300;
const QString Lunga = QStringLiteral("-123456789,123456");

// A grid of `righe` short figures, one of them long at row `lunga`, 240 pixels high.
struct Griglia {
    QStandardItemModel modello;
    QTableView vista;

    explicit Griglia(int righe, int lunga = -1) : modello(righe, 3)
    {
        for (int r = 0; r < righe; ++r)
            for (int c = 0; c < 3; ++c)
                modello.setItem(r, c, new QStandardItem(r == lunga && c == 1 ? Lunga : QStringLiteral("12,5")));
        modello.setHorizontalHeaderLabels({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        vista.setModel(&modello);
        vista.verticalHeader()->setVisible(false);
        vista.verticalHeader()->setDefaultSectionSize(20);
        vista.resize(400, 240);
        vista.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&vista));
    }

    int serve(int riga, int colonna) const
    {
        return vista.sizeHintForIndex(modello.index(riga, colonna)).width() + (vista.showGrid() ? 1 : 0);
    }
};

struct CasoLontano {
    const char* nome;
    int lunga;      // the row of the long figure
    bool inFondo;   // the grid scrolled to its last row when sized
};

class FiguraLontana : public ::testing::TestWithParam<CasoLontano> { };

TEST_P(FiguraLontana, GetsItsColumnsWidthWhereverTheGridStands)
{
    const CasoLontano& caso = GetParam();
    Griglia g(Righe, caso.lunga);
    if (caso.inFondo)
        g.vista.scrollToBottom();
    AdattaColonne(&g.vista);
    EXPECT_GE(g.vista.columnWidth(1), g.serve(caso.lunga, 1));
    EXPECT_LT(g.vista.columnWidth(0), g.serve(caso.lunga, 1)) << "short figures keep a short column";
}

INSTANTIATE_TEST_SUITE_P(Righe, FiguraLontana,
                         ::testing::Values(CasoLontano{"InCimaGrigliaInCima", 0, false},
                                           CasoLontano{"InMezzoGrigliaInCima", 150, false},
                                           CasoLontano{"InFondoGrigliaInCima", Righe - 1, false},
                                           CasoLontano{"InCimaGrigliaInFondo", 0, true},
                                           CasoLontano{"InMezzoGrigliaInFondo", 150, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

// A row written after the sizing widens the columns it outgrows, and only those.
TEST(LarghezzaGriglia, ARowWrittenLaterWidensItsColumns)
{
    Griglia g(Righe);
    AdattaColonne(&g.vista);
    const int prima = g.vista.columnWidth(0);
    g.modello.appendRow({new QStandardItem(QStringLiteral("1")), new QStandardItem(Lunga),
                         new QStandardItem(QStringLiteral("2"))});
    AdattaColonneARiga(&g.vista, Righe);
    EXPECT_GE(g.vista.columnWidth(1), g.serve(Righe, 1));
    EXPECT_EQ(g.vista.columnWidth(0), prima);
}

struct CasoBarra {
    const char* nome;
    int righe;
    Qt::ScrollBarPolicy barra;
    bool conBarra;
};

class BarraContata : public ::testing::TestWithParam<CasoBarra> { };

// The width asked for shows every column in the grid's view, with the scroll bar the rows need.
TEST_P(BarraContata, TheWidthAskedForShowsEveryColumnInView)
{
    const CasoBarra& caso = GetParam();
    Griglia g(caso.righe, caso.righe / 2);
    g.vista.setVerticalScrollBarPolicy(caso.barra);
    AdattaColonne(&g.vista);
    const int colonne = g.vista.columnWidth(0) + g.vista.columnWidth(1) + g.vista.columnWidth(2);
    const int barra = caso.conBarra ? g.vista.verticalScrollBar()->sizeHint().width() : 0;
    EXPECT_EQ(LarghezzaPerColonne(&g.vista), colonne + barra + 2 * g.vista.frameWidth());

    g.vista.resize(LarghezzaPerColonne(&g.vista), g.vista.height());
    QApplication::processEvents();
    EXPECT_EQ(g.vista.verticalScrollBar()->isVisible(), caso.conBarra);
    EXPECT_LE(g.vista.columnViewportPosition(2) + g.vista.columnWidth(2), g.vista.viewport()->width());
    EXPECT_FALSE(g.vista.horizontalScrollBar()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Righe, BarraContata,
                         ::testing::Values(CasoBarra{"PiuRigheDelPosto", Righe, Qt::ScrollBarAsNeeded, true},
                                           CasoBarra{"RigheCheStanno", 3, Qt::ScrollBarAsNeeded, false},
                                           CasoBarra{"SempreVisibile", 3, Qt::ScrollBarAlwaysOn, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

// A stretched last column counts its widest cell, not the room it was stretched over.
TEST(LarghezzaGriglia, AStretchedLastColumnCountsItsWidestCell)
{
    Griglia g(Righe, 150);
    g.vista.setColumnHidden(2, true);
    g.vista.horizontalHeader()->setStretchLastSection(true);
    AdattaColonne(&g.vista);
    const int barra = g.vista.verticalScrollBar()->sizeHint().width();
    EXPECT_GE(LarghezzaPerColonne(&g.vista), g.vista.columnWidth(0) + g.serve(150, 1) + barra + 2 * g.vista.frameWidth());
}

} // namespace
