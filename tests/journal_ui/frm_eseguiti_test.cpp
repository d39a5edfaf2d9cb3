#include "aggiornamento_con_replay.h"
#include "ambiente_portafoglio.h"
#include "conferma_eseguito.h"
#include "controlli_prova.h"
#include "esito_prova.h"
#include "frm_eseguiti.h"
#include "messaggi_prova.h"
#include "motore.h"
#include "numeri.h"
#include "tabella_portafoglio.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

#include <functional>
#include <map>
#include <memory>
#include <utility>

namespace {

// Does for the trade window what the main window's refresh does: rebuilds the derived
// tables when there are trades, then recomputes the window.
class PrincipaleProva : public FinestraPrincipale, public AggiornamentoConReplay {
public:
    explicit PrincipaleProva(StatoApplicazione& s) : stato(s) {}

    void ControlloMenu() override { ControlloMenuConReplay(nullptr); }

    // As the real refresh: the replay a confirmation hands on is good for this call only.
    void ControlloMenuConReplay(std::shared_ptr<RicalcoloPronto> pronto) override
    {
        ++chiamate;
        if (CartellaProva::valore(stato.DbPortafoglio, "SELECT COUNT(*) FROM Eseguiti").toLongLong() > 0) {
            EXPECT_TRUE(EsitoAccettato(RicalcolaPortafoglio(stato.DbDataSet, stato.DbPortafoglio, pronto.get())));
        }
        if (finestra)
            finestra->Main();
    }

    StatoApplicazione& stato;
    frmEseguiti* finestra = nullptr;
    int chiamate = 0;
};

class FinestraEseguitiTest : public ::testing::Test {
protected:
    // Opens the window as the portfolio commands do: after the engine has run.
    void apri()
    {
        if (a.conta() > 0) {
            ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(a.stato.DbDataSet, a.stato.DbPortafoglio)));
        }
        finestra = std::make_unique<frmEseguiti>(contesto);
        principale.finestra = finestra.get();
        finestra->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra.get()));
    }

    template <typename T> T* w(const char* nome) { return Controllo<T>(finestra.get(), nome); }

    // Replaces a box's text by typing, so that its key filter acts; an editable combo is
    // typed into through the combo, as the user does.
    void scrivi(const char* nome, const QString& testo)
    {
        if (auto* combo = finestra->findChild<QComboBox*>(QLatin1String(nome))) {
            combo->lineEdit()->selectAll();
            QTest::keyClick(combo, Qt::Key_Backspace);
            QTest::keyClicks(combo, testo);
            return;
        }
        Scrivi(w<QLineEdit>(nome), testo);
    }

    // Picks an item of a combo as the user does.
    void scegli(const char* nome, const QString& testo) { Scegli(w<QComboBox>(nome), testo); }

    // A radio button answers only on its indicator and caption.
    void modo(int id)
    {
        QAbstractButton* b = w<QButtonGroup>("Option1")->button(id);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    bool selezionato(int id) { return w<QButtonGroup>("Option1")->checkedId() == id; }
    bool abilitato(int id) { return w<QButtonGroup>("Option1")->button(id)->isEnabled(); }

    void riga(int r)
    {
        auto* g = w<QTableView>("dbg_Eseguiti");
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(r, 1)).center());
        ASSERT_EQ(g->currentIndex().row(), r);
    }

    int rigaGriglia() { return w<QTableView>("dbg_Eseguiti")->currentIndex().row(); }
    QString testo(const char* nome)
    {
        if (auto* l = finestra->findChild<QLabel*>(QLatin1String(nome)))
            return l->text();
        if (auto* c = finestra->findChild<QComboBox*>(QLatin1String(nome)))
            return c->currentText();
        return w<QLineEdit>(nome)->text();
    }

    void conferma()
    {
        auto* ok = w<QPushButton>("cmd_Ok");
        ASSERT_TRUE(ok && ok->isEnabled());
        Clicca(ok);
    }

    // A buy typed into the panel in "Nuovo".
    void scriviAcquisto(const QString& cod, const QString& titolo, const QString& qta, const QString& prezzo)
    {
        scrivi("txt_Codice", cod);
        scrivi("txt_Titolo", titolo);
        scrivi("txtQta", qta);
        scrivi("txtPrezzo", prezzo);
    }

    AmbientePortafoglio a;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    PrincipaleProva principale{a.stato};
    ContestoFinestre contesto{a.stato, messaggi, dialoghi, principale};
    std::unique_ptr<frmEseguiti> finestra;
};

} // namespace

TEST_F(FinestraEseguitiTest, EmptyHistoryOffersOnlyANewBuy)
{
    apri();
    EXPECT_EQ(finestra->objectName(), "frmEseguiti");
    EXPECT_EQ(finestra->windowTitle(), "Eseguiti");
    EXPECT_TRUE(selezionato(frmEseguiti::IdNuovo));
    EXPECT_FALSE(abilitato(frmEseguiti::IdModifica));
    EXPECT_FALSE(abilitato(frmEseguiti::IdElimina));
    EXPECT_EQ(testo("lab_TotaleEseguiti"), "0");
    auto* tipo = w<QComboBox>("cmb_Tipo");
    ASSERT_EQ(tipo->count(), 1);
    EXPECT_EQ(tipo->itemText(0), "Buy");
    EXPECT_EQ(testo("dbc_System"), "WEB");
    EXPECT_EQ(testo("dbc_Errore"), "NE");
    EXPECT_EQ(w<QDateEdit>("dtp_Data")->date(), QDate::currentDate());
    EXPECT_FALSE(w<QPushButton>("cmd_Ok")->isEnabled());

    auto* griglia = w<QTableView>("dbg_Eseguiti");
    EXPECT_TRUE(griglia->isColumnHidden(0));
    const QStringList didascalie = {"Data", "Tipo", "Sistema", "Codice", "Titolo", "Quantita'", "Prezzo",
                                    "Importo", "Errore", "Prezzo Ottimale"};
    for (int i = 0; i < didascalie.size(); ++i)
        EXPECT_EQ(griglia->model()->headerData(i + 1, Qt::Horizontal).toString(), didascalie[i]);
    EXPECT_EQ(griglia->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(griglia->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(FinestraEseguitiTest, NewBuyThenSellOfTheHeldQuantity)
{
    apri();
    scriviAcquisto("ENI", "Eni spa", "100", "12,5");
    EXPECT_EQ(testo("lab_Importo"), "1250");
    conferma();
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
    ASSERT_EQ(a.conta(), 1);
    const QString oggi = QDate::currentDate().toString("yyyy-MM-dd");
    EXPECT_EQ(a.righe().first().mid(1),
              (QVariantList{oggi, "Buy", "WEB", "ENI", "Eni spa", 100, 12.5, 1250.0, "NE", 12.5}));
    EXPECT_EQ(testo("lab_TotaleEseguiti"), "1");
    EXPECT_EQ(principale.chiamate, 1);
    EXPECT_EQ(rigaGriglia(), 0);
    // The panel is ready for the next trade.
    EXPECT_TRUE(testo("txt_Codice").isEmpty());

    // The position now held can be sold: the combos name it and propose its quantity.
    ASSERT_EQ(w<QComboBox>("cmb_Tipo")->count(), 2);
    scegli("cmb_Tipo", "Sell");
    EXPECT_TRUE(w<QComboBox>("cmb_Codice")->isVisible());
    EXPECT_FALSE(w<QLineEdit>("txt_Codice")->isVisible());
    EXPECT_EQ(testo("cmb_Codice"), "ENI");
    EXPECT_EQ(testo("cmb_Titolo"), "Eni spa");
    EXPECT_EQ(testo("txtQta"), "100");
    scrivi("txtQta", "40");
    scrivi("txtPrezzo", "13");
    conferma();
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
    ASSERT_EQ(a.conta(), 2);
    EXPECT_EQ(a.righe().last().mid(1), (QVariantList{oggi, "Sell", "WEB", "ENI", "Eni spa", 40, 13.0, 520.0, "NE", 13.0}));
    EXPECT_EQ(rigaGriglia(), 1);  // the new trade
    EXPECT_EQ(a.valore("SELECT Qta FROM Portafoglio WHERE Cod = 'ENI'").toLongLong(), 60);
}

// The trade date as the user types it into "Data", over the date the field shows.
TEST_F(FinestraEseguitiTest, TheDateTypedIsTheTradeDate)
{
    apri();
    const struct {
        const char* tasti;
        const char* data;
    } casi[] = {
        {"12/01/2026", "2026-01-12"}, {"1/2/2026", "2026-02-01"}, {"01/02/26", "2026-02-01"}, {"12012026", "2026-01-12"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.tasti);
        auto* data = w<QDateEdit>("dtp_Data");
        data->setFocus(Qt::TabFocusReason);
        data->selectAll();
        QTest::keyClicks(data, QString::fromLatin1(c.tasti));
        scriviAcquisto("ENI", "Eni spa", "10", "12,5");
        conferma();
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
        EXPECT_EQ(a.valore("SELECT Data FROM Eseguiti ORDER BY ID DESC LIMIT 1").toString(), c.data);
    }
    EXPECT_EQ(a.conta(), 4);

    // A day February has not is refused, and nothing is written.
    auto* data = w<QDateEdit>("dtp_Data");
    data->setFocus(Qt::TabFocusReason);
    data->selectAll();
    QTest::keyClicks(data, "30/02/2026");
    scriviAcquisto("ENI", "Eni spa", "10", "12,5");
    conferma();
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith("\"30/02/2026\" non è una data")) << messaggi.mostrati[0].testo.toStdString();
    EXPECT_EQ(a.conta(), 4);
    EXPECT_EQ(data->findChild<QLineEdit*>()->text(), "30/02/2026");
    EXPECT_EQ(testo("txt_Codice"), "ENI");
}

TEST_F(FinestraEseguitiTest, SellingMoreThanHeldIsRefused)
{
    a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
    apri();
    const auto prima = a.righe();
    scegli("cmb_Tipo", "Sell");
    EXPECT_EQ(testo("txtQta"), "100");
    scrivi("txtQta", "150");
    scrivi("txtPrezzo", "13");
    conferma();
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].testo, "Impossibile inserire : ENI disponibili solo 100 pezzi");
    EXPECT_EQ(messaggi.mostrati[0].icona, Messaggi::Icona::Esclamazione);
    EXPECT_EQ(messaggi.mostrati[0].titolo, "Brunivox");
    EXPECT_EQ(a.righe(), prima);
    EXPECT_EQ(a.righe("EseguitiTemp"), prima);
    EXPECT_EQ(principale.chiamate, 1);  // refused or not, the windows are refreshed
}

TEST_F(FinestraEseguitiTest, DeletingABuyThatALaterSellNeedsIsRefused)
{
    a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
    a.inserisci({"2024-02-10", "Sell", "ENI", "Eni", 100, 13});
    apri();
    const auto prima = a.righe();
    riga(1);
    EXPECT_EQ(testo("lab_RowSelect"), "2");
    riga(0);
    modo(frmEseguiti::IdElimina);
    EXPECT_TRUE(w<QPushButton>("cmd_Ok")->isEnabled());
    EXPECT_FALSE(w<QLineEdit>("txtQta")->isEnabled());
    EXPECT_EQ(testo("txtQta"), "100");
    conferma();
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].testo, "Impossibile eliminare ENI non e' in portafoglio in data: 10/02/2024");
    EXPECT_EQ(messaggi.mostrati[0].icona, Messaggi::Icona::Esclamazione);
    EXPECT_EQ(a.righe(), prima);
    // The same trade is shown again.
    EXPECT_EQ(rigaGriglia(), 0);
    EXPECT_EQ(finestra->RigaCorrente, 0);
    EXPECT_TRUE(selezionato(frmEseguiti::IdElimina));
    EXPECT_EQ(testo("txt_Codice"), "ENI");
    EXPECT_EQ(testo("cmb_Tipo"), "Buy");
}

TEST_F(FinestraEseguitiTest, MovingABuyAfterItsSellIsRefusedAndTheRenameUndone)
{
    a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
    a.inserisci({"2024-02-10", "Sell", "ENI", "Eni", 100, 13});
    apri();
    const auto prima = a.righe();
    riga(0);
    modo(frmEseguiti::IdModifica);
    EXPECT_EQ(testo("txt_Titolo"), "Eni");
    EXPECT_EQ(testo("txtPrezzo"), "12,5");
    scrivi("txt_Titolo", "Eni spa");
    w<QDateEdit>("dtp_Data")->setDate(QDate(2024, 3, 1));
    conferma();
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_EQ(messaggi.mostrati[0].testo, "Impossibile modificare ENI non e' in portafoglio in data: 10/02/2024");
    EXPECT_EQ(a.righe(), prima);
    EXPECT_EQ(a.valore("SELECT COUNT(*) FROM Eseguiti WHERE Titolo = 'Eni spa'").toInt(), 0);
}

TEST_F(FinestraEseguitiTest, ChangingOnlyTheNameRenamesEveryTradeOfTheCode)
{
    a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
    const qint64 secondo = a.inserisci({"2024-01-20", "Buy", "ENI", "Eni", 50, 12.75, "EA"});
    a.inserisci({"2024-01-30", "Buy", "ENEL", "Enel", 10, 6});
    apri();
    const auto prima = a.righe();
    riga(1);
    modo(frmEseguiti::IdModifica);
    EXPECT_EQ(testo("dbc_Errore"), "EA");
    EXPECT_EQ(testo("txtPzoOttimale"), "12,75");
    scrivi("txt_Titolo", "Eni spa");
    conferma();
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
    EXPECT_EQ(a.valore("SELECT COUNT(*) FROM Eseguiti WHERE Cod = 'ENI' AND Titolo = 'Eni spa'").toInt(), 2);
    EXPECT_EQ(a.valore("SELECT Titolo FROM Eseguiti WHERE Cod = 'ENEL'").toString(), "Enel");
    // Nothing else of the changed trade moved.
    auto atteso = prima[1];
    atteso[5] = "Eni spa";
    EXPECT_EQ(a.righe()[1], atteso);
    EXPECT_EQ(a.righe()[1][0].toLongLong(), secondo);
    EXPECT_EQ(rigaGriglia(), 1);
    EXPECT_TRUE(selezionato(frmEseguiti::IdModifica));
}

TEST_F(FinestraEseguitiTest, NoErrorMeansNoOptimalPriceOfItsOwn)
{
    struct Caso {
        const char* errore;
        const char* ottimale;
        bool abilitato;
        double memorizzato;
    };
    const Caso casi[] = {
        {"NE", "", false, 12.5},
        {"EA", "11,75", true, 11.75},
        {"EA", "", true, 12.5},
    };
    apri();
    auto* ottimale = w<QLineEdit>("txtPzoOttimale");
    for (const Caso& k : casi) {
        // Leaving a code with an optimal price for "NE" takes the price away.
        scegli("dbc_Errore", "UA");
        scrivi("txtPzoOttimale", "99");
        scegli("dbc_Errore", k.errore);
        EXPECT_EQ(ottimale->isEnabled(), k.abilitato) << k.errore;
        EXPECT_EQ(w<QLabel>("lab_PzoOttimale")->isEnabled(), k.abilitato);
        EXPECT_EQ(ottimale->text(), k.abilitato ? "99" : "");
        scrivi("txtPzoOttimale", k.ottimale);
        if (!k.abilitato) {
            EXPECT_TRUE(ottimale->text().isEmpty());
        }
        scriviAcquisto("ENI", "Eni", "10", "12,5");
        conferma();
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
        EXPECT_DOUBLE_EQ(a.valore("SELECT PrezzoOttimale FROM Eseguiti ORDER BY ID DESC LIMIT 1").toDouble(),
                         k.memorizzato)
            << k.errore << " " << k.ottimale;
    }
    // Typing the code works like choosing it.
    scrivi("dbc_Errore", "UA");
    EXPECT_TRUE(ottimale->isEnabled());
    scrivi("dbc_Errore", "NE");
    EXPECT_FALSE(ottimale->isEnabled());
}

TEST_F(FinestraEseguitiTest, ConfirmationNeedsSystemCodeNameQuantityAndPrice)
{
    struct Caso {
        const char* system;
        const char* cod;
        const char* titolo;
        const char* qta;
        const char* prezzo;
        bool abilitato;
    };
    const Caso casi[] = {
        {"WEB", "ENI", "Eni", "10", "12,5", true},
        {"WEB", "ENI", "Eni", "10", ",", true},  // passes here, refused on confirmation
        {"WEB", "ENI", "Eni", "10", "0,5", true},
        {"", "ENI", "Eni", "10", "12", false},
        {"WEB", "", "Eni", "10", "12", false},
        {"WEB", "ENI", "", "10", "12", false},
        {"WEB", "ENI", "Eni", "", "12", false},
        {"WEB", "ENI", "Eni", "0", "12", false},
        {"WEB", "ENI", "Eni", "10", "", false},
        {"WEB", "ENI", "Eni", "10", "0", false},
    };
    a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
    apri();
    auto* ok = w<QPushButton>("cmd_Ok");
    for (const int m : {frmEseguiti::IdNuovo, frmEseguiti::IdModifica}) {
        modo(m);
        for (const Caso& k : casi) {
            scrivi("dbc_System", k.system);
            scriviAcquisto(k.cod, k.titolo, k.qta, k.prezzo);
            EXPECT_EQ(ok->isEnabled(), k.abilitato)
                << m << ": " << k.system << "|" << k.cod << "|" << k.titolo << "|" << k.qta << "|" << k.prezzo;
        }
    }
    // Deleting needs nothing typed.
    modo(frmEseguiti::IdElimina);
    EXPECT_TRUE(ok->isEnabled());
}

// With no trading system in the settings the grey button says why.
TEST_F(FinestraEseguitiTest, NoTradingSystemIsSaidWhereConfirmationWaits)
{
    QSqlQuery q(a.stato.DbDataSet);
    ASSERT_TRUE(q.exec(QStringLiteral("DELETE FROM System")));
    apri();
    auto* ok = w<QPushButton>("cmd_Ok");
    auto* system = w<QComboBox>("dbc_System");
    scriviAcquisto("ENI", "Eni", "10", "12,5");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(system->lineEdit()->placeholderText(), "nessun sistema");
    EXPECT_EQ(ok->toolTip(),
              "Non c'è nessun sistema di trading: crearne uno in Parametri iniziali per poter "
              "confermare un eseguito.");

    // A system made in the meantime is there at the next refresh, and the hint goes.
    ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO System (Cod, Descrizione, Commissioni, CommissioniMin) "
                                      "VALUES ('WEB', 'Web', 1, 1)")));
    finestra->Main();
    EXPECT_TRUE(system->lineEdit()->placeholderText().isEmpty());
    EXPECT_TRUE(ok->toolTip().isEmpty());
}

TEST_F(FinestraEseguitiTest, DeletingTheOnlyTradeLeavesOnlyNuovo)
{
    a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
    apri();
    EXPECT_TRUE(abilitato(frmEseguiti::IdElimina));
    modo(frmEseguiti::IdElimina);
    conferma();
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
    EXPECT_EQ(a.conta(), 0);
    EXPECT_EQ(a.conta("EseguitiTemp"), 0);
    // Nothing is held any more, so nothing can be sold.
    EXPECT_EQ(a.conta("Portafoglio"), 0);
    EXPECT_EQ(w<QComboBox>("cmb_Tipo")->count(), 1);
    EXPECT_FALSE(w<QPushButton>("cmd_Ok")->isEnabled());
    EXPECT_TRUE(selezionato(frmEseguiti::IdNuovo));
    EXPECT_FALSE(abilitato(frmEseguiti::IdModifica));
    EXPECT_FALSE(abilitato(frmEseguiti::IdElimina));
    EXPECT_EQ(testo("lab_TotaleEseguiti"), "0");
}

TEST_F(FinestraEseguitiTest, SellCombosListTheHeldSecuritiesTogether)
{
    a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
    a.inserisci({"2024-01-11", "Buy", "ENEL", "Enel", 50, 6});
    apri();
    const auto posizioni = LeggiPortafoglio(a.stato.DbPortafoglio).righe;
    ASSERT_EQ(posizioni.size(), 2);
    std::map<QString, QString> quantita{{"ENI", "100"}, {"ENEL", "50"}};
    scegli("cmb_Tipo", "Sell");
    auto* codici = w<QComboBox>("cmb_Codice");
    auto* titoli = w<QComboBox>("cmb_Titolo");
    ASSERT_EQ(codici->count(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(codici->itemText(i), posizioni[i].Cod);
        EXPECT_EQ(titoli->itemText(i), posizioni[i].Titolo);
    }
    EXPECT_EQ(codici->currentIndex(), 0);
    EXPECT_EQ(testo("txtQta"), quantita[codici->currentText()]);

    scegli("cmb_Codice", posizioni[1].Cod);
    EXPECT_EQ(titoli->currentText(), posizioni[1].Titolo);
    EXPECT_EQ(testo("txtQta"), quantita[posizioni[1].Cod]);
    scegli("cmb_Titolo", posizioni[0].Titolo);
    EXPECT_EQ(codici->currentText(), posizioni[0].Cod);
    EXPECT_EQ(testo("txtQta"), quantita[posizioni[0].Cod]);

    scegli("cmb_Tipo", "Buy");
    EXPECT_TRUE(w<QLineEdit>("txt_Codice")->isVisible());
    EXPECT_FALSE(codici->isVisible());
    EXPECT_TRUE(testo("txtQta").isEmpty());
}

TEST_F(FinestraEseguitiTest, ChangedSellKeepsItsOwnSecurityFirst)
{
    a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
    a.inserisci({"2024-01-20", "Sell", "ENI", "Eni", 100, 13});
    a.inserisci({"2024-01-30", "Buy", "ENEL", "Enel", 10, 6});
    apri();
    int altri = 0;
    for (const auto& p : LeggiPortafoglio(a.stato.DbPortafoglio).righe)
        altri += p.Cod != "ENI";
    riga(1);
    modo(frmEseguiti::IdModifica);
    auto* codici = w<QComboBox>("cmb_Codice");
    EXPECT_TRUE(codici->isVisible());
    EXPECT_EQ(testo("cmb_Tipo"), "Sell");
    ASSERT_EQ(codici->count(), 1 + altri);
    EXPECT_EQ(codici->itemText(0), "ENI");
    EXPECT_EQ(codici->currentText(), "ENI");
    EXPECT_EQ(testo("txtQta"), "100");
}

TEST_F(FinestraEseguitiTest, InputTheFiltersLetThroughIsRefusedBeforeWriting)
{
    struct Caso {
        const char* nome;
        std::function<void()> prepara;
        const char* frammento;
    };
    const Caso casi[] = {
        {"comma alone", [&] { scrivi("txtPrezzo", ","); }, "\",\" non è un numero valido"},
        {"pasted point", [&] { w<QLineEdit>("txtPrezzo")->clear(); w<QLineEdit>("txtPrezzo")->insert("12.5"); },
         "\"12.5\" non è un numero valido"},
        {"pasted letters", [&] { w<QLineEdit>("txtQta")->clear(); w<QLineEdit>("txtQta")->insert("1O"); }, "quantità"},
        {"pasted huge quantity", [&] { w<QLineEdit>("txtQta")->clear(); w<QLineEdit>("txtQta")->insert("1E+20"); },
         "quantità"},
        {"quote in error code", [&] { scrivi("dbc_Errore", "E'"); }, "apici"},
        {"long error code", [&] { scrivi("dbc_Errore", "EAX"); }, "al massimo 2"},
        {"optimal comma", [&] { scegli("dbc_Errore", "EA"); scrivi("txtPzoOttimale", ","); }, "prezzo ottimale"},
        {"pasted formula as the name",
         [&] {
             w<QLineEdit>("txt_Titolo")->clear();
             w<QLineEdit>("txt_Titolo")->insert("=1+2");
         },
         "\"=1+2\" non può cominciare con =, +, - o @"},
        {"pasted system with a tab", [&] { w<QComboBox>("dbc_System")->lineEdit()->setText("W\tB"); },
         "Il sistema non può contenere caratteri di controllo"},
    };
    apri();
    for (const Caso& k : casi) {
        messaggi.mostrati.clear();
        modo(frmEseguiti::IdNuovo);
        scriviAcquisto("ENI", "Eni", "10", "12");
        k.prepara();
        const QString prezzo = testo("txtPrezzo");
        conferma();
        ASSERT_EQ(messaggi.mostrati.size(), 1) << k.nome;
        EXPECT_TRUE(messaggi.mostrati[0].testo.contains(QString::fromUtf8(k.frammento)))
            << messaggi.mostrati[0].testo.toStdString();
        EXPECT_EQ(messaggi.mostrati[0].icona, Messaggi::Icona::Esclamazione);
        EXPECT_EQ(a.conta(), 0) << k.nome;
        EXPECT_EQ(principale.chiamate, 0) << k.nome;
        // The panel keeps what was typed, to be corrected.
        EXPECT_EQ(testo("txtPrezzo"), prezzo) << k.nome;
        EXPECT_EQ(testo("txt_Codice"), "ENI") << k.nome;
    }
}

TEST_F(FinestraEseguitiTest, CurrentRowOutsideTheGridShowsTheNearestEnd)
{
    a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
    a.inserisci({"2024-01-20", "Buy", "ENEL", "Enel", 10, 6});
    a.inserisci({"2024-01-30", "Buy", "A2A", "A2a", 10, 2});
    apri();
    struct Caso {
        double riga;
        int mostrata;
    };
    for (const Caso k : {Caso{-4, 0}, Caso{1, 1}, Caso{2, 2}, Caso{3, 2}, Caso{7, 2}}) {
        finestra->RigaCorrente = k.riga;
        finestra->Main();
        EXPECT_EQ(rigaGriglia(), k.mostrata) << k.riga;
        EXPECT_EQ(finestra->RigaCorrente, k.mostrata) << k.riga;
        EXPECT_EQ(testo("lab_RowSelect"), QString::number(k.mostrata + 1)) << k.riga;
    }
    EXPECT_EQ(testo("lab_TotaleEseguiti"), "3");
}

TEST_F(FinestraEseguitiTest, KeyFiltersOfTheFields)
{
    apri();
    struct Caso {
        const char* nome;
        const char* battuto;
        const char* atteso;
    };
    const Caso casi[] = {
        {"txtPrezzo", "123456,789-.", "12345,78"},
        {"txtPzoOttimale", "1,2,3", "1,23"},
        {"txtQta", "1,5000000000", "15000000"},
        {"txt_Codice", "EN'I-1", "ENI1"},
        {"txt_Codice", "=1+2@-x", "12x"},
        {"txt_Titolo", "L'oro (spa)", "Loro spa"},
        {"txt_Titolo", "@Eni", "Eni"},
        {"dbc_System", "W'E=B", "WEB"},
        {"dbc_System", "+-@=W", "W"},
    };
    scegli("dbc_Errore", "EA");
    for (const Caso& k : casi) {
        scrivi(k.nome, k.battuto);
        EXPECT_EQ(testo(k.nome), k.atteso) << k.nome;
    }
}

TEST_F(FinestraEseguitiTest, ResizeKeepsThePanelUnderTheGrid)
{
    apri();
    auto* griglia = w<QTableView>("dbg_Eseguiti");
    auto* pannello = w<QGroupBox>("Frame1");
    finestra->resize(900, 600);
    EXPECT_EQ(finestra->width(), 711);
    EXPECT_EQ(griglia->height(), 600 - 147);
    EXPECT_EQ(pannello->y(), 600 - 147);
    EXPECT_EQ(griglia->x(), (711 - griglia->width()) / 2);
    EXPECT_EQ(pannello->x(), (711 - pannello->width()) / 2);
    // Too low a window leaves the grid as it was.
    finestra->resize(711, 140);
    EXPECT_EQ(griglia->height(), 600 - 147);

    // Inside the MDI area a maximised window keeps the area's width.
    QMdiArea area;
    area.resize(1100, 700);
    QMdiSubWindow* sotto = area.addSubWindow(finestra.get());
    area.show();
    finestra->show();
    sotto->showMaximized();
    EXPECT_GT(finestra->width(), 711);
    sotto->showNormal();
    sotto->resize(1000, 500);
    EXPECT_EQ(finestra->width(), 711);
    finestra->setParent(nullptr);
}
// At the window's default size no control of the panel is smaller than it needs or covers
// another (the date's calendar button stays clear of the Buy/Sell combo), and every column
// of the grid is as wide as its caption.
TEST_F(FinestraEseguitiTest, EveryControlShowsWholeAtTheDefaultSize)
{
    a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
    a.inserisci({"2024-01-11", "Sell", "ENI", "Eni", 50, 13.5});
    apri();
    auto* pannello = w<QGroupBox>("Frame1");
    for (const int id : {frmEseguiti::IdNuovo, frmEseguiti::IdModifica}) {
        modo(id);
        SCOPED_TRACE(id);
        QList<QWidget*> controlli;
        for (QWidget* c : pannello->findChildren<QWidget*>())
            if (c->isVisible() && !c->objectName().isEmpty() && !c->objectName().startsWith("qt_"))
                controlli.append(c);
        ASSERT_GE(controlli.size(), 20);
        for (QWidget* c : controlli) {
            const QString nome = c->objectName();
            const QSize minimo = c->minimumSizeHint().expandedTo(c->minimumSize());
            EXPECT_GE(c->width(), minimo.width()) << nome.toStdString();
            EXPECT_GE(c->height(), minimo.height()) << nome.toStdString();
            const QRect inPannello(c->mapTo(pannello, QPoint(0, 0)), c->size());
            EXPECT_TRUE(pannello->rect().contains(inPannello)) << nome.toStdString();
            for (QWidget* altro : controlli) {
                if (altro != c && altro->parentWidget() == c->parentWidget()) {
                    EXPECT_FALSE(c->geometry().intersects(altro->geometry()))
                        << nome.toStdString() << " covers " << altro->objectName().toStdString();
                }
            }
        }
    }
    QHeaderView* colonne = w<QTableView>("dbg_Eseguiti")->horizontalHeader();
    for (int c = 1; c < colonne->count(); ++c)
        EXPECT_GE(colonne->sectionSize(c), colonne->sectionSizeHint(c))
            << colonne->model()->headerData(c, Qt::Horizontal).toString().toStdString();
}

// A stored trade opened in "Modifica" is confirmed as the panel shows it: a price in the
// exponent form, a quantity of more than 8 digits, an error code the catalogue no longer has.
TEST_F(FinestraEseguitiTest, StoredTradesAreTakenBackAsShown)
{
    struct Caso {
        Eseguito eseguito;
        const char* prezzo;   // as the panel shows it
        const char* qta;
    };
    const Caso casi[] = {
        {{"2024-01-10", "Buy", "ENI", "Eni", 1, 3e20}, "3E+20", "1"},
        {{"2024-01-10", "Buy", "ENI", "Eni", 123456789, 2}, "2", "123456789"},
        {{"2024-01-10", "Buy", "ENI", "Eni", 10, 2, "ZZ"}, "2", "10"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.prezzo);
        CartellaProva::esegui(a.stato.DbPortafoglio, "DELETE FROM Eseguiti");
        const qint64 id = a.inserisci(k.eseguito);
        messaggi.mostrati.clear();
        apri();
        modo(frmEseguiti::IdModifica);
        EXPECT_EQ(testo("txtPrezzo"), k.prezzo);
        EXPECT_EQ(testo("txtQta"), k.qta);
        conferma();
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
        EXPECT_EQ(a.valore(QString("SELECT Qta FROM Eseguiti WHERE ID = %1").arg(id)).toLongLong(), k.eseguito.qta);
        EXPECT_EQ(a.valore(QString("SELECT Errore FROM Eseguiti WHERE ID = %1").arg(id)).toString(), k.eseguito.errore);
    }
}

// The grid takes a confirmed change without reading the history again: after every kind of
// change, accepted or refused, it shows exactly what a window opened afresh shows.
TEST_F(FinestraEseguitiTest, GridAfterEachConfirmationIsTheSnapshot)
{
    a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
    a.inserisci({"2024-02-10", "Sell", "ENI", "Eni", 40, 13});
    a.inserisci({"2024-03-10", "Buy", "ENEL", "Enel", 50, 6});
    apri();
    const auto celle = [](const QAbstractItemModel& m) {
        QStringList testi;
        for (int r = 0; r < m.rowCount(); ++r)
            for (int c = 0; c < m.columnCount(); ++c)
                testi << m.data(m.index(r, c)).toString();
        return testi;
    };
    // Read without writing, so that the window's next step is not disturbed.
    const auto comeNuova = [&](const char* passo) {
        SCOPED_TRACE(passo);
        EXPECT_TRUE(messaggi.mostrati.isEmpty() || QString(passo).startsWith("rifiutata"))
            << messaggi.testi().join("|").toStdString();
        messaggi.mostrati.clear();
        EXPECT_EQ(a.righe("EseguitiTemp"), a.righe());
        auto fotografia = eseguiti::LeggiFotografia(a.stato.DbPortafoglio);
        ASSERT_TRUE(fotografia.ok());
        ModelloEseguiti atteso;
        atteso.imposta(std::move(fotografia.righe));
        EXPECT_EQ(celle(*w<QTableView>("dbg_Eseguiti")->model()), celle(atteso));
        EXPECT_EQ(w<QLabel>("lab_TotaleEseguiti")->text(), numeri::TestoNumero(atteso.rowCount()));
    };

    // A buy dated before every trade goes first.
    w<QDateEdit>("dtp_Data")->setDate(QDate(2023, 12, 1));
    scriviAcquisto("A2A", "A2a", "10", "2");
    conferma();
    EXPECT_EQ(rigaGriglia(), 0);
    comeNuova("nuovo in testa");

    // A change of date and name moves the trade and renames every trade of its code.
    modo(frmEseguiti::IdModifica);
    riga(1);
    w<QDateEdit>("dtp_Data")->setDate(QDate(2024, 1, 5));
    scrivi("txt_Titolo", "Eni spa");
    conferma();
    comeNuova("modifica con nuovo nome");

    // A sell beyond the holding is refused and the grid stays as it was.
    modo(frmEseguiti::IdNuovo);
    w<QDateEdit>("dtp_Data")->setDate(QDate(2024, 3, 11));
    w<QComboBox>("cmb_Tipo")->setCurrentIndex(1);
    Q_EMIT w<QComboBox>("cmb_Tipo")->activated(1);
    scegli("cmb_Codice", "ENEL");
    scrivi("txtQta", "60");
    scrivi("txtPrezzo", "6");
    conferma();
    comeNuova("rifiutata");

    modo(frmEseguiti::IdElimina);
    riga(3);
    conferma();
    comeNuova("eliminazione");

    // Written behind the window's back: the next refresh reads everything again.
    a.inserisci({"2024-04-01", "Buy", "ENEL", "Enel", 5, 6});
    finestra->Main();
    comeNuova("scritto da altri");
    // A window opened afresh lists the same.
    PrincipaleProva altra(a.stato);
    ContestoFinestre c{a.stato, messaggi, dialoghi, altra};
    frmEseguiti nuova(c);
    EXPECT_EQ(celle(*w<QTableView>("dbg_Eseguiti")->model()),
              celle(*nuova.findChild<QTableView*>("dbg_Eseguiti")->model()));
}

// The keyboard path of a user who deletes or changes a trade: the mode, the grid's first row
// made current with Ctrl+Home, Tab on through the panel to "Conferma", Space. Only the row the
// user made current changes, and the focus stays on the mode, not in the grid.
TEST_F(FinestraEseguitiTest, KeyboardPathActsOnTheRowMadeCurrent)
{
    struct Caso {
        const char* nome;
        int modo;
        // What the user types on the way to "Conferma".
        std::function<void()> lungoIlPercorso;
        // The history afterwards, from the one before.
        std::function<QList<QVariantList>(QList<QVariantList>)> atteso;
    };
    const Caso casi[] = {
        {"Elimina", frmEseguiti::IdElimina, [] {},
         [](QList<QVariantList> prima) {
             prima.removeFirst();
             return prima;
         }},
        {"Modifica", frmEseguiti::IdModifica,
         [this] {
             auto* prezzo = w<QLineEdit>("txtPrezzo");
             ASSERT_TRUE(PremiFinoA(prezzo));
             Scrivi(prezzo, "12,5");
         },
         [](QList<QVariantList> prima) {
             prima[0][7] = 12.5;  // Prezzo
             prima[0][8] = 1250.0; // Importo
             prima[0][10] = 12.5;  // PrezzoOttimale, for a trade without error
             return prima;
         }},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        CartellaProva::esegui(a.stato.DbPortafoglio, "DELETE FROM Eseguiti");
        // Twenty buys, AAA the first by date.
        for (int i = 0; i < 20; ++i) {
            const QString cod(3, QChar('A' + i));
            a.inserisci({QDate(2024, 1, 1).addDays(i).toString(Qt::ISODate), "Buy", cod, cod, 100, 10 + i});
        }
        const auto prima = a.righe();
        messaggi.mostrati.clear();
        apri();
        Attiva(finestra.get());
        modo(k.modo);
        riga(2);
        ASSERT_EQ(testo("txt_Codice"), "CCC");
        ASSERT_EQ(QApplication::focusWidget(), w<QTableView>("dbg_Eseguiti"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ControlModifier);
        ASSERT_EQ(rigaGriglia(), 0);
        ASSERT_EQ(testo("txt_Codice"), "AAA");
        k.lungoIlPercorso();
        auto* ok = w<QPushButton>("cmd_Ok");
        ASSERT_TRUE(PremiFinoA(ok));
        QTest::keyClick(ok, Qt::Key_Space);
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
        EXPECT_EQ(a.righe(), k.atteso(prima));
        EXPECT_EQ(QApplication::focusWidget(), w<QButtonGroup>("Option1")->button(k.modo));
        principale.finestra = nullptr;
        finestra.reset();
    }
}

// After a new trade the focus is on the first field, ready for the next one.
TEST_F(FinestraEseguitiTest, AfterANewTradeTheFocusIsOnTheDate)
{
    a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
    apri();
    Attiva(finestra.get());
    scriviAcquisto("ENEL", "Enel", "10", "6");
    auto* ok = w<QPushButton>("cmd_Ok");
    ASSERT_TRUE(PremiFinoA(ok));
    QTest::keyClick(ok, Qt::Key_Space);
    EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
    EXPECT_EQ(a.conta(), 2);
    EXPECT_EQ(QApplication::focusWidget(), w<QDateEdit>("dtp_Data"));
}

// An imported trade may spell its type in any case; the engine reads it by its upper case, and
// so does the panel: the trade can be changed as it stands, and stays the kind it was.
TEST_F(FinestraEseguitiTest, ATypeInAnyCaseIsTakenAsBuyOrSell)
{
    struct Caso {
        const char* tipo;
        const char* mostrato;
        bool combo; // a sell names its security from the combos
    };
    const Caso casi[] = {{"BUY", "Buy", false}, {"buy", "Buy", false}, {"SELL", "Sell", true}, {"sell", "Sell", true}};
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.tipo);
        CartellaProva::esegui(a.stato.DbPortafoglio, "DELETE FROM Eseguiti");
        a.inserisci({"2024-01-10", "Buy", "ENI", "Eni", 100, 12.5});
        const qint64 id = a.inserisci({"2024-02-10", k.tipo, "ENI", "Eni", 40, 13});
        auto atteso = a.righe();
        atteso[1][2] = k.mostrato;
        messaggi.mostrati.clear();
        apri();
        modo(frmEseguiti::IdModifica);
        riga(1);
        EXPECT_EQ(testo("cmb_Tipo"), k.mostrato);
        EXPECT_EQ(w<QComboBox>("cmb_Codice")->isVisible(), k.combo);
        EXPECT_EQ(w<QComboBox>("cmb_Tipo")->count(), 2) << "the type list keeps its two entries";
        conferma();
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
        EXPECT_EQ(a.righe(), atteso);
        EXPECT_EQ(a.valore(QString("SELECT Tipo FROM Eseguiti WHERE ID = %1").arg(id)).toString(), k.mostrato);
        principale.finestra = nullptr;
        finestra.reset();
    }
}
