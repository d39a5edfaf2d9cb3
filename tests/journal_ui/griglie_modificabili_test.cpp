// The new-row line of the two editable grids, trading systems and error catalogue: it stands
// marked at the foot of the grid, typing in it adds one row, and left untouched it writes nothing.
#include "ambiente_portafoglio.h"
#include "controlli_prova.h"
#include "frm_parametri_iniziali.h"
#include "frm_personalizza_errori.h"
#include "messaggi_prova.h"

#include <gtest/gtest.h>
#include <QHeaderView>
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTest>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

class PrincipaleMuta : public FinestraPrincipale {
public:
    void ControlloMenu() override { }
};

const struct Griglia {
    const char* nome;
    std::function<std::unique_ptr<QDialog>(ContestoFinestre&)> apri;
    const char* tabella;
    const char* colonne; // every column, to compare whole rows
    const char* copia; // a row whose Descrizione is "dup", as VALUES
    std::vector<std::pair<const char*, const char*>> celle; // the same row typed in: caption, text
} Griglie[] = {
    {"Parametri iniziali",
     [](ContestoFinestre& c) { return std::make_unique<frmParametriIniziali>(c); },
     "System",
     "Cod, Descrizione, Commissioni, CommissioniMin",
     "('ZZ', 'dup', 1, 2)",
     {{"Cod", "ZZ"}, {"Descrizione", "dup"}, {"%.", "1"}, {"\u20ac", "2"}}},
    {"Personalizza errori",
     [](ContestoFinestre& c) { return std::make_unique<frmPersonalizzaErrori>(c); },
     "Errori",
     "Cod, Descrizione, Note, Contatore, Importo",
     "('ZZ', 'dup', NULL, 0, 0)",
     {{"Cod", "ZZ"}, {"Descrizione", "dup"}}},
};

class GriglieModificabiliTest : public ::testing::Test {
protected:
    void apri(const Griglia& g)
    {
        dialogo = g.apri(contesto);
        dialogo->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialogo.get()));
        tabella = QString::fromUtf8(g.tabella);
        griglia = Controllo<QTableView>(dialogo.get(), "DBGrid1");
        griglia->setFocus();
    }

    int colonna(const QString& intestazione)
    {
        for (int c = 0; c < griglia->model()->columnCount(); ++c)
            if (!griglia->isColumnHidden(c)
                && griglia->model()->headerData(c, Qt::Horizontal).toString() == intestazione)
                return c;
        ADD_FAILURE() << intestazione.toStdString();
        return -1;
    }

    int contaTabella(const QString& dove = QStringLiteral("1"))
    {
        return CartellaProva::valore(a.stato.DbDataSet, "SELECT COUNT(*) FROM " + tabella + " WHERE " + dove).toInt();
    }

    // Every row of the table in its order, one "a|b|c" each.
    QStringList righe(const Griglia& g)
    {
        QStringList testi;
        QSqlQuery q(a.stato.DbDataSet);
        EXPECT_TRUE(q.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(g.colonne, g.tabella)));
        while (q.next()) {
            QStringList valori;
            for (int c = 0; c < q.record().count(); ++c)
                valori << q.value(c).toString();
            testi << valori.join('|');
        }
        return testi;
    }

    QString segno(int riga) { return griglia->model()->headerData(riga, Qt::Vertical).toString(); }

    void clicca(const QPoint& punto) { QTest::mouseClick(griglia->viewport(), Qt::LeftButton, {}, punto); }
    void cliccaCella(int riga, int col) { clicca(griglia->visualRect(griglia->model()->index(riga, col)).center()); }

    // Types into the grid as the user does: the first key opens the cell, the rest go to its editor.
    void digita(const QString& testo, bool invio = true)
    {
        QTest::keyClicks(griglia, testo.left(1));
        auto* editor = qobject_cast<QLineEdit*>(griglia->indexWidget(griglia->currentIndex()));
        ASSERT_TRUE(editor) << "typing opened no cell";
        QTest::keyClicks(editor, testo.mid(1));
        if (invio)
            InviaCella(editor);
    }

    AmbientePortafoglio a;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    PrincipaleMuta principale;
    ContestoFinestre contesto{a.stato, messaggi, dialoghi, principale};
    std::unique_ptr<QDialog> dialogo;
    QTableView* griglia = nullptr;
    QString tabella;
};

TEST_F(GriglieModificabiliTest, TheLastLineIsMarkedAndTypingInItAddsOneRow)
{
    for (const Griglia& g : Griglie) {
        SCOPED_TRACE(g.nome);
        apri(g);
        const int n = contaTabella();
        ASSERT_EQ(RigheSopraRigaNuova(griglia), n);
        EXPECT_TRUE(griglia->verticalHeader()->isVisible());
        for (int r = 0; r < n; ++r)
            EXPECT_NE(segno(r), "*") << r;
        // In view at the dialog's default size.
        EXPECT_TRUE(griglia->viewport()->rect().contains(
            griglia->visualRect(griglia->model()->index(n, colonna("Descrizione")))));

        cliccaCella(n, colonna("Cod"));
        digita("QQ");
        EXPECT_EQ(contaTabella(), n + 1);
        EXPECT_EQ(contaTabella("Cod = 'QQ'"), 1);
        // The line has become the row, and a new line stands below it.
        EXPECT_EQ(griglia->model()->rowCount(), n + 2);
        EXPECT_EQ(griglia->model()->index(n, colonna("Cod")).data().toString(), "QQ");
        EXPECT_NE(segno(n), "*");
        EXPECT_EQ(segno(n + 1), "*");
        // The next cell of the same row is the same row.
        EXPECT_EQ(griglia->currentIndex().row(), n);
        QTest::keyClick(griglia, Qt::Key_Tab);
        digita("Nuova voce");
        EXPECT_EQ(contaTabella(), n + 1);
        EXPECT_EQ(contaTabella("Cod = 'QQ' AND Descrizione = 'Nuova voce'"), 1);

        // A click in the empty area below the rows goes to the new-row line.
        dialogo->resize(dialogo->size() + QSize(0, 300));
        QCoreApplication::processEvents();
        const int ultima = griglia->model()->rowCount() - 1;
        const QRect riga = griglia->visualRect(griglia->model()->index(ultima, colonna("Cod")));
        ASSERT_LT(riga.bottom() + 20, griglia->viewport()->height());
        clicca(QPoint(riga.center().x(), riga.bottom() + 20));
        EXPECT_EQ(griglia->currentIndex().row(), ultima);
        digita("RR");
        EXPECT_EQ(contaTabella("Cod = 'RR'"), 1);
        EXPECT_EQ(contaTabella(), n + 2);
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join('|').toStdString();
        dialogo->close();
    }
}

TEST_F(GriglieModificabiliTest, AnUntouchedNewRowLineWritesNothing)
{
    for (const Griglia& g : Griglie) {
        SCOPED_TRACE(g.nome);
        apri(g);
        const int n = contaTabella();
        // Opened and left with Esc; opened and left by a click on another row; typed and erased.
        cliccaCella(n, colonna("Descrizione"));
        QTest::keyClick(griglia, Qt::Key_F2);
        ASSERT_TRUE(griglia->indexWidget(griglia->currentIndex()));
        QTest::keyClick(griglia->indexWidget(griglia->currentIndex()), Qt::Key_Escape);
        QTest::keyClick(griglia, Qt::Key_Insert);
        cliccaCella(0, colonna("Descrizione"));
        cliccaCella(n, colonna("Cod"));
        digita("X", false);
        QTest::keyClick(griglia->indexWidget(griglia->currentIndex()), Qt::Key_Backspace);
        InviaCella(griglia->indexWidget(griglia->currentIndex()));
        EXPECT_EQ(contaTabella(), n);
        EXPECT_EQ(griglia->model()->rowCount(), n + 1);

        // Canc on the new-row line deletes nothing.
        griglia->selectRow(n);
        QTest::keyClick(griglia, Qt::Key_Delete);
        QTest::keyClick(griglia, Qt::Key_Insert);
        dialogo->close();
        EXPECT_EQ(contaTabella(), n);
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join('|').toStdString();
    }
}

TEST_F(GriglieModificabiliTest, ARowGoneFromTheTableIsReportedAndTheGridShowsTheTableAgain)
{
    for (const Griglia& g : Griglie) {
        SCOPED_TRACE(g.nome);
        messaggi.mostrati.clear();
        apri(g);
        const int n = contaTabella();
        // Another writer takes the first row away while the dialog is open.
        CartellaProva::esegui(a.stato.DbDataSet,
                              "DELETE FROM " + tabella + " WHERE rowid = (SELECT MIN(rowid) FROM " + tabella + ")");
        ScriviCella(griglia, 0, colonna("Descrizione"), "Scritta su una riga sparita");
        QCoreApplication::processEvents();
        EXPECT_EQ(messaggi.mostrati.size(), 1);
        EXPECT_EQ(contaTabella(), n - 1);
        EXPECT_EQ(contaTabella("Descrizione = 'Scritta su una riga sparita'"), 0);
        EXPECT_EQ(griglia->model()->rowCount(), n);
        dialogo->close();
    }
}

TEST_F(GriglieModificabiliTest, OfTwoIdenticalRowsOnlyTheOneTheUserTouchesChanges)
{
    for (const Griglia& g : Griglie) {
        SCOPED_TRACE(g.nome);
        CartellaProva::esegui(a.stato.DbDataSet,
                              QStringLiteral("INSERT INTO %1 VALUES %2, %2").arg(g.tabella, g.copia));
        apri(g);
        QStringList attese = righe(g);
        const int n = int(attese.size());
        const QString copia = attese.last();

        ScriviCella(griglia, n - 1, colonna("Descrizione"), "cambiata");
        attese[n - 1] = QString(copia).replace("|dup|", "|cambiata|");
        EXPECT_EQ(righe(g).join('\n').toStdString(), attese.join('\n').toStdString());

        // A third copy, typed in.
        QTest::keyClick(griglia, Qt::Key_Insert);
        ASSERT_EQ(griglia->currentIndex().row(), n);
        for (const auto& [intestazione, testo] : g.celle)
            ScriviCella(griglia, n, colonna(QString::fromUtf8(intestazione)), testo);
        attese << copia;
        EXPECT_EQ(righe(g).join('\n').toStdString(), attese.join('\n').toStdString());

        griglia->selectRow(n - 2);
        QTest::keyClick(griglia, Qt::Key_Delete);
        attese.removeAt(n - 2);
        EXPECT_EQ(righe(g).join('\n').toStdString(), attese.join('\n').toStdString());
        EXPECT_EQ(griglia->model()->index(n - 1, colonna("Descrizione")).data().toString(), "dup");
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join('|').toStdString();
        dialogo->close();
    }
}

} // namespace
