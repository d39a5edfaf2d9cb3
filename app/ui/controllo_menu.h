#pragma once
// The refresh every command that changes data ends with: it rebuilds the derived tables when
// there are trades, sets the commands by what the portfolio holds, closes the windows that
// would have nothing to show and recomputes the open data windows, in the order they were
// opened.
#include "motore.h"
#include "ricalcolo_fatto.h"

#include <memory>
#include <optional>

class ComandiPrincipale;
class FinestreFiglie;
class Messaggi;
struct StatoApplicazione;

// What the command before the refresh already did of the engine's run, good for this
// refresh only: the replay a confirmation made, still to be written, or the whole run an
// opening made.
struct RicalcoloAnticipato {
    std::shared_ptr<RicalcoloPronto> replay;
    std::optional<RicalcoloFatto> fatto;
};

void ControlloMenu(StatoApplicazione& stato, Messaggi& messaggi, FinestreFiglie& finestre, ComandiPrincipale& comandi,
                   const RicalcoloAnticipato& anticipo);
