#pragma once
// The refresh after a confirmed trade can write the replay the confirmation's check already
// made instead of replaying the whole history again. A main window that can take it says so
// by this interface; any other gets the plain refresh.
#include "finestra_principale.h"
#include "motore.h"

#include <memory>

class AggiornamentoConReplay {
public:
    virtual ~AggiornamentoConReplay() = default;
    // ControlloMenu, with the replay (which may be null) good for this call only.
    virtual void ControlloMenuConReplay(std::shared_ptr<RicalcoloPronto> pronto) = 0;
};

inline void AggiornaDopoConferma(FinestraPrincipale& principale, std::shared_ptr<RicalcoloPronto> pronto)
{
    if (auto* conReplay = dynamic_cast<AggiornamentoConReplay*>(&principale))
        conReplay->ControlloMenuConReplay(std::move(pronto));
    else
        principale.ControlloMenu();
}
