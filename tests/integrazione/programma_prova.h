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
    // Whether the start-up windows open: not at the load, which they would keep waiting.
    bool conAvvio = false;

    // With `avvioPiuTardi` the start-up windows are in the table, opening nothing until
    // `conAvvio` is set; without, they are not available at all.
    explicit ProgrammaProva(bool avvioPiuTardi = false)
    {
        EXPECT_EQ(ApriImpostazioni(stato, cartella.cartella()).messaggio, QString());
        principale = std::make_unique<MDIForm1>(stato, messaggi, dialoghi);
        TabellaFinestre tabella = FinestreDelProgramma();
        for (DescrittoreFinestra& d : tabella)
            if (d.nome == "Presentazione" || d.nome == "Tip" || d.nome == "frmBenvenuto") {
                if (avvioPiuTardi)
                    d.fabbrica = [this, vera = d.fabbrica](ContestoFinestre& c) {
                        return conAvvio ? vera(c) : nullptr;
                    };
                else
                    d.fabbrica = nullptr;
            }
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
