// The cash-account window: the modes of its panel, the balance and its chart, and where the
// grid stands after each change and each refresh.
#include "ambiente_portafoglio.h"
#include "controlli_prova.h"
#include "frm_conto_titoli.h"
#include "grafico.h"
#include "messaggi_prova.h"
#include "tabella_conto.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Does what the main window's refresh does for this window.
class PrincipaleProva : public FinestraPrincipale {
public:
    void ControlloMenu() override
    {
        ++chiamate;
        if (finestra)
            finestra->Main();
    }
    frmContoTitoli* finestra = nullptr;
    int chiamate = 0;
};

class FinestraContoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CartellaProva::esegui(a.stato.DbDataSet, "UPDATE Settaggi SET CapitaleIniziale = 500, CapitalGain = 0");
    }

    void apri()
    {
        finestra = std::make_unique<frmContoTitoli>(contesto);
        principale.finestra = finestra.get();
        finestra->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra.get()));
    }

    void movimento(const char* data, const char* tipo, double importo, const char* descrizione = ".")
    {
        CartellaProva::esegui(
            a.stato.DbPortafoglio,
            QStringLiteral("INSERT INTO Conto (Data, Tipo, Importo, Descrizione) VALUES ('%1', '%2', %3, '%4')")
                .arg(QString::fromUtf8(data), QString::fromUtf8(tipo))
                .arg(importo)
                .arg(QString::fromUtf8(descrizione)));
    }

    template <typename T> T* w(const char* nome) { return Controllo<T>(finestra.get(), nome); }

    void scrivi(const char* nome, const QString& testo) { Scrivi(w<QLineEdit>(nome), testo); }
    void modo(int id)
    {
        QAbstractButton* b = w<QButtonGroup>("Option1")->button(id);
        ASSERT_TRUE(b->isEnabled());
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        ASSERT_TRUE(b->isChecked());
    }
    void riga(int r)
    {
        auto* g = w<QTableView>("DBGrid1");
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualRect(g->model()->index(r, ColConto::Tipo)).center());
        ASSERT_EQ(g->currentIndex().row(), r);
    }
    int rigaGriglia() { return w<QTableView>("DBGrid1")->currentIndex().row(); }
    bool confermaAbilitata() { return w<QPushButton>("cmd_Ok")->isEnabled(); }
    void conferma()
    {
        ASSERT_TRUE(confermaAbilitata());
        Clicca(w<QPushButton>("cmd_Ok"));
    }
    // A new movement typed into the panel.
    void nuovo(const char* tipo, const QString& importo, const QString& descrizione = QString())
    {
        modo(frmContoTitoli::IdNuovo);
        w<QComboBox>("cmb_Tipo")->setCurrentText(QString::fromUtf8(tipo));
        scrivi("txtImporto", importo);
        if (!descrizione.isEmpty())
            scrivi("txt_Descrizione", descrizione);
        conferma();
    }
    QStringList tipi()
    {
        QStringList t;
        for (const RigaConto& r : LeggiConto(a.stato.DbPortafoglio, OrdineConto::PerDataEId).righe)
            t << r.Tipo;
        return t;
    }
    QString saldo() { return w<QLabel>("lab_Saldo")->text(); }

    AmbientePortafoglio a;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    PrincipaleProva principale;
    ContestoFinestre contesto{a.stato, messaggi, dialoghi, principale};
    std::unique_ptr<frmContoTitoli> finestra;
};

} // namespace

TEST_F(FinestraContoTest, EmptyAccountShowsCapitalFiveBarsAndOnlyNuovo)
{
    apri();
    EXPECT_EQ(finestra->windowTitle(), "Gestione conto titoli");
    EXPECT_EQ(saldo(), "500");
    EXPECT_EQ(w<QLabel>("Label5")->text(), "Saldo conto titoli:");
    auto* modi = w<QButtonGroup>("Option1");
    EXPECT_EQ(modi->checkedId(), frmContoTitoli::IdNuovo);
    EXPECT_FALSE(modi->button(frmContoTitoli::IdModifica)->isEnabled());
    EXPECT_FALSE(modi->button(frmContoTitoli::IdElimina)->isEnabled());
    EXPECT_FALSE(confermaAbilitata());
    EXPECT_EQ(w<QLineEdit>("txt_Descrizione")->text(), ".");
    EXPECT_FALSE(w<QLineEdit>("txt_Descrizione")->isEnabled());
    EXPECT_EQ(w<QDateEdit>("dtp_Data")->date(), QDate::currentDate());

    auto* grafico = w<Grafico>("msc_ContoTitoli");
    ASSERT_EQ(grafico->RowCount(), 5);
    EXPECT_EQ(grafico->ColumnCount(), 1);
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(grafico->valore(r, 1), 0.0) << r;

    // Every input has its caption.
    const std::pair<const char*, const char*> didascalie[]
        = {{"Label35", "dtp_Data"}, {"Label39", "cmb_Tipo"}, {"Label1", "txtImporto"}, {"Label2", "txt_Descrizione"}};
    for (const auto& [etichetta, campo] : didascalie)
        EXPECT_EQ(w<QLabel>(etichetta)->buddy(), finestra->findChild<QWidget*>(QLatin1String(campo))) << campo;
}

TEST_F(FinestraContoTest, TheAccountExampleGivesBalanceAndBars)
{
    apri();
    nuovo("Dividendi", "10");
    nuovo("Versamento", "100");
    nuovo("Prelievo", "20");
    nuovo("Costi di gestione", "5", "spese");

    EXPECT_EQ(saldo(), "585");
    auto* grafico = w<Grafico>("msc_ContoTitoli");
    const double attesi[] = {10, 100, -20, -5, 0};
    const char* etichette[] = {"Dividendi", "Versamento", "Prelievo", "CostiGestione", "saldoOperazioni"};
    for (int r = 1; r <= 5; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(grafico->valore(r, 1), attesi[r - 1]);
        EXPECT_EQ(grafico->etichetta(r), etichette[r - 1]);
    }
    EXPECT_EQ(principale.chiamate, 4) << "the refresh runs after every change";
    const auto righe = LeggiConto(a.stato.DbPortafoglio).righe;
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_EQ(righe[0].Descrizione, ".");
    EXPECT_EQ(righe[3].Descrizione, "spese");
    EXPECT_EQ(rigaGriglia(), 3) << "the new movement is current";
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
}

TEST_F(FinestraContoTest, AmountMustReadAsANumber)
{
    apri();
    struct Caso {
        const char* digitato;
        bool conferma;
    };
    const Caso casi[] = {{"", false}, {",", false}, {".", false}, {"-5", true}, {"12,5", true}, {",5", true}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.digitato);
        scrivi("txtImporto", QString::fromUtf8(c.digitato));
        EXPECT_EQ(confermaAbilitata(), c.conferma);
        EXPECT_EQ(w<QLineEdit>("txt_Descrizione")->isEnabled(), c.conferma);
    }
    // The filter keeps signs and points out: "-5" arrives as "5".
    scrivi("txtImporto", "-5");
    EXPECT_EQ(w<QLineEdit>("txtImporto")->text(), "5");

    scrivi("txtImporto", "12,5");
    conferma();
    const auto righe = LeggiConto(a.stato.DbPortafoglio).righe;
    ASSERT_EQ(righe.size(), 1u);
    EXPECT_DOUBLE_EQ(righe[0].Importo, 12.5);
}

TEST_F(FinestraContoTest, ModificaWritesTheRowAndKeepsItsPosition)
{
    movimento("2024-03-01", "Dividendi", 10);
    movimento("2024-03-02", "Versamento", 100);
    movimento("2024-03-03", "Prelievo", 20);
    apri();
    modo(frmContoTitoli::IdModifica);
    riga(1);
    EXPECT_EQ(w<QComboBox>("cmb_Tipo")->currentText(), "Versamento");
    EXPECT_EQ(w<QLineEdit>("txtImporto")->text(), "100");
    scrivi("txtImporto", "12,5");
    scrivi("txt_Descrizione", "");
    conferma();
    const auto righe = LeggiConto(a.stato.DbPortafoglio, OrdineConto::PerDataEId).righe;
    EXPECT_EQ(righe[1], (RigaConto{2, "2024-03-02", "Versamento", 12.5, "."}));
    EXPECT_EQ(rigaGriglia(), 1);
    EXPECT_EQ(finestra->RigaCorrente, 1);
    EXPECT_EQ(saldo(), "502,5");
}

TEST_F(FinestraContoTest, DeletingMiddleLastAndOnlyRows)
{
    movimento("2024-03-01", "Dividendi", 1);
    movimento("2024-03-02", "Versamento", 2);
    movimento("2024-03-03", "Prelievo", 3);
    movimento("2024-03-04", "Versamento", 4);
    apri();
    modo(frmContoTitoli::IdElimina);
    EXPECT_FALSE(w<QLineEdit>("txtImporto")->isEnabled());

    // A middle row: the following one takes its place.
    riga(1);
    conferma();
    EXPECT_EQ(tipi(), (QStringList{"Dividendi", "Prelievo", "Versamento"}));
    EXPECT_EQ(rigaGriglia(), 1);
    EXPECT_EQ(w<QLineEdit>("txtImporto")->text(), "3") << "the panel shows the new current row";

    // The last row: the previous one becomes current.
    riga(2);
    conferma();
    EXPECT_EQ(tipi(), (QStringList{"Dividendi", "Prelievo"}));
    EXPECT_EQ(rigaGriglia(), 1);
    EXPECT_EQ(finestra->RigaCorrente, 1);

    riga(0);
    conferma();
    conferma();
    EXPECT_TRUE(tipi().isEmpty());
    EXPECT_FALSE(confermaAbilitata());
    EXPECT_EQ(w<QButtonGroup>("Option1")->checkedId(), frmContoTitoli::IdNuovo);
    EXPECT_FALSE(w<QButtonGroup>("Option1")->button(frmContoTitoli::IdElimina)->isEnabled());
    EXPECT_EQ(saldo(), "500");

    // An insert into the emptied table works and shows the new row.
    nuovo("Versamento", "7");
    EXPECT_EQ(tipi(), (QStringList{"Versamento"}));
    EXPECT_EQ(rigaGriglia(), 0);
}

TEST_F(FinestraContoTest, ARefreshRefillsThePanelFromTheCurrentRow)
{
    movimento("2024-03-01", "Dividendi", 10);
    movimento("2024-03-02", "Prelievo", 20, "bonifico");
    apri();
    modo(frmContoTitoli::IdModifica);
    riga(1);
    ASSERT_EQ(w<QComboBox>("cmb_Tipo")->currentText(), "Prelievo");

    finestra->Main(); // a change elsewhere
    EXPECT_EQ(w<QComboBox>("cmb_Tipo")->currentText(), "Prelievo");
    EXPECT_EQ(rigaGriglia(), 1);
    conferma();
    conferma();
    EXPECT_EQ(tipi(), (QStringList{"Dividendi", "Prelievo"})) << "the withdrawal is not turned into a dividend";
    EXPECT_EQ(saldo(), "490");
}

TEST_F(FinestraContoTest, RowsSortByDateThenKeyAndTheRememberedRowStaysInside)
{
    movimento("2024-03-05", "Versamento", 1);
    movimento("2024-03-01", "Dividendi", 2);
    movimento("2024-03-05", "Prelievo", 3);
    apri();
    auto* g = w<QTableView>("DBGrid1");
    EXPECT_EQ(g->model()->index(0, ColConto::Data).data().toString(), "01/03/2024");
    EXPECT_EQ(g->model()->index(1, ColConto::Tipo).data().toString(), "Versamento");
    EXPECT_EQ(g->model()->index(2, ColConto::Tipo).data().toString(), "Prelievo");
    EXPECT_TRUE(g->isColumnHidden(ColConto::ID));
    // The panel opens in "Nuovo" with rows too.
    EXPECT_EQ(w<QLineEdit>("txt_Descrizione")->text(), ".");
    EXPECT_FALSE(w<QLineEdit>("txt_Descrizione")->isEnabled());
    EXPECT_FALSE(confermaAbilitata());

    // Another portfolio with fewer movements: its last row is current.
    finestra->RigaCorrente = 7;
    finestra->Main();
    EXPECT_EQ(finestra->RigaCorrente, 2);
    EXPECT_EQ(rigaGriglia(), 2);
}

TEST_F(FinestraContoTest, UnknownKindIsReportedAndLeftOutOfTheBalance)
{
    movimento("2024-03-01", "Versamento", 100);
    movimento("2024-03-02", "Bonus", 1000);
    apri();
    EXPECT_EQ(saldo(), "600");
    EXPECT_EQ(messaggi.testi(), (QStringList{"Errore nel modulo controllo record"}));
}

// An amount stored as a text ("12,5" from a file made elsewhere) is no amount: the window
// names the movement instead of counting it as 12 or 0, and a Modifica mends it.
TEST_F(FinestraContoTest, AmountNotStoredAsANumberIsNamedAndCanBeMended)
{
    movimento("2024-03-01", "Versamento", 100);
    CartellaProva::esegui(a.stato.DbPortafoglio, "INSERT INTO Conto (Data, Tipo, Importo, Descrizione) "
                                                 "VALUES ('2024-03-02', 'Dividendi', '12,5', '.')");
    apri();
    const QString nominato = QStringLiteral("Il movimento del conto con data \"02/03/2024\" e tipo \"Dividendi\" non "
                                            "è valido: l'importo non è un numero. Correggerlo o eliminarlo nella "
                                            "finestra Gestione conto titoli.");
    ASSERT_FALSE(messaggi.testi().isEmpty());
    EXPECT_EQ(messaggi.testi().last(), nominato);
    EXPECT_NE(saldo(), "612");
    EXPECT_NE(saldo(), "600");

    messaggi.mostrati.clear();
    riga(1);
    modo(frmContoTitoli::IdModifica);
    scrivi("txtImporto", "12,5");
    conferma();
    EXPECT_FALSE(messaggi.testi().contains(nominato));
    EXPECT_EQ(saldo(), "612,5");
}

TEST_F(FinestraContoTest, ModificaNeverChangesAKindTheUserDidNotChoose)
{
    movimento("2024-03-01", "Versamento", 100);
    movimento("2024-03-02", "Bonifico", 1000, "da un altro programma");
    apri();
    messaggi.mostrati.clear();
    modo(frmContoTitoli::IdModifica);
    riga(1);
    auto* tipo = w<QComboBox>("cmb_Tipo");
    EXPECT_EQ(tipo->currentIndex(), -1) << "no kind of the list stands for the row's own";
    EXPECT_EQ(tipo->placeholderText(), "Bonifico") << "the panel names the row's own kind";
    scrivi("txtImporto", "900");
    conferma();
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_TRUE(messaggi.mostrati[0].testo.contains("Bonifico")) << messaggi.mostrati[0].testo.toStdString();
    EXPECT_EQ(messaggi.mostrati[0].icona, Messaggi::Icona::Esclamazione);
    EXPECT_EQ(LeggiConto(a.stato.DbPortafoglio).righe[1],
              (RigaConto{2, "2024-03-02", "Bonifico", 1000, "da un altro programma"}));
    EXPECT_EQ(saldo(), "600");
    EXPECT_EQ(principale.chiamate, 0);

    // A refresh puts the first kind in the list; the panel still does not take it for the row's.
    finestra->Main();
    EXPECT_EQ(tipo->currentIndex(), -1);

    // A kind the user picks is written.
    Scegli(tipo, "Prelievo");
    scrivi("txtImporto", "900");
    conferma();
    EXPECT_EQ(tipi(), (QStringList{"Versamento", "Prelievo"}));
    EXPECT_EQ(saldo(), "-300");
}

TEST_F(FinestraContoTest, AConfirmedNewMovementLeavesAnEmptyPanelThatCannotBookItAgain)
{
    apri();
    w<QDateEdit>("dtp_Data")->setDate(QDate(2024, 3, 1));
    nuovo("Prelievo", "1000", "spese");
    EXPECT_EQ(tipi(), (QStringList{"Prelievo"}));
    EXPECT_EQ(w<QLineEdit>("txtImporto")->text(), "");
    EXPECT_FALSE(confermaAbilitata());
    EXPECT_EQ(w<QLineEdit>("txt_Descrizione")->text(), ".");
    EXPECT_FALSE(w<QLineEdit>("txt_Descrizione")->isEnabled());
    EXPECT_EQ(w<QDateEdit>("dtp_Data")->date(), QDate::currentDate());
    EXPECT_EQ(w<QComboBox>("cmb_Tipo")->currentIndex(), 0);
    EXPECT_EQ(saldo(), "-500");
}

// The movement's date as the user types it into "Data"; one that is no date is refused.
TEST_F(FinestraContoTest, TheDateTypedIsTheMovementDate)
{
    apri();
    const auto scriviMovimento = [this](const char* tasti) {
        modo(frmContoTitoli::IdNuovo);
        auto* data = w<QDateEdit>("dtp_Data");
        data->setFocus(Qt::TabFocusReason);
        data->selectAll();
        QTest::keyClicks(data, QString::fromLatin1(tasti));
        w<QComboBox>("cmb_Tipo")->setCurrentText("Versamento");
        scrivi("txtImporto", "100");
        conferma();
    };
    scriviMovimento("1/3/24");
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
    scriviMovimento("15.03.2024");
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
    const auto righe = LeggiConto(a.stato.DbPortafoglio).righe;
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0].Data, "2024-03-01");
    EXPECT_EQ(righe[1].Data, "2024-03-15");

    scriviMovimento("30/02/2024");
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith("\"30/02/2024\" non è una data"));
    EXPECT_EQ(LeggiConto(a.stato.DbPortafoglio).righe.size(), 2u);
    EXPECT_EQ(w<QLineEdit>("txtImporto")->text(), "100");
}

TEST_F(FinestraContoTest, ChartSwitchAndEsci)
{
    apri();
    auto* tipi = w<QButtonGroup>("Option2");
    EXPECT_EQ(tipi->checkedId(), frmContoTitoli::IdBarre);
    tipi->button(frmContoTitoli::IdBarre3D)->click();
    EXPECT_EQ(w<Grafico>("msc_ContoTitoli")->ChartType(), 0);
    tipi->button(frmContoTitoli::IdBarre)->click();
    EXPECT_EQ(w<Grafico>("msc_ContoTitoli")->ChartType(), 1);

    Clicca(w<QPushButton>("Command1"));
    EXPECT_FALSE(finestra->isVisible());
}

// At the window's size the chart's five kinds show whole, apart from each other, in both
// kinds of chart.
TEST_F(FinestraContoTest, TheChartShowsItsFiveLabelsWholeAndApartInBothKinds)
{
    movimento("2026-01-02", "Versamento", 25000, "Apertura");
    movimento("2026-03-10", "Dividendi", 120.5);
    movimento("2026-05-10", "Prelievo", 1500);
    movimento("2026-06-30", "Costi di gestione", 34.2, "Bollo");
    apri();
    auto* grafico = w<Grafico>("msc_ContoTitoli");
    for (int id : {frmContoTitoli::IdBarre, frmContoTitoli::IdBarre3D}) {
        SCOPED_TRACE(id);
        w<QButtonGroup>("Option2")->button(id)->click();
        QTest::qWait(5);
        const auto mostrate = grafico->etichetteMostrate();
        QStringList testi;
        for (const auto& m : mostrate) {
            EXPECT_TRUE(m.intera) << m.testo.toStdString();
            testi << QString(m.testo).replace('\n', ' ');
        }
        for (const char* voce : {"Dividendi", "Versamento", "Prelievo", "CostiGestione", "saldoOperazioni"})
            EXPECT_TRUE(testi.contains(voce)) << voce << " in " << testi.join(" | ").toStdString();
        for (qsizetype i = 0; i < mostrate.size(); ++i)
            for (qsizetype j = i + 1; j < mostrate.size(); ++j)
                EXPECT_FALSE(mostrate[i].rettangolo.intersects(mostrate[j].rettangolo))
                    << mostrate[i].testo.toStdString() << " and " << mostrate[j].testo.toStdString();
    }
}

// The keyboard path of a user who deletes or changes a movement: the mode, the grid's first
// row made current with Ctrl+Home, Tab on through the panel to "Conferma", Space. Only the row
// the user made current changes, and the focus stays on the mode, not in the grid.
TEST_F(FinestraContoTest, KeyboardPathActsOnTheRowMadeCurrent)
{
    struct Caso {
        const char* nome;
        int modo;
        const char* importo; // typed on the way to "Conferma"; null types nothing
        std::function<std::vector<RigaConto>(std::vector<RigaConto>)> atteso;
    };
    const Caso casi[] = {
        {"Elimina", frmContoTitoli::IdElimina, nullptr,
         [](std::vector<RigaConto> prima) {
             prima.erase(prima.begin());
             return prima;
         }},
        {"Modifica", frmContoTitoli::IdModifica, "77",
         [](std::vector<RigaConto> prima) {
             prima[0].Importo = 77;
             return prima;
         }},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        CartellaProva::esegui(a.stato.DbPortafoglio, "DELETE FROM Conto");
        for (int i = 0; i < 20; ++i)
            movimento(QDate(2024, 1, 1).addDays(i).toString(Qt::ISODate).toUtf8().constData(), "Versamento", i + 1,
                      QString("M%1").arg(i + 1).toUtf8().constData());
        const auto prima = LeggiConto(a.stato.DbPortafoglio, OrdineConto::PerDataEId).righe;
        messaggi.mostrati.clear();
        apri();
        Attiva(finestra.get());
        modo(k.modo);
        riga(2);
        ASSERT_EQ(w<QLineEdit>("txt_Descrizione")->text(), "M3");
        ASSERT_EQ(QApplication::focusWidget(), w<QTableView>("DBGrid1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ControlModifier);
        ASSERT_EQ(rigaGriglia(), 0);
        ASSERT_EQ(w<QLineEdit>("txt_Descrizione")->text(), "M1");
        if (k.importo) {
            auto* importo = w<QLineEdit>("txtImporto");
            ASSERT_TRUE(PremiFinoA(importo));
            Scrivi(importo, k.importo);
        }
        auto* ok = w<QPushButton>("cmd_Ok");
        ASSERT_TRUE(PremiFinoA(ok));
        QTest::keyClick(ok, Qt::Key_Space);
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
        EXPECT_EQ(LeggiConto(a.stato.DbPortafoglio, OrdineConto::PerDataEId).righe, k.atteso(prima));
        EXPECT_EQ(QApplication::focusWidget(), w<QButtonGroup>("Option1")->button(k.modo));
        principale.finestra = nullptr;
        finestra.reset();
    }
}

// After a new movement the focus is on the first field, ready for the next one.
TEST_F(FinestraContoTest, AfterANewMovementTheFocusIsOnTheDate)
{
    movimento("2024-03-01", "Dividendi", 10);
    apri();
    Attiva(finestra.get());
    scrivi("txtImporto", "12");
    auto* ok = w<QPushButton>("cmd_Ok");
    ASSERT_TRUE(PremiFinoA(ok));
    QTest::keyClick(ok, Qt::Key_Space);
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
    EXPECT_EQ(tipi().size(), 2);
    EXPECT_EQ(QApplication::focusWidget(), w<QDateEdit>("dtp_Data"));
}
