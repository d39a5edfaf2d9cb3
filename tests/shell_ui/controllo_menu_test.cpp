#include "banco_prova.h"

#include "finestra_figlia.h"

#include <QMdiArea>

namespace {

const QStringList FinestreDati = {
    "frmEseguiti", "frmOperazioniChiuse", "frmCapitale", "frmErrori", "frmMDD", "frmStGiorno",
    "frmPortafoglio", "frmReport", "frmGrOperazioni", "frmRisk", "frmContoTitoli", "frmMedie",
};

const QStringList MenuDati = {
    "mnu_Eseguiti", "mnu_Portafoglio", "mnu_Errori", "mnu_OperazioniChiuse", "mnu_SequenzeOperazioni",
    "mnu_Esporta", "mnu_GP", "mnu_StatistichePeriodo", "mnu_Report", "mnu_Risk", "mnu_MDD", "mnu_Medie",
};

// Enabled menus and buttons, as one comparable text each.
QStringList Abilitati(MDIForm1& f)
{
    QStringList a;
    for (const QString& m : MenuDati)
        if (f.voce(m)->isEnabled())
            a << m;
    for (int i = 1; i <= 17; ++i)
        if (i != 3 && i != 9 && f.pulsante(i)->isEnabled())
            a << QString::number(i);
    return a;
}

QStringList Aperte(MDIForm1& f)
{
    QStringList a;
    for (const QString& n : FinestreDati)
        if (f.finestra(n))
            a << n;
    return a;
}

// A fresh untitled portfolio with every data window open.
void Prepara(BancoProva& b)
{
    for (const QString& n : FinestreDati)
        b.registraFinta(n);
    b.menu("mnu_NuovoPortafoglio");
    for (const QString& n : FinestreDati)
        b.finestra->apriFinestra(n);
    b.aggiornate.clear();
}

} // namespace

TEST(ControlloMenu, WithNoPortfolioOpenChangesNothing)
{
    BancoProva b;
    for (const QString& n : FinestreDati) {
        b.registraFinta(n);
        b.finestra->apriFinestra(n);
    }
    const QStringList prima = Abilitati(*b.finestra);

    b.finestra->ControlloMenu();

    EXPECT_EQ(Abilitati(*b.finestra), prima);
    EXPECT_EQ(Aperte(*b.finestra), FinestreDati);
    EXPECT_TRUE(b.aggiornate.isEmpty());
}

// The states of the refresh: what is enabled, what stays open, what is recomputed.
TEST(ControlloMenu, MenusButtonsAndWindowsFollowTradesAndClosedOperations)
{
    struct Caso {
        const char* nome;
        std::vector<std::tuple<const char*, const char*, const char*, int, double>> eseguiti;
        QStringList abilitati;
        QStringList aperte;
    };
    const Caso casi[] = {
        {"no trades", {},
         // The trade table and buttons 1..6 keep their state from the new-portfolio command.
         {"mnu_Eseguiti", "1", "2", "4", "5", "6"},
         {"frmEseguiti", "frmContoTitoli"}},
        {"trades, no sell", {{"2024-03-01", "Buy", "ENI", 100, 10.0}},
         {"mnu_Eseguiti", "mnu_Portafoglio", "mnu_Errori", "1", "2", "4", "5", "6", "7"},
         {"frmEseguiti", "frmErrori", "frmPortafoglio", "frmContoTitoli", "frmMedie"}},
        {"one closed operation", {{"2024-03-01", "Buy", "ENI", 100, 10.0}, {"2024-03-05", "Sell", "ENI", 100, 11.0}},
         {"mnu_Eseguiti", "mnu_Portafoglio", "mnu_Errori", "mnu_OperazioniChiuse", "mnu_SequenzeOperazioni",
          "mnu_Esporta", "mnu_GP", "mnu_StatistichePeriodo", "mnu_Report",
          "1", "2", "4", "5", "6", "7", "8", "10", "11", "12", "13", "14"},
         FinestreDati},
        {"two closed operations",
         {{"2024-03-01", "Buy", "ENI", 100, 10.0}, {"2024-03-05", "Sell", "ENI", 60, 11.0},
          {"2024-03-06", "Sell", "ENI", 40, 9.5}},
         {"mnu_Eseguiti", "mnu_Portafoglio", "mnu_Errori", "mnu_OperazioniChiuse", "mnu_SequenzeOperazioni",
          "mnu_Esporta", "mnu_GP", "mnu_StatistichePeriodo", "mnu_Report", "mnu_Risk", "mnu_MDD", "mnu_Medie",
          "1", "2", "4", "5", "6", "7", "8", "10", "11", "12", "13", "14", "15", "16", "17"},
         FinestreDati},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        BancoProva b;
        Prepara(b);
        for (const auto& [data, tipo, cod, qta, prezzo] : k.eseguiti)
            b.eseguito(data, tipo, cod, qta, prezzo);

        b.finestra->ControlloMenu();

        EXPECT_TRUE(b.messaggi.mostrati.isEmpty()) << b.messaggi.testi().join(" | ").toStdString();
        EXPECT_EQ(Abilitati(*b.finestra), k.abilitati);
        EXPECT_EQ(Aperte(*b.finestra), k.aperte);
        QStringList attese = k.aperte;
        attese.removeAll("frmMedie");  // the averages are computed once, when they open
        EXPECT_EQ(b.aggiornate, attese);
    }
}

TEST(ControlloMenu, DeletingSellsAndTradesClosesTheirWindowsAndKeepsTheDerivedTables)
{
    BancoProva b;
    Prepara(b);
    b.eseguito("2024-03-01", "Buy", "ENI", 100, 10.0);
    b.eseguito("2024-03-05", "Sell", "ENI", 50, 11.0);
    b.eseguito("2024-03-06", "Sell", "ENI", 50, 12.0);
    b.finestra->ControlloMenu();
    ASSERT_TRUE(b.finestra->voce("mnu_Risk")->isEnabled());

    // One sell left: risk, runs and averages keep the state an earlier refresh gave them.
    b.portafoglio("DELETE FROM Eseguiti WHERE Data = '2024-03-06'");
    b.finestra->ControlloMenu();
    EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "OperazioniChiuse"), 1);
    for (const char* m : {"mnu_Risk", "mnu_MDD", "mnu_Medie"})
        EXPECT_TRUE(b.finestra->voce(QLatin1String(m))->isEnabled()) << m;
    for (int i : {15, 16, 17})
        EXPECT_TRUE(b.finestra->pulsante(i)->isEnabled()) << i;

    // No sell left: report, risk and runs go, together with their commands.
    b.portafoglio("DELETE FROM Eseguiti WHERE Tipo = 'Sell'");
    b.finestra->ControlloMenu();
    for (const char* n : {"frmReport", "frmRisk", "frmMDD", "frmOperazioniChiuse"})
        EXPECT_EQ(b.finestra->finestra(QLatin1String(n)), nullptr) << n;
    for (const char* m : {"mnu_Report", "mnu_Risk", "mnu_MDD", "mnu_Medie"})
        EXPECT_FALSE(b.finestra->voce(QLatin1String(m))->isEnabled()) << m;
    EXPECT_TRUE(b.finestra->voce("mnu_Esporta")->isEnabled());  // keeps its state
    for (int i : {10, 15, 16, 17})
        EXPECT_FALSE(b.finestra->pulsante(i)->isEnabled()) << i;
    EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Portafoglio"), 1);

    // The last trade deleted: the engine does not run, so the derived tables stay as they are.
    b.portafoglio("DELETE FROM Eseguiti");
    b.finestra->ControlloMenu();
    EXPECT_EQ(b.righe(b.stato.DbPortafoglio, "Portafoglio"), 1);
    EXPECT_EQ(Aperte(*b.finestra), (QStringList{"frmEseguiti", "frmContoTitoli"}));
}

TEST(ControlloMenu, RefreshesTheOpenWindowsInTheOrderTheyWereOpened)
{
    BancoProva b;
    for (const char* n : {"frmPortafoglio", "frmEseguiti", "frmErrori", "frmMedie", "Calcolatore", "frmContoTitoli"})
        b.registraFinta(QLatin1String(n));
    b.menu("mnu_NuovoPortafoglio");  // opens frmEseguiti first
    b.eseguito("2024-03-01", "Buy", "ENI", 100, 10.0);
    b.finestra->scaricaFinestra("frmEseguiti");
    for (const char* n : {"frmContoTitoli", "frmPortafoglio", "frmMedie", "Calcolatore", "frmEseguiti", "frmErrori"})
        b.finestra->apriFinestra(QLatin1String(n));
    b.aggiornate.clear();

    b.finestra->ControlloMenu();

    EXPECT_EQ(b.aggiornate, (QStringList{"frmContoTitoli", "frmPortafoglio", "frmEseguiti", "frmErrori"}));
}

TEST(ControlloMenu, AWindowClosedByTheUserIsNotRefreshed)
{
    BancoProva b;
    Prepara(b);
    b.finestra->sottofinestra("frmEseguiti")->close();  // deleted only later

    b.finestra->ControlloMenu();

    EXPECT_FALSE(b.aggiornate.contains("frmEseguiti"));
    EXPECT_EQ(b.finestra->finestra("frmEseguiti"), nullptr);
}

TEST(ControlloMenu, TheEngineMessageIsShownInAnOkBox)
{
    BancoProva b;
    b.menu("mnu_NuovoPortafoglio");
    b.eseguito("2024-03-05", "Sell", "ENI", 100, 11.0);  // nothing held

    b.finestra->ControlloMenu();

    ASSERT_EQ(b.messaggi.mostrati.size(), 1);
    EXPECT_TRUE(b.messaggi.mostrati.first().testo.startsWith("ENI e' stato venduto : "))
        << b.messaggi.mostrati.first().testo.toStdString();
    EXPECT_EQ(b.messaggi.mostrati.first().pulsanti, Messaggi::Pulsanti::Ok);
}
