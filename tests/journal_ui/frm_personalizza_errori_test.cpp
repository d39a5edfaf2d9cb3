#include "ambiente_portafoglio.h"
#include "controlli_prova.h"
#include "frm_personalizza_errori.h"
#include "messaggi_prova.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

#include <functional>
#include <memory>

namespace {

class PrincipaleContata : public FinestraPrincipale {
public:
    void ControlloMenu() override { ++chiamate; }
    int chiamate = 0;
};

class PersonalizzaErroriTest : public ::testing::Test {
protected:
    void apri()
    {
        dialogo = std::make_unique<frmPersonalizzaErrori>(contesto);
        dialogo->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialogo.get()));
    }

    template <typename T> T* w(const char* nome) { return Controllo<T>(dialogo.get(), nome); }

    QTableView* griglia() { return w<QTableView>("DBGrid1"); }

    int colonna(const QString& intestazione)
    {
        auto* m = griglia()->model();
        for (int c = 0; c < m->columnCount(); ++c)
            if (!griglia()->isColumnHidden(c) && m->headerData(c, Qt::Horizontal).toString() == intestazione)
                return c;
        ADD_FAILURE() << intestazione.toStdString();
        return -1;
    }

    int righeMostrate() { return RigheSopraRigaNuova(griglia()); }

    QLineEdit* scriviCella(int riga, int col, const QString& testo, bool invio = true)
    {
        return ScriviCella(griglia(), riga, col, testo, invio);
    }

    QString cella(int riga, const QString& intestazione)
    {
        return griglia()->model()->index(riga, colonna(intestazione)).data().toString();
    }

    // The catalogue as a list of rows, in table order.
    std::string catalogo(const QString& tabella = QStringLiteral("Errori"))
    {
        QStringList righe;
        QSqlQuery q(a.stato.DbDataSet);
        EXPECT_TRUE(q.exec("SELECT Cod, Descrizione, Note, Contatore, Importo FROM " + tabella + " ORDER BY rowid"));
        while (q.next())
            righe << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                 q.value(3).toString(), q.value(4).toString()}
                         .join('|');
        return righe.join('\n').toStdString();
    }

    QVariant dataset(const QString& sql) { return CartellaProva::valore(a.stato.DbDataSet, sql); }

    AmbientePortafoglio a;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    PrincipaleContata principale;
    ContestoFinestre contesto{a.stato, messaggi, dialoghi, principale};
    std::unique_ptr<frmPersonalizzaErrori> dialogo;
};

TEST_F(PersonalizzaErroriTest, ShowsCodesAndDescriptionsWithTheNoteOfTheCurrentRow)
{
    apri();
    EXPECT_EQ(dialogo->windowTitle(), "Personalizza errori");
    QTableView* g = griglia();
    QStringList mostrate;
    for (int c = 0; c < g->model()->columnCount(); ++c)
        if (!g->isColumnHidden(c))
            mostrate << g->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(mostrate, (QStringList{"Cod", "Descrizione"}));
    EXPECT_EQ(righeMostrate(), 11);
    EXPECT_EQ(cella(0, "Cod"), "NE");
    EXPECT_EQ(w<QLabel>("Label1")->text(), "Ripristino settaggio errori di default");
    EXPECT_EQ(w<QPushButton>("Command2")->text(), "Ok");
    EXPECT_EQ(w<QLabel>("lab_Note")->buddy(), w<QPlainTextEdit>("Text1"));
    for (QWidget* figlio : dialogo->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (figlio->isVisible()) {
            EXPECT_TRUE(dialogo->rect().contains(figlio->geometry())) << figlio->objectName().toStdString();
        }
    }

    QPlainTextEdit* note = w<QPlainTextEdit>("Text1");
    EXPECT_EQ(note->toPlainText(), "Operazione eseguita secondo il piano");
    g->setCurrentIndex(g->model()->index(2, colonna("Cod")));
    EXPECT_EQ(note->toPlainText(), "Acquisto dopo il segnale, a un prezzo peggiore");

    // A note typed for a row is written to that row.
    note->setFocus();
    note->selectAll();
    QTest::keyClicks(note, "Nota nuova");
    g->setFocus();
    g->setCurrentIndex(g->model()->index(3, colonna("Cod")));
    EXPECT_EQ(dataset("SELECT Note FROM Errori WHERE Cod = 'ER'").toString(), "Nota nuova");
    EXPECT_EQ(note->toPlainText(), "Vendita prima del segnale: guadagno lasciato sul mercato");
    dialogo->close();
    EXPECT_EQ(principale.chiamate, 0);
}

TEST_F(PersonalizzaErroriTest, AThreeCharacterCodeIsRefusedAndTheRowReverted)
{
    apri();
    const std::string prima = catalogo();
    scriviCella(1, colonna("Cod"), "EAX");
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].testo, "Massimo 2 caratteri per questo campo");
    EXPECT_EQ(messaggi.mostrati[0].icona, Messaggi::Icona::Critico);
    EXPECT_EQ(messaggi.mostrati[0].pulsanti, Messaggi::Pulsanti::Ok);
    EXPECT_EQ(cella(1, "Cod"), "EA");
    EXPECT_EQ(catalogo(), prima);

    // The row stays usable: a good code then goes through.
    scriviCella(1, colonna("Cod"), "EB");
    EXPECT_EQ(dataset("SELECT Cod FROM Errori WHERE Descrizione = 'Entrata anticipata'").toString(), "EB");

    // A new row with a long code is not written either.
    messaggi.mostrati.clear();
    QTableView* g = griglia();
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Insert);
    auto* editor = qobject_cast<QLineEdit*>(g->indexWidget(g->currentIndex()));
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, "ABC");
    InviaCella(editor);
    EXPECT_EQ(messaggi.testi(), QStringList{"Massimo 2 caratteri per questo campo"});
    EXPECT_EQ(righeMostrate(), 11);
    EXPECT_EQ(dataset("SELECT COUNT(*) FROM Errori").toInt(), 11);
}

TEST_F(PersonalizzaErroriTest, OfTwoIdenticalCodesANoteGoesToItsOwnRowOnly)
{
    CartellaProva::esegui(a.stato.DbDataSet,
                          "INSERT INTO Errori VALUES ('ZZ', 'dup', NULL, 0, 0), ('ZZ', 'dup', NULL, 0, 0)");
    apri();
    QTableView* g = griglia();
    g->setCurrentIndex(g->model()->index(11, colonna("Cod")));
    QPlainTextEdit* note = w<QPlainTextEdit>("Text1");
    note->setFocus();
    QTest::keyClicks(note, "solo qui");
    g->setFocus();
    g->setCurrentIndex(g->model()->index(0, colonna("Cod")));
    EXPECT_EQ(dataset("SELECT group_concat(IFNULL(Note, '-'), ',') FROM "
                      "(SELECT Note FROM Errori WHERE Cod = 'ZZ' ORDER BY rowid)")
                  .toString(),
              "solo qui,-");
}

TEST_F(PersonalizzaErroriTest, RestoringTheDefaultsBringsBackTheFactoryCatalogue)
{
    CartellaProva::esegui(a.stato.DbDataSet, "UPDATE Errori SET Contatore = 4, Importo = 12.5 WHERE Cod = 'EA'");
    apri();
    scriviCella(0, colonna("Descrizione"), "Cambiata");
    QTableView* g = griglia();
    g->selectRow(10);
    QTest::keyClick(g, Qt::Key_Delete);
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Insert);
    QTest::keyClicks(qobject_cast<QLineEdit*>(g->indexWidget(g->currentIndex())), "ZZ");
    InviaCella(g->indexWidget(g->currentIndex()));
    // The new row takes its note too.
    QPlainTextEdit* note = w<QPlainTextEdit>("Text1");
    note->setFocus();
    QTest::keyClicks(note, "Nota di ZZ");
    g->setFocus();
    EXPECT_EQ(dataset("SELECT Note || '/' || Contatore FROM Errori WHERE Cod = 'ZZ'").toString(), "Nota di ZZ/0");
    ASSERT_NE(catalogo(), catalogo("ErroriDefault"));

    Clicca(w<QPushButton>("cmd_Ripristino"));
    EXPECT_EQ(catalogo(), catalogo("ErroriDefault"));
    EXPECT_EQ(righeMostrate(), 11);
    EXPECT_EQ(cella(0, "Descrizione"), "Nessun errore");
    EXPECT_EQ(w<QPlainTextEdit>("Text1")->toPlainText(), "Operazione eseguita secondo il piano");
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join('|').toStdString();
}

TEST_F(PersonalizzaErroriTest, AFailedRestoreLeavesTheCatalogueAsItWas)
{
    apri();
    scriviCella(0, colonna("Descrizione"), "Cambiata");
    const std::string prima = catalogo();
    // The insert fails after the delete has run.
    CartellaProva::esegui(a.stato.DbDataSet,
                          "CREATE TEMP TRIGGER guasto BEFORE INSERT ON Errori "
                          "BEGIN SELECT RAISE(ABORT, 'guasto simulato'); END");
    Clicca(w<QPushButton>("cmd_Ripristino"));
    EXPECT_EQ(catalogo(), prima);
    EXPECT_EQ(righeMostrate(), 11);
    EXPECT_EQ(cella(0, "Descrizione"), "Cambiata");
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].icona, Messaggi::Icona::Critico);
    EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith("Impossibile ripristinare"));
    CartellaProva::esegui(a.stato.DbDataSet, "DROP TRIGGER guasto");
}

TEST_F(PersonalizzaErroriTest, AnEditStillOpenIsWrittenOnEveryWayOut)
{
    const struct {
        const char* nome;
        std::function<void(QDialog*)> chiudi;
    } modi[] = {
        {"Ok", [](QDialog* d) { Clicca(d->findChild<QPushButton*>("Command2")); }},
        {"Esc", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }},
        {"chiusura della cornice", [](QDialog* d) { d->close(); }},
    };
    int n = 0;
    for (const auto& modo : modi) {
        SCOPED_TRACE(modo.nome);
        // A description whose editor is still open.
        apri();
        const QString descrizione = QStringLiteral("Descrizione %1").arg(++n);
        scriviCella(1, colonna("Descrizione"), descrizione, false);
        modo.chiudi(dialogo.get());
        EXPECT_FALSE(dialogo->isVisible());
        EXPECT_EQ(dataset("SELECT Descrizione FROM Errori WHERE Cod = 'EA'").toString(), descrizione);

        // A note still being typed.
        apri();
        const QString nota = QStringLiteral("Nota %1").arg(n);
        griglia()->setCurrentIndex(griglia()->model()->index(2, colonna("Cod")));
        QPlainTextEdit* note = w<QPlainTextEdit>("Text1");
        note->setFocus();
        note->selectAll();
        QTest::keyClicks(note, nota);
        modo.chiudi(dialogo.get());
        EXPECT_FALSE(dialogo->isVisible());
        EXPECT_EQ(dataset("SELECT Note FROM Errori WHERE Cod = 'ER'").toString(), nota);
    }
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join('|').toStdString();
    EXPECT_EQ(principale.chiamate, 0);
}

} // namespace
