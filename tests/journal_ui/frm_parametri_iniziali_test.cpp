#include "ambiente_portafoglio.h"
#include "controlli_prova.h"
#include "esito_prova.h"
#include "frm_parametri_iniziali.h"
#include "messaggi_prova.h"
#include "motore.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// The main window's refresh, as far as these dialogs see it: the engine runs when there are trades.
class PrincipaleMotore : public FinestraPrincipale {
public:
    explicit PrincipaleMotore(StatoApplicazione& s) : stato(s) { }
    void ControlloMenu() override
    {
        ++chiamate;
        if (CartellaProva::valore(stato.DbPortafoglio, "SELECT COUNT(*) FROM Eseguiti").toLongLong() > 0) {
            EXPECT_TRUE(EsitoAccettato(RicalcolaPortafoglio(stato.DbDataSet, stato.DbPortafoglio)));
        }
    }
    StatoApplicazione& stato;
    int chiamate = 0;
};

class ParametriInizialiTest : public ::testing::Test {
protected:
    void apri()
    {
        dialogo = std::make_unique<frmParametriIniziali>(contesto);
        dialogo->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialogo.get()));
    }

    template <typename T> T* w(const char* nome) { return Controllo<T>(dialogo.get(), nome); }

    void scrivi(const char* nome, const QString& testo)
    {
        QLineEdit* e = w<QLineEdit>(nome);
        e->setFocus();
        Scrivi(e, testo);
    }

    QTableView* griglia() { return w<QTableView>("DBGrid1"); }

    int colonna(const QString& campo)
    {
        auto* m = griglia()->model();
        for (int c = 0; c < m->columnCount(); ++c)
            if (m->headerData(c, Qt::Horizontal).toString() == campo)
                return c;
        ADD_FAILURE() << campo.toStdString();
        return -1;
    }

    int righeMostrate() { return RigheSopraRigaNuova(griglia()); }

    QLineEdit* scriviCella(int riga, int col, const QString& testo, bool invio = true)
    {
        return ScriviCella(griglia(), riga, col, testo, invio);
    }

    QVariant dataset(const QString& sql) { return CartellaProva::valore(a.stato.DbDataSet, sql); }

    AmbientePortafoglio a;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    PrincipaleMotore principale{a.stato};
    ContestoFinestre contesto{a.stato, messaggi, dialoghi, principale};
    std::unique_ptr<frmParametriIniziali> dialogo;
};

// The ways out of the dialog; each must write the settings and refresh once.
const struct {
    const char* nome;
    std::function<void(QDialog*)> chiudi;
} ModiDiChiusura[] = {
    {"Esci", [](QDialog* d) { Clicca(d->findChild<QPushButton*>("Command2")); }},
    {"Esc", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }},
    {"chiusura della cornice", [](QDialog* d) { d->close(); }},
};

TEST_F(ParametriInizialiTest, ShowsTheSettingsAndTheSystemsWithTheirCaptions)
{
    apri();
    EXPECT_EQ(dialogo->windowTitle(), "Parametri iniziali");
    const struct {
        const char* etichetta;
        const char* testo;
        const char* casella;
        const char* valore;
    } righe[] = {{"Label1", "Capitale Iniziale", "txtCapitaleIniziale", "10000"},
                 {"Label5", "Capital Gain", "txtCapitalGain", "26"},
                 {"Label6", "M.M. stop loss", "txtSLMM", "300"},
                 {"Label7", "%  stop loss", "txtSLP", "5"}};
    for (const auto& r : righe) {
        SCOPED_TRACE(r.casella);
        QLabel* l = w<QLabel>(r.etichetta);
        ASSERT_TRUE(l);
        EXPECT_EQ(l->text(), QString::fromUtf8(r.testo));
        EXPECT_EQ(l->buddy(), w<QLineEdit>(r.casella));
        EXPECT_EQ(w<QLineEdit>(r.casella)->text(), r.valore);
    }
    EXPECT_EQ(w<QLabel>("Label15")->text(), "Commissioni Minime  ");
    EXPECT_EQ(w<QLabel>("Label14")->text(), "Commissioni  %.");
    EXPECT_EQ(w<QLabel>("Label10")->text(), QString::fromUtf8("€"));

    QTableView* g = griglia();
    QStringList intestazioni;
    for (int c = 0; c < g->model()->columnCount(); ++c)
        intestazioni << g->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(intestazioni, (QStringList{"Cod", "Descrizione", "%.", QString::fromUtf8("€")}));
    ASSERT_EQ(righeMostrate(), 2);
    const QModelIndex tasso = g->model()->index(0, colonna("%."));
    // The rate shows with the Italian comma.
    EXPECT_EQ(static_cast<QStyledItemDelegate*>(g->itemDelegate())->displayText(tasso.data(), QLocale()), "1,9");
    // Every control fits in the dialog at its default size.
    for (QWidget* figlio : dialogo->findChildren<QWidget*>()) {
        if (!figlio->isVisible() || figlio->parentWidget() != dialogo.get())
            continue;
        EXPECT_TRUE(dialogo->rect().contains(figlio->geometry())) << figlio->objectName().toStdString();
    }
}

TEST_F(ParametriInizialiTest, EveryWayOutWritesTheSettingsAndRefreshesOnce)
{
    double capitale = 20000;
    for (const auto& modo : ModiDiChiusura) {
        SCOPED_TRACE(modo.nome);
        principale.chiamate = 0;
        apri();
        capitale += 1.5;
        scrivi("txtCapitaleIniziale", QString::number(capitale).replace('.', ','));
        modo.chiudi(dialogo.get());
        EXPECT_FALSE(dialogo->isVisible());
        EXPECT_EQ(principale.chiamate, 1);
        EXPECT_DOUBLE_EQ(dataset("SELECT CapitaleIniziale FROM Settaggi").toDouble(), capitale);
        EXPECT_DOUBLE_EQ(dataset("SELECT CapitalGain FROM Settaggi").toDouble(), 26);
        EXPECT_TRUE(messaggi.mostrati.isEmpty());
    }
}

TEST_F(ParametriInizialiTest, UntouchedBoxesWriteBackExactlyWhatTheyShowed)
{
    // Values the key filter could never produce, and one that its text does not hold exactly.
    CartellaProva::esegui(a.stato.DbDataSet,
                          "UPDATE Settaggi SET CapitaleIniziale = 1e20, SLMM = -50, "
                          "CapitalGain = 0.1 + 0.2, SLP = NULL");
    apri();
    EXPECT_EQ(w<QLineEdit>("txtCapitaleIniziale")->text(), "1E+20");
    EXPECT_EQ(w<QLineEdit>("txtSLMM")->text(), "-50");
    EXPECT_EQ(w<QLineEdit>("txtCapitalGain")->text(), "0,3");
    EXPECT_EQ(w<QLineEdit>("txtSLP")->text(), "");
    dialogo->close();
    EXPECT_EQ(dataset("SELECT CapitaleIniziale FROM Settaggi").toDouble(), 1e20);
    EXPECT_EQ(dataset("SELECT SLMM FROM Settaggi").toDouble(), -50);
    EXPECT_EQ(dataset("SELECT CapitalGain FROM Settaggi").toDouble(), 0.1 + 0.2);
    EXPECT_TRUE(dataset("SELECT SLP FROM Settaggi").isNull());
    EXPECT_TRUE(messaggi.mostrati.isEmpty());
    EXPECT_EQ(principale.chiamate, 1);
}

TEST_F(ParametriInizialiTest, AnEmptyOrNonNumericBoxKeepsItsOldValueAndTheUserIsTold)
{
    double slp = 7;
    for (const char* cattivo : {"", ","}) {
        SCOPED_TRACE(cattivo);
        messaggi.mostrati.clear();
        apri();
        scrivi("txtCapitalGain", cattivo);
        slp += 0.5;
        scrivi("txtSLP", QString::number(slp).replace('.', ','));
        dialogo->reject();
        EXPECT_DOUBLE_EQ(dataset("SELECT CapitalGain FROM Settaggi").toDouble(), 26);
        EXPECT_DOUBLE_EQ(dataset("SELECT SLP FROM Settaggi").toDouble(), slp);
        ASSERT_EQ(messaggi.mostrati.size(), 1);
        EXPECT_TRUE(messaggi.mostrati[0].testo.contains("\"Capital Gain\""))
            << messaggi.mostrati[0].testo.toStdString();
        EXPECT_EQ(messaggi.mostrati[0].icona, Messaggi::Icona::Esclamazione);
    }
}

TEST_F(ParametriInizialiTest, AThreeDecimalRateTypedInTheGridTakesEffectWhenTheDialogClosesWithEsc)
{
    a.inserisci({"2024-01-10", "Buy", "AAA", "Alfa", 1000, 10.0});
    a.inserisci({"2024-01-20", "Sell", "AAA", "Alfa", 1000, 11.0});
    ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(a.stato.DbDataSet, a.stato.DbPortafoglio)));
    apri();
    scriviCella(0, colonna("%."), "1,875");
    // Written at once, every decimal kept.
    EXPECT_EQ(dataset("SELECT Commissioni FROM System WHERE Cod = 'WEB'").toDouble(), 1.875);
    EXPECT_EQ(principale.chiamate, 0);
    QTest::keyClick(dialogo.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_EQ(principale.chiamate, 1);
    // 10000 and 11000 at 1,875 per mille: 18,75 + 20,625.
    EXPECT_DOUBLE_EQ(
        CartellaProva::valore(a.stato.DbPortafoglio, "SELECT Commissioni FROM OperazioniChiuse").toDouble(), 39.375);
}

TEST_F(ParametriInizialiTest, ACellStillBeingEditedIsWrittenBeforeTheDialogCloses)
{
    apri();
    scriviCella(1, colonna(QString::fromUtf8("€")), "9,125", false);
    dialogo->close();
    EXPECT_EQ(dataset("SELECT CommissioniMin FROM System WHERE Cod = 'FIX'").toDouble(), 9.125);
}

TEST_F(ParametriInizialiTest, RowsAreAddedAndDeletedStraightInTheTable)
{
    apri();
    QTableView* g = griglia();
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Insert);
    auto* editor = qobject_cast<QLineEdit*>(g->indexWidget(g->currentIndex()));
    ASSERT_TRUE(editor);
    EXPECT_EQ(g->currentIndex().row(), 2);
    QTest::keyClicks(editor, "TST");
    InviaCella(editor);
    EXPECT_EQ(dataset("SELECT COUNT(*) FROM System WHERE Cod = 'TST'").toInt(), 1);
    scriviCella(2, colonna("%."), "0,5");
    EXPECT_EQ(dataset("SELECT Commissioni FROM System WHERE Cod = 'TST'").toDouble(), 0.5);

    // Deleting the first row leaves the others as they were.
    g->selectRow(0);
    QTest::keyClick(g, Qt::Key_Delete);
    EXPECT_EQ(dataset("SELECT group_concat(Cod, ',') FROM (SELECT Cod FROM System ORDER BY rowid)").toString(),
              "FIX,TST");
    EXPECT_EQ(righeMostrate(), 2);

    // The new-row line left empty writes nothing when the user moves on, and other rows stay editable.
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Insert);
    EXPECT_EQ(g->currentIndex().row(), 2);
    scriviCella(0, colonna("%."), "0,25");
    EXPECT_EQ(righeMostrate(), 2);
    EXPECT_EQ(dataset("SELECT Commissioni FROM System WHERE Cod = 'FIX'").toDouble(), 0.25);
    // Or when the dialog closes.
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Insert);
    dialogo->close();
    EXPECT_EQ(dataset("SELECT COUNT(*) FROM System").toInt(), 2);
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join('|').toStdString();
}

TEST_F(ParametriInizialiTest, ScreenReadersReadTheRatesAsTheScreenShowsThem)
{
    apri();
    QAccessibleInterface* tabella = QAccessible::queryAccessibleInterface(griglia());
    ASSERT_TRUE(tabella && tabella->tableInterface());
    const struct {
        int riga;
        const char* colonna;
        const char* testo;
    } celle[] = {{0, "%.", "1,9"}, {0, "€", "2,95"}, {1, "%.", "0"}, {1, "Cod", "FIX"}};
    for (const auto& c : celle) {
        SCOPED_TRACE(c.testo);
        const QModelIndex indice = griglia()->model()->index(c.riga, colonna(QString::fromUtf8(c.colonna)));
        QAccessibleInterface* cella = tabella->tableInterface()->cellAt(c.riga, indice.column());
        ASSERT_TRUE(cella);
        EXPECT_EQ(cella->text(QAccessible::Name), QString::fromUtf8(c.testo));
        EXPECT_EQ(static_cast<QStyledItemDelegate*>(griglia()->itemDelegate())->displayText(indice.data(), QLocale()),
                  QString::fromUtf8(c.testo));
    }
}

TEST_F(ParametriInizialiTest, TextThatIsNotANumberInARateCellIsNotWritten)
{
    apri();
    for (const char* cattivo : {"abc", ",", "1,2,3"}) {
        SCOPED_TRACE(cattivo);
        messaggi.mostrati.clear();
        scriviCella(0, colonna("%."), cattivo);
        EXPECT_EQ(dataset("SELECT Commissioni FROM System WHERE Cod = 'WEB'").toDouble(), 1.9);
        ASSERT_EQ(messaggi.mostrati.size(), 1);
        EXPECT_EQ(messaggi.mostrati[0].icona, Messaggi::Icona::Esclamazione);
    }
}

TEST_F(ParametriInizialiTest, WritesTheDatabaseRefusesAreReportedAndShowNothingUnwritten)
{
    CartellaProva::esegui(a.stato.DbDataSet,
                          "CREATE TEMP TRIGGER no_system BEFORE UPDATE ON System "
                          "BEGIN SELECT RAISE(ABORT, 'guasto simulato'); END");
    CartellaProva::esegui(a.stato.DbDataSet,
                          "CREATE TEMP TRIGGER no_settaggi BEFORE UPDATE ON Settaggi "
                          "BEGIN SELECT RAISE(ABORT, 'guasto simulato'); END");
    apri();
    scriviCella(0, colonna("%."), "2,5");
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].icona, Messaggi::Icona::Critico);
    // The grid shows what the table holds.
    EXPECT_EQ(griglia()->model()->index(0, colonna("%.")).data().toString(), "1,9");

    scrivi("txtCapitaleIniziale", "500");
    dialogo->close();
    ASSERT_EQ(messaggi.mostrati.size(), 2);
    EXPECT_TRUE(messaggi.mostrati[1].testo.startsWith("Impossibile salvare i parametri iniziali"));
    EXPECT_EQ(messaggi.mostrati[1].icona, Messaggi::Icona::Critico);
    EXPECT_EQ(dataset("SELECT CapitaleIniziale FROM Settaggi").toDouble(), 10000);
    EXPECT_EQ(principale.chiamate, 1);
    CartellaProva::esegui(a.stato.DbDataSet, "DROP TRIGGER no_system");
    CartellaProva::esegui(a.stato.DbDataSet, "DROP TRIGGER no_settaggi");
}

} // namespace
