// The real main window with the real table of windows: every window that has landed is
// opened through its menu entry, a trade is confirmed in the real trade window, and every
// open window must show the new state.
#include "controlli_prova.h"
#include "finestra_dati.h"
#include "grafico.h"
#include "guadagno_netto.h"
#include "liquidita.h"
#include "numeri.h"
#include "parametri_iniziali.h"
#include "programma_prova.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {

struct Programma : ProgrammaProva {
    void menu(const QString& nome)
    {
        QAction* v = principale->voce(nome);
        ASSERT_NE(v, nullptr) << nome.toStdString();
        ASSERT_TRUE(v->isEnabled()) << nome.toStdString();
        v->trigger();
    }

    template <typename T>
    T* in(const QString& finestra, const char* nome)
    {
        QWidget* w = principale->finestra(finestra);
        T* x = w ? w->findChild<T*>(QLatin1String(nome)) : nullptr;
        EXPECT_NE(x, nullptr) << finestra.toStdString() << "." << nome;
        return x;
    }

    void scrivi(const char* nome, const QString& testo) { Scrivi(in<QLineEdit>("frmEseguiti", nome), testo); }

    // A trade typed into the trade window's panel in "Nuovo" and confirmed, on a Wednesday.
    void eseguito(const QString& tipo, const QString& qta, const QString& prezzo, const QString& errore = {},
                  const QString& ottimale = {})
    {
        in<QDateEdit>("frmEseguiti", "dtp_Data")->setDate(QDate(2024, 1, 10));
        Scegli(in<QComboBox>("frmEseguiti", "cmb_Tipo"), tipo);
        if (tipo == "Buy") {
            scrivi("txt_Codice", "ENI");
            scrivi("txt_Titolo", "Eni spa");
        }
        scrivi("txtQta", qta);
        scrivi("txtPrezzo", prezzo);
        if (!errore.isEmpty()) {
            in<QComboBox>("frmEseguiti", "dbc_Errore")->setEditText(errore);
            scrivi("txtPzoOttimale", ottimale);
        }
        auto* ok = in<QPushButton>("frmEseguiti", "cmd_Ok");
        ASSERT_TRUE(ok->isEnabled());
        Clicca(ok);
        EXPECT_TRUE(messaggi.mostrati.isEmpty()) << messaggi.testi().join("|").toStdString();
    }

    long long conta(const QString& sql) { return CartellaProva::valore(stato.DbPortafoglio, sql).toLongLong(); }
};

// The program's two connections, as the windows see them.
StatoApplicazione StatoAperto()
{
    StatoApplicazione s;
    s.DbDataSet = QSqlDatabase::database(ConnessioneDataSet);
    s.DbPortafoglio = QSqlDatabase::database(ConnessionePortafoglio);
    s.PercorsoPortafoglio = s.DbPortafoglio.databaseName();
    return s;
}

int RigheGriglia(QWidget* finestra, const char* griglia)
{
    auto* g = finestra->findChild<QTableView*>(QLatin1String(griglia));
    return g && g->model() ? g->model()->rowCount() : -1;
}

QString Testo(QWidget* finestra, const char* etichetta)
{
    auto* l = finestra->findChild<QLabel*>(QLatin1String(etichetta));
    return l ? l->text() : QStringLiteral("(manca)");
}

int RigheTabella(QWidget* finestra, const char* griglia)
{
    auto* g = finestra->findChild<QTableWidget*>(QLatin1String(griglia));
    return g ? g->rowCount() : -1;
}

std::optional<double> Punto(QWidget* finestra, const char* grafico, int riga)
{
    auto* g = finestra->findChild<Grafico*>(QLatin1String(grafico));
    return g ? g->valore(riga, 1) : std::nullopt;
}

// What each refreshed window must show once the fourth trade is in: one check per window, so a
// window that joins the refresh joins this test too.
using Verifica = std::function<void(QWidget* finestra)>;
const std::map<QString, Verifica>& Verifiche()
{
    static const std::map<QString, Verifica> verifiche = {
        {"frmEseguiti", [](QWidget* f) { EXPECT_EQ(RigheGriglia(f, "dbg_Eseguiti"), 4); }},
        {"frmPortafoglio",
         [](QWidget* f) {
             EXPECT_EQ(RigheGriglia(f, "DBGrid2"), 1);
             const LetturaLiquidita attesa = LeggiLiquidita(StatoAperto());
             EXPECT_EQ(f->findChild<QLabel*>("lab_ValorePortafoglio")->text(),
                       numeri::TestoNumero(attesa.figure.valorePortafoglio));
             EXPECT_EQ(f->findChild<QLabel*>("lab_Liquidita")->text(),
                       numeri::TestoNumero(attesa.figure.liquiditaArrotondata));
             EXPECT_EQ(f->findChild<Grafico*>("msc_Portafoglio")->valore(1, 1), attesa.figure.valorePortafoglio);
         }},
        {"frmOperazioniChiuse", [](QWidget* f) { EXPECT_EQ(RigheGriglia(f, "dbg_OperazioniChiuse"), 3); }},
        {"frmContoTitoli",
         [](QWidget* f) {
             // The net result of the three sells reaches the last bar and the balance.
             const auto guadagno = CalcolaGuadagnoNetto(StatoAperto());
             ASSERT_EQ(guadagno.righe.size(), 1u) << guadagno.errore.toStdString();
             const double netto = guadagno.righe.front();
             EXPECT_EQ(f->findChild<Grafico*>("msc_ContoTitoli")->valore(5, 1), netto);
             const auto impostazioni = parametri::LeggiParametri(QSqlDatabase::database(ConnessioneDataSet));
             ASSERT_EQ(impostazioni.righe.size(), 1u);
             const double capitale = impostazioni.righe.front().CapitaleIniziale.value_or(0);
             EXPECT_EQ(f->findChild<QLabel*>("lab_Saldo")->text(), numeri::TestoNumero(capitale + netto));
         }},
        // Closed operations of 80, -10 and 30: 20%, -10% and 30%.
        {"frmReport", [](QWidget* f) { EXPECT_EQ(Testo(f, "lab_NumOperazioni"), "3"); }},
        {"frmCapitale", [](QWidget* f) { EXPECT_EQ(Punto(f, "msc_Capitale", 3), 100.0); }},
        {"frmGrOperazioni", [](QWidget* f) { EXPECT_EQ(Punto(f, "msc_GrOperazioni", 3), 30.0); }},
        // The fourth trade is the first to carry an error.
        {"frmErrori", [](QWidget* f) { EXPECT_EQ(Testo(f, "lab_TotaleErrori"), "1"); }},
        // Every operation closed on a Wednesday: its row holds the three results.
        {"frmStGiorno",
         [](QWidget* f) {
             auto* g = f->findChild<QTableWidget*>("MSFlexGrid_StGiorno");
             ASSERT_NE(g, nullptr);
             ASSERT_EQ(g->rowCount(), 5);
             ASSERT_NE(g->item(2, 1), nullptr);
             EXPECT_EQ(g->item(2, 1)->text(), numeri::TestoNumero(80.0 - 10.0 + 30.0));
         }},
        {"frmRisk", [](QWidget* f) { EXPECT_EQ(RigheTabella(f, "MSFlexGrid_FP"), 3); }},
        // A win, a loss, a win: two runs completed, one of each sign.
        {"frmMDD", [](QWidget* f) { EXPECT_EQ(RigheTabella(f, "MSFlexGrid_MDD"), 2); }},
        // Not refreshed: it keeps the two operations it found when it opened.
        {"frmMedie", [](QWidget* f) { EXPECT_EQ(Testo(f, "lab_MaxGain"), "80"); }},
    };
    return verifiche;
}

TEST(Programma, EveryLandedWindowOpensFromItsMenuAndFollowsATrade)
{
    Programma p;
    p.menu("mnu_NuovoPortafoglio");
    ASSERT_NE(p.principale->finestra("frmEseguiti"), nullptr);
    p.eseguito("Buy", "100", "10");
    p.eseguito("Sell", "40", "12");
    // Two closed operations enable the risk, run and averages windows.
    p.eseguito("Sell", "10", "9");

    QStringList aperte;
    for (const DescrittoreFinestra& d : p.principale->tabella()) {
        if (!d.fabbrica || d.voceMenu.isEmpty())
            continue;
        SCOPED_TRACE(d.nome.toStdString());
        bool eraDialogo = false;
        // A modal window runs its own loop: close it from inside, as the user would.
        QTimer::singleShot(0, [&eraDialogo] {
            if (auto* modale = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                eraDialogo = true;
                modale->reject();
            }
        });
        p.menu(d.voceMenu);
        if (d.genere == GenereFinestra::Dialogo) {
            QTest::qWait(0);
            EXPECT_TRUE(eraDialogo);
            EXPECT_EQ(p.principale->finestra(d.nome), nullptr);
            continue;
        }
        QWidget* w = p.principale->finestra(d.nome);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), d.nome);
        if (d.aggiornata) {
            EXPECT_NE(dynamic_cast<FinestraDati*>(w), nullptr) << "a refreshed window implements Main";
        }
        aperte << d.nome;
    }
    p.messaggi.mostrati.clear();

    p.eseguito("Sell", "10", "13", "EA", "14");

    EXPECT_EQ(p.conta("SELECT Qta FROM Portafoglio WHERE Cod = 'ENI'"), 40);
    EXPECT_EQ(p.conta("SELECT COUNT(*) FROM OperazioniChiuse"), 3);
    for (const QString& nome : aperte) {
        SCOPED_TRACE(nome.toStdString());
        QWidget* w = p.principale->finestra(nome);
        ASSERT_NE(w, nullptr) << "still open";
        const DescrittoreFinestra* d = p.principale->descrittore(nome);
        const auto verifica = Verifiche().find(nome);
        if (verifica != Verifiche().end()) {
            verifica->second(w);
        } else if (d->aggiornata) {
            ADD_FAILURE() << "no check of what the window shows after a refresh";
        }
    }
}

// Every command that opens a window names one the table has, and the table names only
// commands that exist, each once.
TEST(Programma, MenusToolbarAndTableAgree)
{
    Programma p;
    const TabellaFinestre& tabella = p.principale->tabella();
    QStringList nomi, voci, chiavi;
    for (const DescrittoreFinestra& d : tabella) {
        SCOPED_TRACE(d.nome.toStdString());
        EXPECT_FALSE(nomi.contains(d.nome));
        nomi << d.nome;
        if (!d.voceMenu.isEmpty()) {
            EXPECT_NE(p.principale->voce(d.voceMenu), nullptr);
            EXPECT_FALSE(voci.contains(d.voceMenu));
            voci << d.voceMenu;
        }
        if (!d.chiaveToolbar.isEmpty()) {
            EXPECT_FALSE(chiavi.contains(d.chiaveToolbar));
            chiavi << d.chiaveToolbar;
        }
        if (d.aggiornata || d.scarico != Scarico::Mai) {
            EXPECT_EQ(d.genere, GenereFinestra::Figlia);
        }
    }
    // The windows the load step and the first activation open by name.
    for (const char* nome : {"Presentazione", "Tip", "frmBenvenuto"})
        EXPECT_TRUE(nomi.contains(QLatin1String(nome))) << nome;

    // Every toolbar button but the two portfolio commands opens a window of the table.
    for (int i = 1; i <= 17; ++i) {
        QAction* b = p.principale->pulsante(i);
        if (!b || b->isSeparator())
            continue;
        const QString chiave = b->data().toString();
        if (chiave != "Nuovo" && chiave != "Apri") {
            EXPECT_TRUE(chiavi.contains(chiave)) << chiave.toStdString();
        }
    }
    // A menu entry with no command of its own is one of the table's.
    const QStringList comandi = {"mnu_NuovoPortafoglio", "mnu_Apri", "mnu_Salva", "mnu_Exit", "mnu_ApriUltimo",
                                 "mnu_Menu", "mnu_Help"};
    for (QAction* a : p.principale->findChildren<QAction*>()) {
        const QString nome = a->objectName();
        if (nome.startsWith("mnu_") && !a->menu() && !comandi.contains(nome)) {
            EXPECT_TRUE(voci.contains(nome)) << nome.toStdString();
        }
    }
}

} // namespace
