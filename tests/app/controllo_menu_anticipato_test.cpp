// The refresh takes the engine's run a command has just made instead of running it again,
// and only while both databases are as that run left them.
#include "avvio.h"
#include "cartella_prova.h"
#include "comandi_principale.h"
#include "controllo_menu.h"
#include "finestre_figlie.h"
#include "messaggi_prova.h"
#include "semina_eseguiti.h"
#include "tabella_finestre.h"

#include <gtest/gtest.h>
#include <QMdiArea>
#include <QMenuBar>
#include <QToolBar>

namespace {

class NessunaPrincipale : public FinestraPrincipale {
public:
    void ControlloMenu() override { }
};

struct Refresh {
    Refresh()
    {
        EXPECT_EQ(ApriImpostazioni(stato, cartella.cartella()).messaggio, QString());
        stato.PercorsoPortafoglio = cartella.nuovoPortafoglio("prova.gvf");
        stato.DbPortafoglio = cartella.apri(stato.PercorsoPortafoglio);
        TabellaFinestre tabella = FinestreDelProgramma();
        for (DescrittoreFinestra& d : tabella)
            d.fabbrica = nullptr;
        finestre.impostaTabella(std::move(tabella));
        comandi.costruisci(&barraMenu, {{"mnu_view", "Visualizza", {}, {}}}, {}, finestre.tabella(),
                           [](const QString&, bool) {});
    }
    ~Refresh() { stato.DbPortafoglio = QSqlDatabase(); }

    void esegui(const RicalcoloAnticipato& anticipo) { ControlloMenu(stato, messaggi, finestre, comandi, anticipo); }

    CartellaProva cartella;
    StatoApplicazione stato;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    NessunaPrincipale principale;
    ContestoFinestre contesto{stato, messaggi, dialoghi, principale};
    QMdiArea area;
    QMenuBar barraMenu;
    QToolBar barra;
    FinestreFiglie finestre{&area, nullptr, contesto};
    ComandiPrincipale comandi{&barra};
};

} // namespace

TEST(ControlloMenuAnticipato, TakesTheRunJustMadeAndRunsAgainOnceAnythingChanged)
{
    Refresh r;
    ASSERT_TRUE(SeminaEseguiti(r.stato.DbPortafoglio,
                               {RigaDiProva("2024-03-01", "Buy", "WEB", "ENI", "Eni", 100, 10),
                                RigaDiProva("2024-03-05", "Sell", "WEB", "ENI", "Eni", 100, 11)})
                    .esito.ok());
    // A run whose outcome no run of this history would give: seen only when it is taken.
    RicalcoloFatto fatto = RicalcolaERicorda(r.stato.DbDataSet, r.stato.DbPortafoglio);
    ASSERT_TRUE(fatto.esito.ok()) << fatto.esito.messaggio.toStdString();
    fatto.esito = Esito::rifiutato(QStringLiteral("dal ricalcolo appena fatto"));

    r.esegui({nullptr, fatto});
    EXPECT_EQ(r.messaggi.testi(), QStringList{"dal ricalcolo appena fatto"});
    EXPECT_TRUE(r.comandi.voce("mnu_Report")->isEnabled());

    // Anything written since, in either file, and the refresh runs the engine itself.
    r.messaggi.mostrati.clear();
    CartellaProva::esegui(r.stato.DbDataSet, "UPDATE Settaggi SET Tip = Tip");
    r.esegui({nullptr, fatto});
    EXPECT_TRUE(r.messaggi.mostrati.isEmpty()) << r.messaggi.testi().join(" | ").toStdString();

    fatto = RicalcolaERicorda(r.stato.DbDataSet, r.stato.DbPortafoglio);
    fatto.esito = Esito::rifiutato(QStringLiteral("dal ricalcolo appena fatto"));
    CartellaProva::esegui(r.stato.DbPortafoglio, "DELETE FROM OperazioniChiuse");
    r.esegui({nullptr, fatto});
    EXPECT_TRUE(r.messaggi.mostrati.isEmpty()) << r.messaggi.testi().join(" | ").toStdString();
    EXPECT_EQ(CartellaProva::valore(r.stato.DbPortafoglio, "SELECT COUNT(*) FROM OperazioniChiuse").toInt(), 1);
}
