#pragma once
// One row of the table of windows: everything the main window needs to know about a window,
// so that adding a window is one entry in that table plus the window's own files.
#include "finestra_principale.h"

#include <QString>

#include <vector>

enum class GenereFinestra {
    Figlia,    // a child window in the MDI area, one per name
    Dialogo    // a modal dialog, built anew and deleted each time
};

// When the refresh closes the window.
enum class Scarico {
    Mai,
    SenzaEseguiti,          // when the portfolio has no trades
    SenzaOperazioniChiuse   // when it has no trades, or trades but no closed operation
};

struct DescrittoreFinestra {
    QString nome;                   // the form's name, which is also its objectName
    GenereFinestra genere = GenereFinestra::Figlia;
    QString voceMenu;               // the menu entry that opens it ("mnu_Portafoglio"); empty for none
    QString chiaveToolbar;          // the key of the toolbar button that opens it; empty for none
    bool inPrimoPianoDaToolbar = true;  // the toolbar restores and raises it; the menus only show it
    bool aggiornata = false;        // the refresh calls its Main (it must implement FinestraDati)
    Scarico scarico = Scarico::Mai;
    FabbricaFinestra fabbrica;      // empty while the window is not available: its commands open nothing
};

using TabellaFinestre = std::vector<DescrittoreFinestra>;
