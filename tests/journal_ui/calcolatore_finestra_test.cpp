#include "ambiente_portafoglio.h"
#include "calcolatore_finestra.h"
#include "controlli_prova.h"
#include "mdi_form1.h"
#include "messaggi_prova.h"
#include "picture_box.h"
#include "tabella_finestre.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class PrincipaleNulla : public FinestraPrincipale {
public:
    void ControlloMenu() override { ++chiamate; }
    int chiamate = 0;
};

const char* const Letture[] = {"pic_SLP", "pic_SLMM", "pic_PdP", "pic_Commissioni", "pic_GP", "pic_PercentualeGP"};

class CalcolatoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        esegui("UPDATE Settaggi SET SLP = 5, SLMM = 50");
        esegui("DELETE FROM System");
        esegui("INSERT INTO System (Cod, Descrizione, Commissioni, CommissioniMin) VALUES "
               "('S2', 'due per mille', 2, 5), ('S10', 'dieci per mille', 10, 0)");
    }

    void esegui(const QString& sql) { CartellaProva::esegui(a.stato.DbDataSet, sql); }

    void apri()
    {
        finestra = std::make_unique<Calcolatore>(contesto);
        finestra->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finestra.get()));
    }

    template <typename T> T* w(const char* nome) { return Controllo<T>(finestra.get(), nome); }

    // Replaces a box's text by typing, so that its key filter acts.
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

    // A paste from the context menu: no key filter sees it.
    void incolla(const char* nome, const QString& testo)
    {
        QLineEdit* e = w<QLineEdit>(nome);
        e->selectAll();
        e->insert(testo);
    }

    QString mostrato(const char* nome)
    {
        if (auto* l = finestra->findChild<QLabel*>(QLatin1String(nome)))
            return l->text();
        return w<PictureBox>(nome)->accessibleDescription();
    }

    // Amount and the three read-outs of a side.
    QStringList acquisto() { return {mostrato("lab_AcqImp"), mostrato("pic_SLP"), mostrato("pic_SLMM"), mostrato("pic_PdP")}; }
    QStringList vendita()
    {
        return {mostrato("lab_VndImp"), mostrato("pic_Commissioni"), mostrato("pic_GP"), mostrato("pic_PercentualeGP")};
    }

    void esempio()
    {
        scrivi("txtAcqPzo", "10");
        scrivi("txtQta", "100");
        scrivi("txtVndPzo", "11");
    }

    AmbientePortafoglio a;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    PrincipaleNulla principale;
    ContestoFinestre contesto{a.stato, messaggi, dialoghi, principale};
    std::unique_ptr<Calcolatore> finestra;
};

const QStringList Vuote = {"", "", "", ""};

} // namespace

TEST_F(CalcolatoreTest, ControlsCaptionsAndEmptyReadOutsAtLoad)
{
    apri();
    EXPECT_EQ(finestra->objectName(), "Calcolatore");
    EXPECT_EQ(finestra->windowTitle(), "Calcolatore");
    EXPECT_EQ(w<QComboBox>("DBCombo")->currentText(), "S2") << "the first system is chosen";
    EXPECT_EQ(w<QPushButton>("cmd_OK")->text(), "Esci");

    const struct {
        const char* campo;
        const char* didascalia;
    } didascalie[] = {
        {"txtAcqPzo", "Prezzo acquisto"}, {"txtQta", "Quantita'"},     {"txtVndPzo", "Prezzo vedita"},
        {"DBCombo", "Sistema"},           {"lab_AcqImp", "Importo "},  {"lab_VndImp", "Importo"},
        {"pic_SLP", "Percentual "},       {"pic_SLMM", "Money managment"}, {"pic_PdP", "Punto di pareggio"},
        {"pic_Commissioni", "Commissioni"}, {"pic_GP", "Guadagno"},   {"pic_PercentualeGP", "% Guadagno"},
    };
    const QRect finestraIntera = finestra->rect();
    for (const auto& d : didascalie) {
        SCOPED_TRACE(d.campo);
        QWidget* campo = w<QWidget>(d.campo);
        ASSERT_TRUE(campo);
        QLabel* etichetta = nullptr;
        for (QLabel* l : finestra->findChildren<QLabel*>())
            if (l->buddy() == campo)
                etichetta = l;
        ASSERT_TRUE(etichetta);
        EXPECT_EQ(etichetta->text(), QString::fromUtf8(d.didascalia));
        for (QWidget* x : {campo, static_cast<QWidget*>(etichetta)}) {
            EXPECT_TRUE(x->isVisible());
            EXPECT_TRUE(finestraIntera.contains(QRect(x->mapTo(finestra.get(), QPoint(0, 0)), x->size())))
                << x->objectName().toStdString() << " is cut at the default size";
        }
    }

    // Each read-out shows its empty field: dim cells on the dark background.
    for (const char* nome : Letture) {
        SCOPED_TRACE(nome);
        auto* box = w<PictureBox>(nome);
        EXPECT_EQ(box->BackColor(), 0x3200u);
        EXPECT_EQ(box->accessibleDescription(), "");
        EXPECT_EQ(box->disegno().pixelColor(3, 2), QColor(0, 85, 0)) << "top bar of the first dim cell";
    }
    EXPECT_EQ(acquisto(), Vuote);
    EXPECT_EQ(vendita(), Vuote);
}

TEST_F(CalcolatoreTest, WorkedExampleAndAnotherSystemLeavesTheBreakEven)
{
    apri();
    scrivi("txtAcqPzo", "10");
    scrivi("txtQta", "100");
    EXPECT_EQ(acquisto(), (QStringList{"1000", "9,5", "9,5", "10,04"}));
    EXPECT_EQ(vendita(), Vuote);

    scrivi("txtVndPzo", "11");
    EXPECT_EQ(vendita(), (QStringList{"1100", "10", "90", "9"}));
    // The read-out lights its segments.
    const QImage gp = w<PictureBox>("pic_GP")->disegno();
    bool acceso = false;
    for (int x = 0; x < gp.width() && !acceso; ++x)
        for (int y = 0; y < gp.height() && !acceso; ++y)
            acceso = gp.pixelColor(x, y) == QColor(0, 255, 0);
    EXPECT_TRUE(acceso);

    scrivi("txtVndPzo", "9,9");
    EXPECT_EQ(vendita(), (QStringList{"990", "10", "-20", "-2"}));

    // 10 per mille: 10 + 9,9 of commissions; the break-even keeps the rate of 2.
    w<QComboBox>("DBCombo")->setCurrentIndex(1);
    EXPECT_EQ(vendita(), (QStringList{"990", "19,9", "-29,9", "-3"}));
    EXPECT_EQ(mostrato("pic_PdP"), "10,04");
    scrivi("txtQta", "100");
    EXPECT_EQ(mostrato("pic_PdP"), "10,2") << "a new quantity takes the new rate";
    EXPECT_EQ(a.stato.DbDataSet.isOpen(), true);
    EXPECT_EQ(principale.chiamate, 0) << "the calculator refreshes nothing";
}

TEST_F(CalcolatoreTest, ClearingRulesAndAStaleBuyAmount)
{
    apri();
    esempio();

    // An empty buy price computes nothing on the buy side and keeps what is shown; "0" empties.
    scrivi("txtAcqPzo", "");
    EXPECT_EQ(acquisto(), (QStringList{"1000", "9,5", "9,5", "10,04"}));
    EXPECT_EQ(vendita(), (QStringList{"1100", "10", "90", "9"}));
    // The sell side works from the buy amount shown, the sell price and the quantity.
    scrivi("txtVndPzo", "12");
    EXPECT_EQ(acquisto(), (QStringList{"1000", "9,5", "9,5", "10,04"}));
    EXPECT_EQ(vendita(), (QStringList{"1200", "10", "190", "19"}));
    // A new quantity leaves the buy amount as shown, and the sell side takes both.
    scrivi("txtQta", "200");
    EXPECT_EQ(acquisto(), (QStringList{"1000", "9,5", "9,5", "10,04"}));
    EXPECT_EQ(vendita(), (QStringList{"2400", "10", "1390", "139"}));
    scrivi("txtAcqPzo", "10");
    EXPECT_EQ(acquisto(), (QStringList{"2000", "9,5", "9,75", "10,04"}));
    EXPECT_EQ(vendita(), (QStringList{"2400", "10", "390", "19"}));

    scrivi("txtAcqPzo", "0");
    EXPECT_EQ(acquisto(), Vuote);
    EXPECT_EQ(vendita(), Vuote);

    esempio();
    scrivi("txtQta", "00");
    EXPECT_EQ(acquisto(), Vuote) << "a quantity of two zeros is zero";
    EXPECT_EQ(vendita(), Vuote);

    esempio();
    scrivi("txtVndPzo", "");
    EXPECT_EQ(vendita(), (QStringList{"1100", "10", "90", "9"})) << "an empty sell price keeps";
    scrivi("txtVndPzo", "0");
    EXPECT_EQ(vendita(), Vuote);
}

TEST_F(CalcolatoreTest, FiltersAndPastesThatBypassThem)
{
    apri();
    esempio();
    // Typed: the filters keep out letters, a point and a third decimal.
    scrivi("txtAcqPzo", "1a.2,345");
    EXPECT_EQ(w<QLineEdit>("txtAcqPzo")->text(), "12,34");
    scrivi("txtQta", "1,5");
    EXPECT_EQ(w<QLineEdit>("txtQta")->text(), "15");
    esempio();

    // Pasted: not a number, so nothing is computed and nothing is lost.
    const QStringList a0 = acquisto();
    const QStringList v0 = vendita();
    for (const char* testo : {"1.000", "abc", "-5", "1e3"}) {
        SCOPED_TRACE(testo);
        incolla("txtAcqPzo", testo);
        EXPECT_EQ(acquisto(), a0);
        EXPECT_EQ(vendita(), v0);
        incolla("txtAcqPzo", "10");
        incolla("txtQta", testo);
        EXPECT_EQ(acquisto(), a0);
        EXPECT_EQ(vendita(), v0);
        incolla("txtQta", "100");
        incolla("txtVndPzo", testo);
        EXPECT_EQ(vendita(), v0);
        incolla("txtVndPzo", "11");
    }
    // A pasted price with more digits than the filter allows is still a number.
    incolla("txtAcqPzo", "10,002");
    EXPECT_EQ(acquisto(), (QStringList{"1000,2", "9,5019", "9,502", "10,042008"}));
}

TEST_F(CalcolatoreTest, UnknownOrMissingSystemLeavesResultsEmpty)
{
    apri();
    esempio();
    scrivi("DBCombo", "XYZ");
    EXPECT_EQ(w<QComboBox>("DBCombo")->currentText(), "XYZ") << "the typed text stays";
    EXPECT_EQ(vendita(), Vuote);
    scrivi("txtAcqPzo", "12");
    EXPECT_EQ(acquisto(), Vuote);
    scrivi("DBCombo", "S2");
    EXPECT_EQ(vendita(), Vuote) << "the buy side waits for a new price or quantity";
    scrivi("txtAcqPzo", "10");
    EXPECT_EQ(vendita(), (QStringList{"1100", "10", "90", "9"}));

    finestra.reset();
    esegui("DELETE FROM System");
    apri();
    EXPECT_EQ(w<QComboBox>("DBCombo")->currentText(), "");
    esempio();
    EXPECT_EQ(acquisto(), Vuote);
    EXPECT_EQ(vendita(), Vuote);
}

TEST_F(CalcolatoreTest, AFailedReadIsToldOnceAndShowsNothing)
{
    apri();
    esempio();
    esegui("DROP TABLE System");
    scrivi("txtAcqPzo", "12");
    ASSERT_EQ(messaggi.mostrati.size(), 1) << "once, not at every key";
    EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith("Errore del database")) << messaggi.testi().join("|").toStdString();
    EXPECT_EQ(messaggi.mostrati[0].icona, Messaggi::Icona::Critico);
    EXPECT_EQ(acquisto(), Vuote);
    EXPECT_EQ(vendita(), Vuote);
    EXPECT_EQ(w<QLineEdit>("txtAcqPzo")->text(), "12") << "what was typed stays";

    // Without the table at all the window still opens, and says why its list is empty.
    finestra.reset();
    messaggi.mostrati.clear();
    apri();
    ASSERT_EQ(messaggi.mostrati.size(), 1);
    EXPECT_TRUE(messaggi.mostrati[0].testo.startsWith("Errore del database"));
    EXPECT_EQ(w<QComboBox>("DBCombo")->count(), 0);
    esempio();
    EXPECT_EQ(acquisto(), Vuote);
    EXPECT_EQ(vendita(), Vuote);
}

TEST_F(CalcolatoreTest, EsciClosesTheChildWindow)
{
    QMdiArea area;
    auto* finestraCalcolatore = new Calcolatore(contesto);
    QMdiSubWindow* figlia = area.addSubWindow(finestraCalcolatore);
    figlia->setAttribute(Qt::WA_DeleteOnClose);
    area.show();
    figlia->show();
    QPointer<QMdiSubWindow> guardia(figlia);
    Clicca(finestraCalcolatore->findChild<QPushButton*>("cmd_OK"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guardia.isNull());
}

TEST_F(CalcolatoreTest, OpensFromTheMenuAndTheToolbarOfTheMainWindow)
{
    MDIForm1 mdi(a.stato, messaggi, dialoghi);
    // The start-up windows wait for the user; only the calculator matters here.
    TabellaFinestre tabella = FinestreDelProgramma();
    for (DescrittoreFinestra& d : tabella)
        if (d.nome != "Calcolatore")
            d.fabbrica = nullptr;
    mdi.impostaTabella(std::move(tabella));
    mdi.Carica();

    mdi.voce("mnu_Calcolatore")->trigger();
    auto* calcolatore = qobject_cast<Calcolatore*>(mdi.finestra("Calcolatore"));
    ASSERT_NE(calcolatore, nullptr);
    QPushButton* esci = calcolatore->findChild<QPushButton*>("cmd_OK");
    Clicca(esci);
    EXPECT_EQ(mdi.finestra("Calcolatore"), nullptr);

    QAction* pulsante = mdi.pulsante(4);
    ASSERT_TRUE(pulsante->isEnabled());
    pulsante->trigger();
    EXPECT_NE(qobject_cast<Calcolatore*>(mdi.finestra("Calcolatore")), nullptr);
    pulsante->trigger();
    EXPECT_EQ(mdi.area()->subWindowList().size(), 1) << "one calculator";
}
