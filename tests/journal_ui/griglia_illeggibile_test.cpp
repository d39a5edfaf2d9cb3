// The trade window on a portfolio whose trade list cannot be read: it says so and stays usable.
#include "ambiente_portafoglio.h"
#include "frm_eseguiti.h"
#include "messaggi_prova.h"

#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PrincipaleMuta : public FinestraPrincipale {
public:
    void ControlloMenu() override {}
};

} // namespace

TEST(GrigliaIllegibile, ALoadThatFailsIsReportedAndTheWindowSurvives)
{
    AmbientePortafoglio a;
    a.inserisci({"2024-03-01", "Buy", "ENI", "Eni", 10, 12.5});
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    PrincipaleMuta principale;
    ContestoFinestre contesto{a.stato, messaggi, dialoghi, principale};
    frmEseguiti finestra(contesto);
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    ASSERT_TRUE(messaggi.mostrati.isEmpty());

    CartellaProva::esegui(a.stato.DbPortafoglio, "ALTER TABLE EseguitiTemp RENAME TO Altrove");
    finestra.Main();
    finestra.Main();   // a second refresh on the same failure

    ASSERT_FALSE(messaggi.mostrati.isEmpty());
    for (const MessaggiProva::Mostrato& m : messaggi.mostrati)
        EXPECT_EQ(m.icona, Messaggi::Icona::Critico) << m.testo.toStdString();
    EXPECT_TRUE(messaggi.testi().join("\n").contains("Errore del database: ")) << messaggi.testi().join(" | ").toStdString();

    // Back to a readable file, the next refresh shows the trade again.
    CartellaProva::esegui(a.stato.DbPortafoglio, "ALTER TABLE Altrove RENAME TO EseguitiTemp");
    finestra.Main();
    auto* griglia = finestra.findChild<QTableView*>("dbg_Eseguiti");
    ASSERT_NE(griglia, nullptr);
    EXPECT_EQ(griglia->model()->rowCount(), 1);
}
