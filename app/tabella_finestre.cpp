#include "tabella_finestre.h"

#include "calcolatore_finestra.h"
#include "frm_about.h"
#include "frm_benvenuto.h"
#include "frm_capitale.h"
#include "frm_conto_titoli.h"
#include "frm_errori.h"
#include "frm_eseguiti.h"
#include "frm_esporta.h"
#include "frm_medie.h"
#include "frm_operazioni_chiuse.h"
#include "frm_parametri_iniziali.h"
#include "frm_personalizza_errori.h"
#include "frm_portafoglio.h"
#include "frm_report.h"
#include "frm_sequenze.h"
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

constexpr auto Figlia = GenereFinestra::Figlia;
constexpr auto Dialogo = GenereFinestra::Dialogo;

} // namespace

const TabellaFinestre& FinestreDelProgramma()
{
    // nome, genere, voce di menu, pulsante, in primo piano dal pulsante, aggiornata, scarico, fabbrica
    static const TabellaFinestre tabella = {
        {"frmEseguiti", Figlia, "mnu_Eseguiti", "Eseguiti", true, true, Scarico::Mai, Fabbrica<frmEseguiti>()},
        {"frmPortafoglio", Figlia, "mnu_Portafoglio", "Portafoglio", true, true, Scarico::SenzaEseguiti,
         Fabbrica<frmPortafoglio>()},
        {"frmOperazioniChiuse", Figlia, "mnu_OperazioniChiuse", "Op.Chiuse", true, true,
         Scarico::SenzaOperazioniChiuse, Fabbrica<frmOperazioniChiuse>()},
        {"frmContoTitoli", Figlia, "mnu_ContoTitoli", "Conto", true, true, Scarico::Mai, Fabbrica<frmContoTitoli>()},
        // The calculator is only shown from the toolbar too, and is never recomputed.
        {"Calcolatore", Figlia, "mnu_Calcolatore", "Calcolatore", false, false, Scarico::Mai,
         Fabbrica<Calcolatore>()},
        {"frmReport", Figlia, "mnu_Report", "Report", true, true, Scarico::SenzaOperazioniChiuse,
         Fabbrica<frmReport>()},
        {"frmErrori", Figlia, "mnu_Errori", "Errori", true, true, Scarico::SenzaEseguiti, Fabbrica<frmErrori>()},
        {"frmStGiorno", Figlia, "mnu_StatistichePeriodo", "Periodo", true, true, Scarico::SenzaOperazioniChiuse,
         Fabbrica<frmStGiorno>()},
        {"frmGrOperazioni", Figlia, "mnu_SequenzeOperazioni", "Sequenze", true, true,
         Scarico::SenzaOperazioniChiuse, Fabbrica<frmGrOperazioni>()},
        {"frmCapitale", Figlia, "mnu_GP", "GP", true, true, Scarico::SenzaOperazioniChiuse,
         Fabbrica<frmCapitale>()},
        {"frmRisk", Figlia, "mnu_Risk", "Risk", true, true, Scarico::SenzaOperazioniChiuse, Fabbrica<frmRisk>()},
        {"frmMDD", Figlia, "mnu_MDD", "MDD", true, true, Scarico::SenzaOperazioniChiuse, Fabbrica<frmMDD>()},
        // The averages are computed once, at load.
        {"frmMedie", Figlia, "mnu_Medie", "Medie", true, false, Scarico::SenzaEseguiti, Fabbrica<frmMedie>()},
        {"Pwd", Dialogo, "mnu_Password", "", true, false, Scarico::Mai, Fabbrica<Pwd>()},
        {"Importa", Dialogo, "mnu_Importa", "", true, false, Scarico::Mai, Fabbrica<Importa>()},
        {"frmEsporta", Dialogo, "mnu_Esporta", "", true, false, Scarico::Mai, Fabbrica<frmEsporta>()},
        {"frmParametriIniziali", Dialogo, "mnu_ParametriIniziali", "", true, false, Scarico::Mai,
         Fabbrica<frmParametriIniziali>()},
        {"frmPersonalizzaErrori", Dialogo, "mnu_PersonalizzaErrori", "", true, false, Scarico::Mai,
         Fabbrica<frmPersonalizzaErrori>()},
        {"OpzioniVista", Dialogo, "mnu_OpzioniVista", "", true, false, Scarico::Mai, Fabbrica<OpzioniVista>()},
        {"Tip", Dialogo, "mnu_Tips", "", true, false, Scarico::Mai, Fabbrica<Tip>()},
        {"FrmAbout", Dialogo, "mnu_About", "", true, false, Scarico::Mai, Fabbrica<FrmAbout>()},
        // Opened by the load step and the first activation, not by a command.
        {"Presentazione", Dialogo, "", "", true, false, Scarico::Mai, Fabbrica<Presentazione>()},
        {"frmBenvenuto", Dialogo, "", "", true, false, Scarico::Mai, Fabbrica<frmBenvenuto>()},
    };
    return tabella;
}
