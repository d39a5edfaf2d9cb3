#include "tabella_finestre.h"

#include "calcolatore_finestra.h"
#include "frm_about.h"
#include "frm_benvenuto.h"
#include "frm_capitale.h"
#include "frm_conto_titoli.h"
#include "frm_errori.h"
#include "frm_eseguiti.h"
#include "frm_esporta.h"
#include "frm_gr_operazioni.h"
#include "frm_mdd.h"
#include "frm_medie.h"
#include "frm_operazioni_chiuse.h"
#include "frm_parametri_iniziali.h"
#include "frm_personalizza_errori.h"
#include "frm_portafoglio.h"
#include "frm_report.h"
#include "frm_risk.h"
#include "frm_st_giorno.h"
#include "importa.h"
#include "opzioni_vista.h"
#include "presentazione.h"
#include "pwd.h"
#include "tip.h"

namespace {

template <class T>
FabbricaFinestra Fabbrica()
{
    return [](ContestoFinestre& contesto) -> QWidget* { return new T(contesto); };
}

constexpr auto Dialogo = GenereFinestra::Dialogo;

} // namespace

const TabellaFinestre& FinestreDelProgramma()
{
    // In the order of their menus. A button's state may differ from its entry's: the error
    // statistics stay reachable from the menu while their button waits for a closed operation.
    static const TabellaFinestre tabella = {
        // The calculator is only shown from the toolbar too, and is never recomputed.
        {.nome = "Calcolatore", .menu = "mnu_view", .voceMenu = "mnu_Calcolatore",
         .testoMenu = "Calcolatore finanziario", .voceAbilitata = Sempre, .chiaveToolbar = "Calcolatore",
         .pulsanteAbilitato = Sempre, .inPrimoPianoDaToolbar = false, .fabbrica = Fabbrica<Calcolatore>()},
        {.nome = "frmContoTitoli", .menu = "mnu_view", .voceMenu = "mnu_ContoTitoli",
         .testoMenu = "Gestione Conto Titoli", .voceAbilitata = ConPortafoglio, .chiaveToolbar = "Conto",
         .pulsanteAbilitato = ConPortafoglio, .aggiornata = true, .fabbrica = Fabbrica<frmContoTitoli>()},
        {.nome = "frmEseguiti", .menu = "mnu_view", .voceMenu = "mnu_Eseguiti", .testoMenu = "Tabella Eseguiti",
         .voceAbilitata = ConPortafoglio, .chiaveToolbar = "Eseguiti", .pulsanteAbilitato = ConPortafoglio,
         .aggiornata = true, .fabbrica = Fabbrica<frmEseguiti>()},
        {.nome = "frmPortafoglio", .menu = "mnu_view", .voceMenu = "mnu_Portafoglio",
         .testoMenu = "Tabella portafoglio titoli", .voceAbilitata = ConEseguiti, .chiaveToolbar = "Portafoglio",
         .pulsanteAbilitato = ConEseguiti, .aggiornata = true, .scarico = Scarico::SenzaEseguiti,
         .fabbrica = Fabbrica<frmPortafoglio>()},
        {.nome = "frmOperazioniChiuse", .menu = "mnu_view", .voceMenu = "mnu_OperazioniChiuse",
         .testoMenu = "Tabella operazioni chiuse", .voceAbilitata = ConOperazioniChiuse,
         .chiaveToolbar = "Op.Chiuse", .pulsanteAbilitato = ConOperazioniChiuse, .aggiornata = true,
         .scarico = Scarico::SenzaOperazioniChiuse, .fabbrica = Fabbrica<frmOperazioniChiuse>()},
        {.nome = "frmReport", .menu = "mnu_view", .voceMenu = "mnu_Report", .testoMenu = "Report",
         .voceAbilitata = ConOperazioniChiuse, .chiaveToolbar = "Report", .pulsanteAbilitato = ConOperazioniChiuse,
         .aggiornata = true, .scarico = Scarico::SenzaOperazioniChiuse, .fabbrica = Fabbrica<frmReport>()},
        {.nome = "frmStGiorno", .menu = "mnu_view", .voceMenu = "mnu_StatistichePeriodo",
         .testoMenu = "Statistiche giorno", .voceAbilitata = ConOperazioniChiuse, .chiaveToolbar = "Periodo",
         .pulsanteAbilitato = ConOperazioniChiuse, .aggiornata = true, .scarico = Scarico::SenzaOperazioniChiuse,
         .fabbrica = Fabbrica<frmStGiorno>()},
        {.nome = "frmErrori", .menu = "mnu_view", .voceMenu = "mnu_Errori", .testoMenu = "Statistiche errori",
         .voceAbilitata = ConEseguiti, .chiaveToolbar = "Errori", .pulsanteAbilitato = ConOperazioniChiuse,
         .aggiornata = true, .scarico = Scarico::SenzaEseguiti, .fabbrica = Fabbrica<frmErrori>()},
        {.nome = "frmGrOperazioni", .menu = "mnu_view", .voceMenu = "mnu_SequenzeOperazioni",
         .testoMenu = "Grafico operazioni", .voceAbilitata = ConOperazioniChiuse, .chiaveToolbar = "Sequenze",
         .pulsanteAbilitato = ConOperazioniChiuse, .aggiornata = true, .scarico = Scarico::SenzaOperazioniChiuse,
         .fabbrica = Fabbrica<frmGrOperazioni>()},
        {.nome = "frmCapitale", .menu = "mnu_view", .voceMenu = "mnu_GP", .testoMenu = "Grafico capitale",
         .voceAbilitata = ConOperazioniChiuse, .chiaveToolbar = "GP", .pulsanteAbilitato = ConOperazioniChiuse,
         .aggiornata = true, .scarico = Scarico::SenzaOperazioniChiuse, .fabbrica = Fabbrica<frmCapitale>()},
        // With a single closed operation the runs and averages keep the state they had.
        {.nome = "frmRisk", .menu = "mnu_view", .voceMenu = "mnu_Risk", .testoMenu = "Risk",
         .voceAbilitata = ConPiuOperazioniChiuse, .chiaveToolbar = "Risk", .pulsanteAbilitato = ConPiuOperazioniChiuse,
         .aggiornata = true, .scarico = Scarico::SenzaOperazioniChiuse, .fabbrica = Fabbrica<frmRisk>()},
        {.nome = "frmMDD", .menu = "mnu_view", .voceMenu = "mnu_MDD", .testoMenu = "Massimo Draw Down (MDD)",
         .voceAbilitata = ConPiuOperazioniChiuse, .chiaveToolbar = "MDD", .pulsanteAbilitato = ConPiuOperazioniChiuse,
         .aggiornata = true, .scarico = Scarico::SenzaOperazioniChiuse, .fabbrica = Fabbrica<frmMDD>()},
        // The averages are computed once, at load.
        {.nome = "frmMedie", .menu = "mnu_view", .voceMenu = "mnu_Medie", .testoMenu = "Medie",
         .voceAbilitata = ConPiuOperazioniChiuse, .chiaveToolbar = "Medie", .pulsanteAbilitato = ConPiuOperazioniChiuse,
         .scarico = Scarico::SenzaEseguiti, .fabbrica = Fabbrica<frmMedie>()},

        {.nome = "Importa", .genere = Dialogo, .menu = "mnu_File", .voceMenu = "mnu_Importa", .testoMenu = "Importa",
         .voceAbilitata = ConPortafoglio, .fabbrica = Fabbrica<Importa>()},
        // With trades but no closed operation the export keeps the state it had.
        {.nome = "frmEsporta", .genere = Dialogo, .menu = "mnu_File", .voceMenu = "mnu_Esporta",
         .testoMenu = "Esporta", .voceAbilitata = {Livello::OperazioneChiusa, Livello::Eseguiti},
         .fabbrica = Fabbrica<frmEsporta>()},
        {.nome = "Pwd", .genere = Dialogo, .menu = "mnu_Strumenti", .voceMenu = "mnu_Password",
         .testoMenu = "Password", .fabbrica = Fabbrica<Pwd>()},
        {.nome = "frmParametriIniziali", .genere = Dialogo, .menu = "mnu_Strumenti",
         .voceMenu = "mnu_ParametriIniziali", .testoMenu = "Parametri Iniziali",
         .fabbrica = Fabbrica<frmParametriIniziali>()},
        {.nome = "frmPersonalizzaErrori", .genere = Dialogo, .menu = "mnu_Strumenti",
         .voceMenu = "mnu_PersonalizzaErrori", .testoMenu = "Personalizza Errori",
         .fabbrica = Fabbrica<frmPersonalizzaErrori>()},
        {.nome = "OpzioniVista", .genere = Dialogo, .menu = "mnu_Opzioni", .voceMenu = "mnu_OpzioniVista",
         .testoMenu = "Vista", .fabbrica = Fabbrica<OpzioniVista>()},
        {.nome = "Tip", .genere = Dialogo, .menu = "mnu_HelpIndex", .voceMenu = "mnu_Tips", .testoMenu = "Consigli",
         .fabbrica = Fabbrica<Tip>()},
        {.nome = "FrmAbout", .genere = Dialogo, .menu = "mnu_HelpIndex", .voceMenu = "mnu_About",
         .testoMenu = "About", .fabbrica = Fabbrica<FrmAbout>()},
        // Opened by the load step and the first activation, not by a command.
        {.nome = "Presentazione", .genere = Dialogo, .fabbrica = Fabbrica<Presentazione>()},
        {.nome = "frmBenvenuto", .genere = Dialogo, .fabbrica = Fabbrica<frmBenvenuto>()},
    };
    return tabella;
}
