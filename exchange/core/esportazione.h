#pragma once
// What the three exports share: the ticked tables, the records written per table, and
// how they report progress.
#include "esito.h"

#include <QtGlobal>

#include <functional>
#include <optional>

// Always handled in this order.
struct TabelleScelte {
    bool OperazioniChiuse = false;
    bool Eseguiti = false;
    bool Portafoglio = false;

    bool almenoUna() const { return OperazioniChiuse || Eseguiti || Portafoglio; }
};

// Records exported per table; none for a table that was not exported.
struct ConteggiEsportazione {
    std::optional<qint64> OperazioniChiuse;
    std::optional<qint64> Eseguiti;
    std::optional<qint64> Portafoglio;
};

struct ProgressoEsportazione {
    std::function<void(qint64 record)> inizioTabella; // called only for a table with records
    std::function<void()> passo; // after each record
};

struct EsitoEsportazione {
    Esito esito;
    ConteggiEsportazione conteggi; // also the tables finished before a failure
};
