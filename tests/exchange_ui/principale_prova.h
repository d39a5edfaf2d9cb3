#pragma once
// The main window's refresh as the import and export dialogs see it: it counts the calls
// and, as an open trade window would through its Main, rebuilds the snapshot.
#include "conferma_eseguito.h"
#include "esito_prova.h"
#include "finestra_principale.h"

#include <gtest/gtest.h>

class PrincipaleProva : public FinestraPrincipale {
public:
    explicit PrincipaleProva(StatoApplicazione& s) : stato(s) { }

    void ControlloMenu() override
    {
        ++chiamate;
        EXPECT_TRUE(EsitoAccettato(eseguiti::RicostruisciFotografia(stato.DbPortafoglio)));
    }

    StatoApplicazione& stato;
    int chiamate = 0;
};
