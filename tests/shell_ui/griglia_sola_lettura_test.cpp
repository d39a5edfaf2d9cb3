// The grids the user only reads: the keys that move the current row, and Tab and Shift+Tab
// that leave the grid for the controls around it.
#include "controlli_prova.h"
#include "griglia_sola_lettura.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <memory>

namespace {

constexpr int Righe = 40;
constexpr int Partenza = 20;
constexpr int Colonna = 2;

// A grid of 40 rows and 4 columns between two fields, as in a window with a panel.
struct Banco {
    QWidget finestra;
    QLineEdit* prima;
    QTableView* griglia;
    QLineEdit* dopo;

    explicit Banco(const std::function<QTableView*(QWidget*)>& crea)
    {
        auto* l = new QVBoxLayout(&finestra);
        prima = new QLineEdit(&finestra);
        griglia = crea(&finestra);
        dopo = new QLineEdit(&finestra);
        l->addWidget(prima);
        l->addWidget(griglia);
        l->addWidget(dopo);
        finestra.resize(400, 300);
        GrigliaSolaLettura(griglia);
    }
};

const struct Tipo {
    const char* nome;
    std::function<QTableView*(QWidget*)> crea;
} Tipi[] = {
    {"data grid",
     [](QWidget* genitore) {
         auto* g = new QTableView(genitore);
         auto* m = new QStandardItemModel(Righe, 4, g);
         for (int r = 0; r < Righe; ++r)
             for (int c = 0; c < 4; ++c)
                 m->setItem(r, c, new QStandardItem(QStringLiteral("%1,%2").arg(r).arg(c)));
         g->setModel(m);
         return g;
     }},
    {"flex grid",
     [](QWidget* genitore) {
         auto* g = new QTableWidget(Righe, 4, genitore);
         for (int r = 0; r < Righe; ++r)
             for (int c = 0; c < 4; ++c)
                 g->setItem(r, c, new QTableWidgetItem(QStringLiteral("%1,%2").arg(r).arg(c)));
         return g;
     }},
};

} // namespace

TEST(GrigliaSolaLettura, KeysMoveTheCurrentRowAndTabLeaves)
{
    const struct Caso {
        const char* nome;
        Qt::Key tasto;
        Qt::KeyboardModifiers modificatori;
        std::function<bool(int)> riga; // of the row reached
        const char* fuoco; // "griglia", "prima" or "dopo"
    } casi[] = {
        {"Down", Qt::Key_Down, {}, [](int r) { return r == Partenza + 1; }, "griglia"},
        {"Up", Qt::Key_Up, {}, [](int r) { return r == Partenza - 1; }, "griglia"},
        {"PgDn", Qt::Key_PageDown, {}, [](int r) { return r > Partenza + 1; }, "griglia"},
        {"PgUp", Qt::Key_PageUp, {}, [](int r) { return r < Partenza - 1; }, "griglia"},
        {"Home", Qt::Key_Home, {}, [](int r) { return r == 0; }, "griglia"},
        {"End", Qt::Key_End, {}, [](int r) { return r == Righe - 1; }, "griglia"},
        {"Ctrl+Home", Qt::Key_Home, Qt::ControlModifier, [](int r) { return r == 0; }, "griglia"},
        {"Ctrl+End", Qt::Key_End, Qt::ControlModifier, [](int r) { return r == Righe - 1; }, "griglia"},
        {"Tab", Qt::Key_Tab, {}, [](int r) { return r == Partenza; }, "dopo"},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, [](int r) { return r == Partenza; }, "prima"},
    };
    for (const Tipo& t : Tipi) {
        for (const Caso& k : casi) {
            SCOPED_TRACE(testing::Message() << t.nome << ", " << k.nome);
            Banco b(t.crea);
            Attiva(&b.finestra);
            b.griglia->setFocus();
            b.griglia->setCurrentIndex(b.griglia->model()->index(Partenza, Colonna));
            QTest::keyClick(b.griglia, k.tasto, k.modificatori);
            EXPECT_TRUE(k.riga(b.griglia->currentIndex().row())) << b.griglia->currentIndex().row();
            EXPECT_EQ(b.griglia->currentIndex().column(), Colonna);
            // The whole row is the selection, so the row the panel shows is the one marked.
            EXPECT_EQ(b.griglia->selectionModel()->selectedRows().size(), 1);
            EXPECT_TRUE(b.griglia->selectionModel()->isRowSelected(b.griglia->currentIndex().row()));
            QWidget* fuoco = QString(k.fuoco) == "griglia" ? static_cast<QWidget*>(b.griglia)
                : QString(k.fuoco) == "prima"              ? b.prima
                                                           : b.dopo;
            EXPECT_EQ(QApplication::focusWidget(), fuoco);
        }
    }
}

TEST(GrigliaSolaLettura, NothingIsEditedFromTheKeyboard)
{
    for (const Tipo& t : Tipi) {
        SCOPED_TRACE(t.nome);
        Banco b(t.crea);
        Attiva(&b.finestra);
        b.griglia->setFocus();
        b.griglia->setCurrentIndex(b.griglia->model()->index(1, 1));
        QTest::keyClicks(b.griglia, "x");
        QTest::keyClick(b.griglia, Qt::Key_F2);
        QTest::keyClick(b.griglia, Qt::Key_Return);
        EXPECT_EQ(b.griglia->model()->index(1, 1).data().toString(), "1,1");
        EXPECT_EQ(b.griglia->findChild<QLineEdit*>(), nullptr) << "no cell editor open";
    }
}
