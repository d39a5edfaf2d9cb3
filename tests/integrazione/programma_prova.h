#pragma once
// The real main window with the real table of windows on a throw-away program folder, loaded
// and past its start-up windows, which wait for the user and have tests of their own.
#include "avvio.h"
#include "cartella_prova.h"
#include "mdi_form1.h"
#include "messaggi_prova.h"
#include "tabella_finestre.h"

#include <gtest/gtest.h>

#include <memory>

struct ProgrammaProva {
    CartellaProva cartella;
    StatoApplicazione stato;
    MessaggiProva messaggi;
    DialogoFileProva dialoghi;
    std::unique_ptr<MDIForm1> principale;

    ProgrammaProva()
    {
        EXPECT_EQ(ApriImpostazioni(stato, cartella.cartella()).messaggio, QString());
        principale = std::make_unique<MDIForm1>(stato, messaggi, dialoghi);
        TabellaFinestre tabella = FinestreDelProgramma();
        for (DescrittoreFinestra& d : tabella)
            if (d.nome == "Presentazione" || d.nome == "Tip" || d.nome == "frmBenvenuto")
                d.fabbrica = nullptr;
        principale->impostaTabella(std::move(tabella));
        principale->Carica();
        stato.PrimaAttivazione = false;
    }

    ~ProgrammaProva()
    {
        principale.reset();
        stato.DbPortafoglio = QSqlDatabase();
    }
};
