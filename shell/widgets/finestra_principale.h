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
};

struct ContestoFinestre {
    StatoApplicazione& stato;
    Messaggi& messaggi;
    DialogoFile& dialoghi;
    FinestraPrincipale& principale;
};

// Builds a child window or dialog; the main window keeps one factory per window name.
using FabbricaFinestra = std::function<QWidget*(ContestoFinestre& contesto)>;
