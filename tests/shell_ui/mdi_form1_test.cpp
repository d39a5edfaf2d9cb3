#include "banco_prova.h"
#include "campo_data.h"

#include "barra_orologi.h"
#include "barra_stato.h"
#include "cl_clock.h"
#include "finestra_figlia.h"
#include "finestra_guida.h"
#include "personalizza_toolbar.h"
#include "picture_box.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

namespace {

QStringList Voci(QMenu* menu)
{
    QStringList v;
    for (QAction* a : menu->actions())
        v << a->objectName() + "=" + a->text();
    return v;
}

bool HaDisegno(const PictureBox* box)
{
    const QImage& img = box->disegno();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0)
                return true;
    return false;
}

} // namespace

TEST(MDIForm1, MenuTreeHasTheNamesCaptionsAndOrder)
{
    BancoProva b;
    QStringList menu;
    for (QAction* m : b.finestra->menuBar()->actions())
        menu << m->objectName() + "=" + m->text();
    EXPECT_EQ(menu, (QStringList{"mnu_File=File", "mnu_Strumenti=Strumenti", "mnu_Opzioni=Opzioni",
                                 "mnu_view=Visualizza", "mnu_HelpIndex=?"}));
    auto tendina = [&](const char* nome) { return b.finestra->findChild<QMenu*>(QLatin1String(nome)); };
    EXPECT_EQ(Voci(tendina("mnu_File")),
              (QStringList{"mnu_NuovoPortafoglio=Nuovo Portafoglio", "mnu_Apri=Apri", "mnu_Salva=Salva con nome",
                           "mnu_Importa=Importa", "mnu_Esporta=Esporta", "mnu_Exit=Chiudi", "mnu_ApriUltimo="}));
    EXPECT_EQ(Voci(tendina("mnu_Strumenti")),
              (QStringList{"mnu_Password=Password", "mnu_ParametriIniziali=Parametri Iniziali",
                           "mnu_PersonalizzaErrori=Personalizza Errori"}));
    EXPECT_EQ(Voci(tendina("mnu_Opzioni")), (QStringList{"mnu_OpzioniVista=Vista", "mnu_Menu=Menu"}));
    EXPECT_EQ(Voci(tendina("mnu_view")),
              (QStringList{"mnu_Calcolatore=Calcolatore finanziario", "mnu_ContoTitoli=Gestione Conto Titoli",
                           "mnu_Eseguiti=Tabella Eseguiti", "mnu_Portafoglio=Tabella portafoglio titoli",
                           "mnu_OperazioniChiuse=Tabella operazioni chiuse", "mnu_Report=Report",
                           "mnu_StatistichePeriodo=Statistiche giorno", "mnu_Errori=Statistiche errori",
                           "mnu_SequenzeOperazioni=Grafico operazioni", "mnu_GP=Grafico capitale", "mnu_Risk=Risk",
                           "mnu_MDD=Massimo Draw Down (MDD)", "mnu_Medie=Medie"}));
    EXPECT_EQ(Voci(tendina("mnu_HelpIndex")), (QStringList{"mnu_Help=Help", "mnu_Tips=Consigli", "mnu_About=About"}));
}

TEST(MDIForm1, LoadStepSetsToolbarsCommandsAndControls)
{
    BancoProva b;
    MDIForm1& f = *b.finestra;
    EXPECT_EQ(f.windowTitle(), "Brunivox");

    QStringList chiavi;
    for (int i = 1; i <= 17; ++i)
        chiavi << (f.pulsante(i)->isSeparator() ? QStringLiteral("|") : f.pulsante(i)->data().toString());
    EXPECT_EQ(chiavi, (QStringList{"Nuovo", "Apri", "|", "Calcolatore", "Conto", "Eseguiti", "Portafoglio",
                                   "Op.Chiuse", "|", "Report", "Errori", "Periodo", "Sequenze", "GP", "Risk", "MDD",
                                   "Medie"}));
    EXPECT_EQ(f.pulsante(0), nullptr);
    EXPECT_EQ(f.pulsante(18), nullptr);
    for (int i = 1; i <= 17; ++i) {
        if (!f.pulsante(i)->isSeparator()) {
            EXPECT_EQ(f.pulsante(i)->isEnabled(), i == 1 || i == 2 || i == 4) << i;
        }
    }

    for (const char* m : {"mnu_Salva", "mnu_Importa", "mnu_Eseguiti", "mnu_Portafoglio", "mnu_Errori",
                          "mnu_OperazioniChiuse", "mnu_SequenzeOperazioni", "mnu_Esporta", "mnu_GP",
                          "mnu_StatistichePeriodo", "mnu_Report", "mnu_Risk", "mnu_MDD", "mnu_Medie", "mnu_ApriUltimo",
                          "mnu_ContoTitoli"})
        EXPECT_FALSE(f.voce(QLatin1String(m))->isEnabled()) << m;
    for (const char* m : {"mnu_NuovoPortafoglio", "mnu_Apri", "mnu_Exit", "mnu_Password", "mnu_ParametriIniziali",
                          "mnu_PersonalizzaErrori", "mnu_OpzioniVista", "mnu_Menu", "mnu_Calcolatore",
                          "mnu_Help", "mnu_Tips", "mnu_About"})
        EXPECT_TRUE(f.voce(QLatin1String(m))->isEnabled()) << m;

    // Clock bar: the faces with their cities, redrawn every 3 s by one clock of half the face's width.
    const char* facce[] = {"picClock", "picClock2", "picClock3", "picClock4", "picClock5"};
    const char* caselle[] = {"Text5", "Text4", "Text3", "Text2", "Text1"};
    const char* citta[] = {"Milano", "New York", "Tokyo", "Londra", "HongKong"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(f.toolbar3()->quadrante(i)->objectName(), facce[i]);
        auto* casella = f.toolbar3()->findChild<QLineEdit*>(QLatin1String(caselle[i]));
        ASSERT_NE(casella, nullptr) << caselle[i];
        EXPECT_EQ(casella->text(), citta[i]);
    }
    ASSERT_NE(f.orologio(), nullptr);
    EXPECT_EQ(f.orologio()->diameter, short(f.toolbar3()->quadrante(0)->ScaleWidth() / 2));
    EXPECT_GT(f.orologio()->diameter, 0);
    EXPECT_EQ(f.timerOrologi()->interval(), 3000);
    EXPECT_TRUE(f.timerOrologi()->isActive());
    EXPECT_EQ(f.findChild<QDateEdit*>("dtp_Data")->date(), QDate::currentDate());
    EXPECT_NE(qobject_cast<CampoData*>(f.findChild<QDateEdit*>("dtp_Data")), nullptr) << "reads the date as typed";

    // Status bar: two empty panels, then the time and today's date.
    EXPECT_TRUE(f.barraStato()->pannello(0)->text().isEmpty());
    EXPECT_TRUE(f.barraStato()->pannello(1)->text().isEmpty());
    EXPECT_EQ(f.barraStato()->pannello(2)->text(), QTime::currentTime().toString("HH:mm"));
    EXPECT_EQ(f.barraStato()->pannello(3)->text(), QDate::currentDate().toString("dd/MM/yyyy"));
    EXPECT_TRUE(b.stato.PrimaAttivazione);
}

TEST(MDIForm1, SettingsDecideTheBarsAndTheLastFileEntry)
{
    struct Caso {
        const char* nome;
        const char* settaggi;
        bool orologi;
        bool icone;
        const char* ultimo;  // nullptr: entry disabled and empty
    };
    const Caso casi[] = {
        {"all on", "UPDATE Settaggi SET Clock = 1, Menu = 1, ApriUltimo = '0'", true, true, nullptr},
        {"bars off", "UPDATE Settaggi SET Clock = 0, Menu = 0", false, false, nullptr},
        {"any non-zero shows", "UPDATE Settaggi SET Clock = 2, Menu = -1", true, true, nullptr},
        {"last file", "UPDATE Settaggi SET ApriUltimo = '/dati/A&B.gvf'", true, true, "/dati/A&&B.gvf"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        BancoProva b(QLatin1String(k.settaggi));
        EXPECT_EQ(!b.finestra->toolbar3()->isHidden(), k.orologi);
        EXPECT_EQ(!b.finestra->toolbar1()->isHidden(), k.icone);
        QAction* ultimo = b.finestra->voce("mnu_ApriUltimo");
        EXPECT_EQ(ultimo->isEnabled(), k.ultimo != nullptr);
        EXPECT_EQ(ultimo->text(), k.ultimo ? QString(k.ultimo) : QString());
    }
}

TEST(MDIForm1, ToolbarMenuSetsIconSizeTooltipsAndCaptions)
{
    struct Caso {
        int icone32;
        int iconeName;
        int lato;
        bool tooltip;
        bool didascalie;
    };
    const Caso casi[] = {
        {0, 0, 16, true, false},   // icon-only buttons keep their tooltips
        {0, 1, 16, true, false},   // captions need the large icons
        {1, 0, 32, true, false},
        {1, 1, 32, true, true},
        {2, 1, 16, true, false},   // only 1 means on
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(testing::Message() << k.icone32 << "," << k.iconeName);
        BancoProva b("UPDATE Settaggi SET Icone32 = 0, IconeName = 0");
        MDIForm1& f = *b.finestra;
        f.ToolbarMenu(k.icone32, k.iconeName);
        EXPECT_EQ(f.toolbar1()->iconSize(), QSize(k.lato, k.lato));
        EXPECT_EQ(f.toolbar1()->toolButtonStyle(), k.didascalie ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        EXPECT_EQ(f.pulsante(12)->toolTip(), k.tooltip ? "Statistiche prestazioni per giorno settimanale" : "");
        EXPECT_EQ(f.pulsante(11)->text(), k.didascalie ? "St.errori" : "");
        EXPECT_EQ(f.pulsante(8)->text(), k.didascalie ? "Op.Chiuse" : "");
        EXPECT_EQ(f.pulsante(1)->property("immagine").toInt(), 13);
        EXPECT_EQ(f.pulsante(17)->property("immagine").toInt(), 10);
        EXPECT_FALSE(f.pulsante(5)->icon().isNull());
    }

    // Back to small icons: captions go, tooltips stay as they were.
    BancoProva b;
    b.finestra->ToolbarMenu(1, 1);
    b.finestra->ToolbarMenu(0, 1);
    EXPECT_EQ(b.finestra->pulsante(5)->text(), "");
    EXPECT_EQ(b.finestra->pulsante(5)->toolTip(), "Conto titoli");
}

TEST(MDIForm1, UnknownWindowsOpenNothingAndEachNameHasOneWindow)
{
    BancoProva b;
    b.menu("mnu_Calcolatore");  // no factory yet
    EXPECT_TRUE(b.finestra->area()->subWindowList().isEmpty());

    // The calculator works without a portfolio, from its menu entry and its button.
    b.registraFinta("Calcolatore");
    b.menu("mnu_Calcolatore");
    b.pulsante(4);
    EXPECT_EQ(b.finestra->area()->subWindowList().size(), 1);
    EXPECT_NE(b.finestra->finestra("Calcolatore"), nullptr);

    // A dialog runs modally and is gone afterwards.
    b.registraDialogo("FrmAbout");
    b.menu("mnu_About");
    b.menu("mnu_About");
    EXPECT_EQ(b.mostrate, (QStringList{"FrmAbout", "FrmAbout"}));
    EXPECT_EQ(b.finestra->findChild<QDialog*>("FrmAbout"), nullptr);
    EXPECT_EQ(b.finestra->area()->subWindowList().size(), 1);
}

TEST(MDIForm1, ToolbarRestoresAMinimisedWindowAndTheMenuOnlyShowsIt)
{
    BancoProva b;
    b.finestra->show();
    b.registraFinta("frmReport");
    b.registraFinta("frmEseguiti");
    b.finestra->apriFinestra("frmReport");
    b.finestra->apriFinestra("frmEseguiti");
    FinestraFiglia* report = b.finestra->sottofinestra("frmReport");
    ASSERT_NE(report, nullptr);

    // As a refresh with closed operations leaves them.
    b.finestra->voce("mnu_Report")->setEnabled(true);
    b.finestra->pulsante(10)->setEnabled(true);

    report->showMinimized();
    b.menu("mnu_Report");
    EXPECT_TRUE(report->isMinimized());
    EXPECT_EQ(b.finestra->area()->subWindowList().size(), 2);

    b.pulsante(10);
    EXPECT_FALSE(report->isMinimized());
    EXPECT_EQ(b.finestra->area()->activeSubWindow(), report);
    EXPECT_EQ(b.finestra->area()->subWindowList().size(), 2);
}

TEST(MDIForm1, LoadAndFirstActivationShowTheStartWindowsInOrder)
{
    struct Caso {
        int tip;
        int benvenuto;
        QStringList attese;
    };
    const Caso casi[] = {
        {0, 0, {"Presentazione"}},
        {1, 0, {"Presentazione", "Tip"}},
        {0, 1, {"Presentazione", "frmBenvenuto"}},
        {1, 1, {"Presentazione", "Tip", "frmBenvenuto"}},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(testing::Message() << k.tip << "," << k.benvenuto);
        BancoProva b(QStringLiteral("UPDATE Settaggi SET Tip = %1, Benvenuto = %2").arg(k.tip).arg(k.benvenuto), false);
        bool attivaDuranteSplash = true;
        b.registraDialogo("Presentazione", [&] { attivaDuranteSplash = b.stato.PrimaAttivazione; });
        // The tips window clears the flag as it closes, and an activation meanwhile runs nothing.
        b.registraDialogo("Tip", [&] {
            b.stato.PrimaAttivazione = false;
            b.finestra->Attivazione();
        });
        b.registraDialogo("frmBenvenuto", [&] { b.stato.SceltaBenvenuto = 1; });

        b.finestra->Carica();
        EXPECT_FALSE(attivaDuranteSplash);
        EXPECT_TRUE(b.stato.PrimaAttivazione);
        b.finestra->Attivazione();
        b.finestra->Attivazione();

        EXPECT_EQ(b.mostrate, k.attese);
        EXPECT_FALSE(b.stato.PrimaAttivazione);
        // The welcome choice "new portfolio" is acted on only when the welcome window was shown.
        EXPECT_EQ(b.stato.PercorsoPortafoglio, k.benvenuto ? b.cartella.dataexe() : QString());
    }
}

TEST(MDIForm1, TheClockTickDrawsTheFiveFaces)
{
    BancoProva b;
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(HaDisegno(b.finestra->toolbar3()->quadrante(i))) << i;
    b.finestra->AggiornaOrologi();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(HaDisegno(b.finestra->toolbar3()->quadrante(i))) << i;
    EXPECT_EQ(BarraOrologi::differenzaOre(0), 0);
    EXPECT_EQ(BarraOrologi::differenzaOre(1), -6);
    EXPECT_EQ(BarraOrologi::differenzaOre(2), 8);
    EXPECT_EQ(BarraOrologi::differenzaOre(3), -1);
    EXPECT_EQ(BarraOrologi::differenzaOre(4), 7);
}

TEST(MDIForm1, HelpOpensTheGuideAtItsContentsOrSaysItIsMissing)
{
    BancoProva b;
    b.menu("mnu_Help");
    ASSERT_EQ(b.messaggi.mostrati.size(), 1);
    EXPECT_TRUE(b.messaggi.mostrati.first().testo.contains("Gavrel.html"));
    EXPECT_EQ(b.finestra->findChild<FinestraGuida*>(), nullptr);

    ASSERT_TRUE(QFile::copy(QDir(CartellaShipped()).filePath("Gavrel.html"), b.cartella.percorso("Gavrel.html")));
    b.menu("mnu_Help");
    b.menu("mnu_Help");
    EXPECT_EQ(b.messaggi.mostrati.size(), 1);
    const auto guide = b.finestra->findChildren<FinestraGuida*>();
    ASSERT_EQ(guide.size(), 1);
    EXPECT_FALSE(guide.first()->isHidden());
    EXPECT_TRUE(guide.first()->testo()->toPlainText().contains("I file di portafoglio"));
    EXPECT_EQ(guide.first()->testo()->source().fileName(), "Gavrel.html");
}

TEST(MDIForm1, TheToolbarDialogHidesButtonsOnlyWhenConfirmed)
{
    BancoProva b;
    QList<QAction*> pulsanti;
    for (int i = 1; i <= 17; ++i)
        if (!b.finestra->pulsante(i)->isSeparator())
            pulsanti << b.finestra->pulsante(i);
    {
        PersonalizzaToolbar dialogo(pulsanti);
        dialogo.casella(0)->setChecked(false);
        dialogo.reject();
    }
    EXPECT_TRUE(b.finestra->pulsante(1)->isVisible());
    {
        PersonalizzaToolbar dialogo(pulsanti);
        ASSERT_EQ(dialogo.findChildren<QCheckBox*>().size(), 15);
        dialogo.casella(0)->setChecked(false);
        dialogo.accept();
    }
    EXPECT_FALSE(b.finestra->pulsante(1)->isVisible());
    EXPECT_TRUE(b.finestra->pulsante(2)->isVisible());
    // Stored nowhere: the next start shows it again.
    BancoProva nuovo;
    EXPECT_TRUE(nuovo.finestra->pulsante(1)->isVisible());
}
