#include "ambiente_portafoglio.h"
#include "cartella_excel.h"
#include "controlli_prova.h"
#include "importa.h"
#include "messaggi_prova.h"
#include "principale_prova.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace {

const QString Intestazione = QStringLiteral("a,b,c,d,Side,Qty,Symbol,Price,e,Account,f\r\n");

QString Linea(const QString& tipo, int qta, const QString& cod, const QString& prezzo)
{
    return QStringLiteral("0,1,2,3,%1,%2,%3,%4,8,WEB,10\r\n").arg(tipo).arg(qta).arg(cod, prezzo);
}

class ImportaTest : public ::testing::Test {
public:
    void SetUp() override
    {
        QDir(a.cartella.cartella()).mkdir(QStringLiteral("file"));
        cartella = a.cartella.percorso(QStringLiteral("file"));
    }

    void scrivi(const QString& nome, const QString& testo)
    {
        QFile f(QDir(cartella).filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(testo.toUtf8());
    }

    void apri()
    {
        finestra = std::make_unique<Importa>(contesto);
        finestra->impostaCartella(cartella);
        finestra->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra.get()));
    }

    template <typename T> T* w(const char* nome) { return Controllo<T>(finestra.get(), nome); }

    // A click on the list entry, with Ctrl to add it to the selection.
    void clicca(const QString& nome, Qt::KeyboardModifiers tasti = {})
    {
        QListWidget* lista = w<QListWidget>("List1");
        const auto trovati = lista->findItems(nome, Qt::MatchExactly);
        ASSERT_EQ(trovati.size(), 1) << nome.toStdString();
        const QRect r = lista->visualItemRect(trovati.first());
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, tasti, r.center());
    }

    QString testo(const char* nome) { return w<QLabel>(nome)->text(); }

    AmbientePortafoglio a;
    MessaggiProva m;
    DialogoFileProva d;
    PrincipaleProva p{a.stato};
    ContestoFinestre contesto{a.stato, m, d, p};
    QString cartella;
    std::unique_ptr<Importa> finestra;
};

TEST_F(ImportaTest, ControlliAllAvvio)
{
    scrivi("rt20240315.csv", Intestazione);
    scrivi("altro.txt", "x");
    scrivi("foglio.xls", "x");
    apri();
    EXPECT_EQ(finestra->windowTitle(), "Importa dati");
    QComboBox* combo = w<QComboBox>("Combo1");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), "Real Tick III .cvs");
    ASSERT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(0), "Real Tick III               .csv    ");
    EXPECT_EQ(combo->itemText(1), "Gavrel Op. chiuse   .xls ");
    EXPECT_EQ(combo->itemText(2), "Gavrel Eseguiti        .xls");
    EXPECT_EQ(combo->itemText(3), "Importazione guidata .xls");
    EXPECT_EQ(w<QListWidget>("File1")->count(), 1);
    ASSERT_EQ(w<QListWidget>("List1")->count(), 1);
    EXPECT_EQ(w<QListWidget>("List1")->item(0)->text(), "rt20240315.csv");
    EXPECT_EQ(w<QListWidget>("List1")->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_FALSE(w<QProgressBar>("ProgressBar1")->isVisible());
    EXPECT_EQ(testo("lab_NumeroEseguiti"), "0");
    EXPECT_EQ(testo("Label2"), "File selezionati da importare");
    EXPECT_EQ(testo("Label1"), "Anteprima contenuto");
    EXPECT_EQ(testo("Label4"), "eseguiti :");
    EXPECT_EQ(w<QPushButton>("cmd_Ok")->text(), "OK");
    EXPECT_EQ(w<QPushButton>("cmd_Annulla")->text(), "Annulla");
    for (const char* nome : {"Drive1", "Dir1", "Combo1", "File1", "List1"}) {
        SCOPED_TRACE(nome);
        bool haEtichetta = false;
        for (QLabel* l : finestra->findChildren<QLabel*>())
            haEtichetta |= l->buddy() == finestra->findChild<QWidget*>(QLatin1String(nome));
        EXPECT_TRUE(haEtichetta);
    }

    // The xls entry lists the workbooks instead.
    Scegli(combo, 1);
    ASSERT_EQ(w<QListWidget>("List1")->count(), 1);
    EXPECT_EQ(w<QListWidget>("List1")->item(0)->text(), "foglio.xls");
}

TEST_F(ImportaTest, LaCartellaScelta)
{
    QDir(cartella).mkdir(QStringLiteral("sotto"));
    scrivi("sotto/rt20240102.csv", Intestazione);
    apri();
    QTreeView* dir = w<QTreeView>("Dir1");
    auto* modello = qobject_cast<QFileSystemModel*>(dir->model());
    ASSERT_TRUE(modello);
    dir->setCurrentIndex(modello->index(QDir(cartella).filePath("sotto")));
    ASSERT_EQ(w<QListWidget>("List1")->count(), 1);
    EXPECT_EQ(w<QListWidget>("List1")->item(0)->text(), "rt20240102.csv");
}

TEST_F(ImportaTest, AnteprimaDiDueFileEMessaggioRipetuto)
{
    scrivi("a20240102.csv", Intestazione + Linea("Buy", 10, "ENI", "12.5") + Linea("Buy", 5, "TIT", "0.25"));
    scrivi("b20240103.csv", Intestazione + Linea("Sell", 4, "ENI", "13"));
    scrivi("rotto20240104.csv", Intestazione + Linea("Buy", 1, "X", "1") + "0,1,2\r\n");
    apri();
    clicca("a20240102.csv");
    clicca("b20240103.csv", Qt::ControlModifier);
    EXPECT_EQ(testo("lab_FileSelezionati"), "2");
    EXPECT_EQ(testo("lab_NumeroEseguiti"), "3");
    QTableView* grid = w<QTableView>("DBGrid1");
    ASSERT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), "Data");
    EXPECT_EQ(grid->model()->headerData(6, Qt::Horizontal).toString(), "Prezzo");
    EXPECT_EQ(grid->model()->index(2, 0).data().toString(), "03/01/2024");
    EXPECT_EQ(grid->model()->index(1, 6).data().toString(), "0,25");
    EXPECT_EQ(grid->model()->index(0, 4).data().toString(), "ND");
    EXPECT_TRUE(m.mostrati.isEmpty());

    // Every click reads the files again, so the message comes again; the good line stays.
    clicca("rotto20240104.csv");
    clicca("rotto20240104.csv");
    EXPECT_EQ(m.testi(), QStringList(2, "file di Real Tick non valido: i dati non contengono valori validi "
                                        "(rotto20240104.csv, riga 3: ha meno di 11 campi)."));
    EXPECT_EQ(testo("lab_NumeroEseguiti"), "1");
    // Nothing of the preview is written to the portfolio.
    EXPECT_EQ(a.conta("EseguitiTemp"), 0);
    EXPECT_EQ(a.conta(), 0);
}

TEST_F(ImportaTest, FileTroppoGrandeConIlSuoMessaggio)
{
    scrivi("grande20240105.csv", Intestazione + Linea("Buy", 10, "ENI", "12.5"));
    {
        QFile f(QDir(cartella).filePath("grande20240105.csv"));
        ASSERT_TRUE(f.resize(DimensioneMassimaRealTick + 1)); // sparse
    }
    apri();
    clicca("grande20240105.csv");
    EXPECT_EQ(m.testi(),
              QStringList("Il file grande20240105.csv è troppo grande per essere un file di Real Tick: "
                          "supera i 256 MB."));
    EXPECT_EQ(testo("lab_NumeroEseguiti"), "0");
}

TEST_F(ImportaTest, VociFoglioDiCalcolo)
{
    {
        AmbientePortafoglio sorgente;
        sorgente.inserisci({"2024-03-01", "Buy", "ENI", "Eni", 100, 10.5});
        const EsitoEsportazione e = EsportaExcel(sorgente.stato.DbPortafoglio, QDir(cartella).filePath("buono.xls"),
                                                 {false, true, false}, QDir(CartellaShipped()).filePath(NomeLogoExcel));
        ASSERT_TRUE(e.esito.ok());
    }
    scrivi("finto.xls", "non e' un foglio");
    scrivi("rt20240102.csv", Intestazione + Linea("Buy", 10, "ENI", "12.5"));
    apri();
    QComboBox* combo = w<QComboBox>("Combo1");
    Scegli(combo, 1);
    clicca("buono.xls");
    clicca("finto.xls");
    ASSERT_EQ(m.mostrati.size(), 2);
    EXPECT_EQ(m.mostrati[0].testo, "Data"); // A2 of the active sheet
    EXPECT_EQ(m.mostrati[1].testo, "Il file finto.xls non è una cartella di lavoro Excel leggibile.");
    EXPECT_EQ(testo("lab_NumeroEseguiti"), "0");

    // Entries 2 and 3 read nothing, whatever the files are.
    Scegli(combo, 0);
    Scegli(combo, 2);
    clicca("rt20240102.csv");
    EXPECT_EQ(testo("lab_NumeroEseguiti"), "0");
    EXPECT_EQ(m.mostrati.size(), 2);
}

TEST_F(ImportaTest, OkImportaConDomandaPerRiga)
{
    a.inserisci({"2024-01-02", "Buy", "ENI", "Eni", 100, 10});
    a.allinea();
    scrivi("rt20240103.csv", Intestazione + Linea("Sell", 150, "ENI", "11") + Linea("Sell", 10, "ENI", "11"));
    apri();
    clicca("rt20240103.csv");
    m.risposte = {Messaggi::Risposta::Si, Messaggi::Risposta::No};
    Clicca(w<QPushButton>("cmd_Ok"));

    ASSERT_EQ(m.mostrati.size(), 2);
    EXPECT_EQ(m.mostrati[0].testo, "Errore nei dati ENI disponibili solo 100 pezzi importare comunque?");
    EXPECT_EQ(m.mostrati[0].icona, Messaggi::Icona::Esclamazione);
    EXPECT_EQ(m.mostrati[0].pulsanti, Messaggi::Pulsanti::SiNo);
    EXPECT_EQ(m.mostrati[1].testo, m.mostrati[0].testo);
    EXPECT_EQ(a.conta(), 2);
    EXPECT_EQ(a.valore("SELECT Qta FROM Eseguiti WHERE ID = 2").toInt(), 150);
    EXPECT_EQ(p.chiamate, 1);
    EXPECT_FALSE(finestra->isVisible());
    EXPECT_EQ(finestra->result(), QDialog::Accepted);
}

TEST_F(ImportaTest, OkSenzaRigheChiudeSoltanto)
{
    scrivi("rt20240103.csv", Intestazione);
    apri();
    clicca("rt20240103.csv");
    Clicca(w<QPushButton>("cmd_Ok"));
    EXPECT_FALSE(finestra->isVisible());
    EXPECT_EQ(p.chiamate, 0);
    EXPECT_EQ(a.conta(), 0);
}

// Whichever way the window is left, the trade window's snapshot is the history.
TEST_F(ImportaTest, FotografiaValidaAOgniUscita)
{
    struct Caso {
        const char* nome;
        std::function<void(ImportaTest&)> esci;
    };
    const Caso casi[] = {
        {"OK", [](ImportaTest& t) { Clicca(t.w<QPushButton>("cmd_Ok")); }},
        {"Annulla", [](ImportaTest& t) { Clicca(t.w<QPushButton>("cmd_Annulla")); }},
        {"Esc", [](ImportaTest& t) { QTest::keyClick(t.finestra.get(), Qt::Key_Escape); }},
        {"chiusura", [](ImportaTest& t) { t.finestra->close(); }},
    };
    a.inserisci({"2024-01-02", "Buy", "ENI", "Eni", 100, 10});
    scrivi("rt20240103.csv", Intestazione + Linea("Buy", 5, "TIT", "2"));
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        a.allinea();
        apri();
        clicca("rt20240103.csv");
        ASSERT_EQ(testo("lab_NumeroEseguiti"), "1");
        c.esci(*this);
        EXPECT_FALSE(finestra->isVisible());
        EXPECT_EQ(a.righe("EseguitiTemp"), a.righe("Eseguiti"));
    }
    EXPECT_EQ(a.conta(), 2);
}

} // namespace
