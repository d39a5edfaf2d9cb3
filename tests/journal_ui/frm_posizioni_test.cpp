// The open-position and closed-operation windows: what they show of the engine's tables,
// the liquidity with its gauge, and the chart-type switch.
#include "ambiente_portafoglio.h"
#include "controlli_prova.h"
#include "esito_prova.h"
#include "frm_operazioni_chiuse.h"
#include "frm_portafoglio.h"
#include "grafico.h"
#include "messaggi_prova.h"
#include "motore.h"
#include "picture_box.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>
#include <vector>

namespace {

class PrincipaleNulla : public FinestraPrincipale {
public:
    void ControlloMenu() override { }
};

// The captions of the visible columns, in the order they are shown.
QStringList Intestazioni(QTableView* griglia)
{
    QStringList t;
    QHeaderView* h = griglia->horizontalHeader();
    for (int v = 0; v < h->count(); ++v) {
        const int c = h->logicalIndex(v);
        if (!griglia->isColumnHidden(c))
            t << griglia->model()->headerData(c, Qt::Horizontal).toString();
    }
    return t;
}

QStringList Riga(QTableView* griglia, int r)
{
    QStringList t;
    QHeaderView* h = griglia->horizontalHeader();
    for (int v = 0; v < h->count(); ++v) {
        const int c = h->logicalIndex(v);
        if (!griglia->isColumnHidden(c))
            t << griglia->model()->index(r, c).data().toString();
    }
    return t;
}

int PixelDisegnati(const QImage& disegno)
{
    int n = 0;
    for (int y = 0; y < disegno.height(); ++y)
        for (int x = 0; x < disegno.width(); ++x)
            n += disegno.pixelColor(x, y).alpha() > 0;
    return n;
}

class FinestrePosizioniTest : public ::testing::Test {
protected:
    void SetUp() override { capitale(10000); }

    void capitale(double valore)
    {
        CartellaProva::esegui(
            a.stato.DbDataSet,
            QStringLiteral("UPDATE Settaggi SET CapitaleIniziale = %1, CapitalGain = 0").arg(valore, 0, 'g', 17));
    }
    void movimento(const char* tipo, double importo)
    {
        CartellaProva::esegui(a.stato.DbPortafoglio,
                              QStringLiteral("INSERT INTO Conto (Data, Tipo, Importo, Descrizione) "
                                             "VALUES ('2024-03-01', '%1', %2, '.')")
                                  .arg(QString::fromUtf8(tipo))
                                  .arg(importo));
    }
    void ricalcola() { ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(a.stato.DbDataSet, a.stato.DbPortafoglio))); }
    // Positions written as the engine would, so the figures do not depend on its commissions.
    void posizione(const char* cod, long long qta, double pzoCarico)
    {
        CartellaProva::esegui(a.stato.DbPortafoglio,
                              QStringLiteral("INSERT INTO Portafoglio VALUES ('WEB', '%1', 'x', %2, "
                                             "%3, %4, 0)")
                                  .arg(QString::fromUtf8(cod))
                                  .arg(qta)
                                  .arg(pzoCarico)
                                  .arg(double(qta) * pzoCarico));
    }

    frmPortafoglio* apriPortafoglio()
    {
        portafoglio = std::make_unique<frmPortafoglio>(contesto);
        portafoglio->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(portafoglio.get()));
        return portafoglio.get();
    }

    template <typename T> T* w(QWidget* f, const char* nome) { return Controllo<T>(f, nome); }
    QString etichetta(QWidget* f, const char* nome) { return w<QLabel>(f, nome)->text(); }

    AmbientePortafoglio a;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    PrincipaleNulla principale;
    ContestoFinestre contesto{a.stato, messaggi, dialoghi, principale};
    std::unique_ptr<frmPortafoglio> portafoglio;
};

} // namespace

TEST_F(FinestrePosizioniTest, PositionsValueChartAndLiquidityWithoutMovements)
{
    posizione("ENI", 100, 10.5);
    posizione("TIM", 50, 2);
    frmPortafoglio* f = apriPortafoglio();

    EXPECT_EQ(f->windowTitle(), "Portafoglio");
    auto* griglia = w<QTableView>(f, "DBGrid2");
    EXPECT_EQ(Intestazioni(griglia), (QStringList{"Codice", "Quantità", "P.zoCarico", "Importo"}));
    EXPECT_EQ(Riga(griglia, 0), (QStringList{"ENI", "100", "10,5", "1050"}));
    EXPECT_EQ(etichetta(f, "Label31"), "Valore portafoglio");
    EXPECT_EQ(etichetta(f, "Label1"), "Liquidità:");
    EXPECT_EQ(etichetta(f, "lab_ValorePortafoglio"), "1150");
    // Capital plus net result, less the positions at carrying price.
    EXPECT_EQ(etichetta(f, "lab_Liquidita"), "8850");

    auto* grafico = w<Grafico>(f, "msc_Portafoglio");
    EXPECT_EQ(grafico->RowCount(), 2);
    EXPECT_EQ(grafico->valore(1, 1), 1050.0);
    EXPECT_EQ(grafico->valore(2, 1), 100.0);
    EXPECT_EQ(grafico->etichetta(2), "TIM");
    EXPECT_EQ(grafico->ChartType(), 1);
    EXPECT_GT(PixelDisegnati(w<PictureBox>(f, "Picture1")->disegno()), 10) << "the gauge's needle";
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(FinestrePosizioniTest, MovementsEnterTheLiquidityAndAnUnknownKindIsReported)
{
    posizione("ENI", 100, 10);
    movimento("Dividendi", 10);
    movimento("Versamento", 100);
    movimento("Prelievo", 20);
    movimento("Costi di gestione", 5);
    movimento("Bonus", 1000);
    movimento("Bonus", 1000);
    frmPortafoglio* f = apriPortafoglio();

    EXPECT_EQ(etichetta(f, "lab_Liquidita"), "9085");
    EXPECT_EQ(messaggi.testi(),
              (QStringList{"Errore nel modulo controllo record", "Errore nel modulo controllo record"}));
}

TEST_F(FinestrePosizioniTest, LiquidityRoundsHalvesToEvenAndTheGaugeFollowsIt)
{
    capitale(1000.125);
    frmPortafoglio* f = apriPortafoglio();
    EXPECT_EQ(etichetta(f, "lab_Liquidita"), "1000,12");
    EXPECT_EQ(etichetta(f, "lab_ValorePortafoglio"), "0");
    const QImage pieno = w<PictureBox>(f, "Picture1")->disegno();

    // Positions beyond the capital: no liquidity, the needle lies at 0, on the left.
    posizione("ENI", 1000, 10);
    f->Main();
    EXPECT_EQ(etichetta(f, "lab_Liquidita"), "-8999,88");
    const QImage vuoto = w<PictureBox>(f, "Picture1")->disegno();
    EXPECT_NE(pieno, vuoto);
    const int mezzo = vuoto.width() / 2;
    int aSinistra = 0;
    for (int y = 0; y < vuoto.height(); ++y)
        for (int x = 0; x < mezzo - 5; ++x)
            aSinistra += vuoto.pixelColor(x, y).alpha() > 0;
    EXPECT_GT(aSinistra, 10);
}

TEST_F(FinestrePosizioniTest, AllSoldLeavesTheChartAsItWasAndTheSwitchKeepsTheData)
{
    a.inserisci({"2024-03-01", "Buy", "ENI", "Eni", 100, 10.0});
    ricalcola();
    frmPortafoglio* f = apriPortafoglio();
    auto* grafico = w<Grafico>(f, "msc_Portafoglio");
    ASSERT_EQ(grafico->RowCount(), 1);

    auto* tipi = w<QButtonGroup>(f, "Option1");
    EXPECT_EQ(tipi->checkedId(), frmPortafoglio::IdBarre);
    EXPECT_EQ(tipi->button(frmPortafoglio::IdBarre)->text(), "Barre");
    EXPECT_EQ(tipi->button(frmPortafoglio::IdBarre3D)->text(), "Barre 3D");
    tipi->button(frmPortafoglio::IdBarre3D)->click();
    EXPECT_EQ(grafico->ChartType(), 0);
    EXPECT_EQ(grafico->valore(1, 1), 1000.0);

    a.inserisci({"2024-03-02", "Sell", "ENI", "Eni", 100, 11.0});
    ricalcola();
    f->Main();
    EXPECT_EQ(etichetta(f, "lab_ValorePortafoglio"), "0");
    EXPECT_EQ(w<QTableView>(f, "DBGrid2")->model()->rowCount(), 0);
    EXPECT_EQ(grafico->RowCount(), 1) << "the bars of the last positions stay";
    EXPECT_EQ(grafico->etichetta(1), "ENI");
    EXPECT_EQ(grafico->ChartType(), 0);

    tipi->button(frmPortafoglio::IdBarre)->click();
    EXPECT_EQ(grafico->ChartType(), 1);
}

TEST_F(FinestrePosizioniTest, ChartFollowsTheWindowAndStaysInside)
{
    frmPortafoglio* f = apriPortafoglio();
    auto* grafico = w<Grafico>(f, "msc_Portafoglio");
    for (const QSize s : {QSize(900, 500), QSize(300, 60), QSize(760, 400)}) {
        SCOPED_TRACE(s.width());
        f->resize(s);
        QApplication::processEvents();
        EXPECT_EQ(grafico->x(), 267) << "4000 twips";
        EXPECT_TRUE(f->rect().contains(grafico->geometry())) << "visible whole";
    }
    EXPECT_EQ(grafico->width(), 760 - 267) << "the rest of the width";
    const int altezza = int(std::lround((f->frameGeometry().height() * 15 - 290) / 15.0));
    EXPECT_EQ(grafico->height(), std::min(altezza, f->height())) << "the height less 290 twips";
}

TEST_F(FinestrePosizioniTest, ClosedOperationsShowTenColumnsInSellOrder)
{
    a.inserisci({"2024-03-01", "Buy", "ENI", "Eni", 100, 10.0});
    a.inserisci({"2024-03-05", "Sell", "ENI", "Eni", 40, 11.0});
    a.inserisci({"2024-03-04", "Sell", "ENI", "Eni", 60, 9.0});
    ricalcola();
    frmOperazioniChiuse f(contesto);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));

    EXPECT_EQ(f.windowTitle(), "Operazioni Chiuse");
    auto* griglia = w<QTableView>(&f, "dbg_OperazioniChiuse");
    EXPECT_EQ(Intestazioni(griglia),
              (QStringList{"Data", "System", "Codice", "Titolo", "P.zo di Carico", "Quantita'", "Prezzo di vendita",
                           "Comm", "Ricavo", "% "}));
    ASSERT_EQ(griglia->model()->rowCount(), 2);
    const QStringList prima = Riga(griglia, 0);
    EXPECT_EQ(prima.mid(0, 7), (QStringList{"04/03/2024", "WEB", "ENI", "Eni", "10", "60", "9"}));
    EXPECT_EQ(Riga(griglia, 1).at(0), "05/03/2024");
    EXPECT_TRUE(griglia->editTriggers() == QAbstractItemView::NoEditTriggers);

    // A refresh keeps the columns and their order.
    f.Main();
    EXPECT_EQ(Intestazioni(griglia).at(7), "Comm");
    EXPECT_EQ(griglia->model()->rowCount(), 2);
}

TEST_F(FinestrePosizioniTest, ClosedOperationsKeepTheirWidthInTheMdiArea)
{
    QMdiArea area;
    area.resize(1000, 700);
    auto* f = new frmOperazioniChiuse(contesto);
    QMdiSubWindow* cornice = area.addSubWindow(f);
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    auto* griglia = w<QTableView>(f, "dbg_OperazioniChiuse");
    for (const QSize s : {QSize(900, 500), QSize(500, 300)}) {
        SCOPED_TRACE(s.width());
        cornice->resize(s);
        QApplication::processEvents();
        EXPECT_EQ(cornice->width(), 695) << "10420 twips";
        EXPECT_EQ(cornice->height(), s.height());
        EXPECT_TRUE(f->rect().contains(griglia->geometry()));
        EXPECT_LE(std::abs(griglia->x() - (f->width() - griglia->x() - griglia->width())), 1) << "centred";
    }
    // Maximised, it takes the area's width.
    cornice->showMaximized();
    QApplication::processEvents();
    EXPECT_GT(cornice->width(), 695);
}

// A refresh that finds the closed operations as the grid shows them leaves the grid alone; a
// change of any value loads it again.
TEST_F(FinestrePosizioniTest, ClosedOperationsReloadOnlyWhatChanged)
{
    a.inserisci({"2024-03-01", "Buy", "ENI", "Eni", 100, 10.0});
    a.inserisci({"2024-03-04", "Sell", "ENI", "Eni", 60, 9.0});
    ricalcola();
    frmOperazioniChiuse f(contesto);
    auto* griglia = w<QTableView>(&f, "dbg_OperazioniChiuse");
    QSignalSpy ricarica(griglia->model(), &QAbstractItemModel::modelReset);

    a.inserisci({"2024-03-05", "Buy", "ENI", "Eni", 10, 10.0});
    ricalcola();
    f.Main();
    EXPECT_EQ(ricarica.count(), 0) << "a buy closes nothing";

    const char* const cambi[] = {
        "UPDATE OperazioniChiuse SET GP = GP + 0.5",
        "UPDATE OperazioniChiuse SET giornoDiSettimana = NULL",
        "UPDATE OperazioniChiuse SET Titolo = 'Eni '",
        "INSERT INTO OperazioniChiuse (Data, Cod, Qta) VALUES ('2024-03-06', 'ENI', 1)",
    };
    for (const char* cambio : cambi) {
        SCOPED_TRACE(cambio);
        ricarica.clear();
        CartellaProva::esegui(a.stato.DbPortafoglio, cambio);
        f.Main();
        EXPECT_EQ(ricarica.count(), 1);
        f.Main();
        EXPECT_EQ(ricarica.count(), 1) << "nothing changed since";
    }
    EXPECT_EQ(griglia->model()->rowCount(), 2);
    EXPECT_EQ(Riga(griglia, 0).at(3), "Eni ");
}

// A sell adds its operation after the others: the grid then shows every row as a window
// opened afresh does, whether the rows before it stayed as they were or changed with it.
TEST_F(FinestrePosizioniTest, ClosedOperationsAddedAfterTheOthersShowWithThem)
{
    a.inserisci({"2024-03-01", "Buy", "ENI", "Eni", 100, 10.0});
    a.inserisci({"2024-03-04", "Sell", "ENI", "Eni", 60, 9.0});
    ricalcola();
    frmOperazioniChiuse f(contesto);
    auto* griglia = w<QTableView>(&f, "dbg_OperazioniChiuse");
    const std::vector<std::vector<const char*>> cambi = {
        {"INSERT INTO OperazioniChiuse (Data, Cod, Qta, Prezzo) VALUES ('2024-03-06', 'ENI', 1, 123456.789)"},
        {"UPDATE OperazioniChiuse SET Cod = 'ENIX' WHERE rowid = 1",
         "INSERT INTO OperazioniChiuse (Data, Cod, Qta) VALUES ('2024-03-07', 'ENI', 2)"},
        {"DELETE FROM OperazioniChiuse WHERE rowid = 2",
         "INSERT INTO OperazioniChiuse (Data, Cod, Qta) VALUES ('2024-03-08', 'ENI', 3)"},
    };
    for (const auto& cambio : cambi) {
        SCOPED_TRACE(cambio.front());
        for (const char* istruzione : cambio)
            CartellaProva::esegui(a.stato.DbPortafoglio, istruzione);
        f.Main();
        frmOperazioniChiuse nuova(contesto);
        auto* attesa = w<QTableView>(&nuova, "dbg_OperazioniChiuse");
        ASSERT_EQ(griglia->model()->rowCount(), attesa->model()->rowCount());
        for (int r = 0; r < attesa->model()->rowCount(); ++r)
            EXPECT_EQ(Riga(griglia, r), Riga(attesa, r)) << r;
        for (int c = 0; c < attesa->model()->columnCount(); ++c)
            EXPECT_EQ(griglia->columnWidth(c), attesa->columnWidth(c)) << c;
    }
}
