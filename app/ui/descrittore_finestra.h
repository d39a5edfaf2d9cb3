#pragma once
// One row of the table of windows: everything the main window needs to know about a window,
// so that adding a window is one entry in that table plus the window's own files.
#include "finestra_principale.h"

#include <QString>

#include <optional>
#include <vector>

enum class GenereFinestra {
    Figlia, // a child window in the MDI area, one per name
    Dialogo // a modal dialog, built anew and deleted each time
};

// When the refresh closes the window.
enum class Scarico {
    Mai,
    SenzaEseguiti, // when the portfolio has no trades
    SenzaOperazioniChiuse // when it has no trades, or trades but no closed operation
};

// How far the open portfolio goes; each level holds the ones before it.
enum class Livello {
    Nessuno, // no portfolio open
    Portafoglio, // a portfolio, without trades
    Eseguiti, // trades, no closed operation
    OperazioneChiusa, // one closed operation
    PiuOperazioniChiuse, // more than one
};

// When a command (a menu entry, a toolbar button) is enabled: from level `da` up. Below `da`
// it is disabled, except from `restaDa` up, where it keeps the state it had.
struct Abilitazione {
    Livello da = Livello::Nessuno;
    Livello restaDa = da;
};

constexpr Abilitazione Sempre{Livello::Nessuno};
constexpr Abilitazione ConPortafoglio{Livello::Portafoglio};
constexpr Abilitazione ConEseguiti{Livello::Eseguiti};
constexpr Abilitazione ConOperazioniChiuse{Livello::OperazioneChiusa};
constexpr Abilitazione ConPiuOperazioniChiuse{Livello::PiuOperazioniChiuse, Livello::OperazioneChiusa};

// The state the command takes at `livello`: enabled, disabled, or none (it keeps its own).
constexpr std::optional<bool> AbilitataA(Abilitazione a, Livello livello)
{
    if (livello >= a.da)
        return true;
    if (livello >= a.restaDa)
        return std::nullopt;
    return false;
}

struct DescrittoreFinestra {
    QString nome; // the form's name, which is also its objectName
    GenereFinestra genere = GenereFinestra::Figlia;
    QString menu; // the menu holding its entry ("mnu_view"); in the table's order there
    QString voceMenu; // the menu entry that opens it ("mnu_Portafoglio"); empty for none
    QString testoMenu; // the entry's caption
    Abilitazione voceAbilitata; // when the entry is enabled
    QString chiaveToolbar; // the key of the toolbar button that opens it; empty for none
    Abilitazione pulsanteAbilitato; // when the button is enabled
    bool inPrimoPianoDaToolbar = true; // the toolbar restores and raises it; the menus only show it
    bool aggiornata = false; // the refresh calls its Main (it must implement FinestraDati)
    Scarico scarico = Scarico::Mai;
    FabbricaFinestra fabbrica; // empty while the window is not available: its commands open nothing
};

using TabellaFinestre = std::vector<DescrittoreFinestra>;
