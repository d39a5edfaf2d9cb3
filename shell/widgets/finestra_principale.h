#pragma once
// What the windows may ask of the main window, and what every window is built with.
#include "dialogo_file.h"
#include "messaggi.h"
#include "stato_applicazione.h"

#include <functional>

class QWidget;

class FinestraPrincipale {
public:
    virtual ~FinestraPrincipale() = default;
    // Rebuilds the derived tables, sets menus and toolbar, and recomputes the open windows.
    virtual void ControlloMenu() = 0;
    // The view options: icon size and captions of the icon toolbar (values 0 or 1), and the
    // visibility of the icon toolbar (Toolbar1) and of the clock bar (Toolbar3). Stand-ins that
    // have no toolbars may leave them alone.
    virtual void ToolbarMenu(int Icone32, int IconeName) { (void)Icone32, (void)IconeName; }
    virtual void mostraToolbar1(bool visibile) { (void)visibile; }
    virtual void mostraToolbar3(bool visibile) { (void)visibile; }
};

struct ContestoFinestre {
    StatoApplicazione& stato;
    Messaggi& messaggi;
    DialogoFile& dialoghi;
    FinestraPrincipale& principale;
};

// Builds a child window or dialog; the main window keeps one factory per window name.
using FabbricaFinestra = std::function<QWidget*(ContestoFinestre& contesto)>;
