#pragma once
// An engine run a command has just made, for the refresh that follows it: while neither
// database has changed since, running again would write what is already there and say the
// same, so the refresh takes its outcome instead.
#include "esito.h"
#include "impronta.h"

#include <QSqlDatabase>

struct RicalcoloFatto {
    Esito esito; // what RicalcolaPortafoglio answered
    Impronta portafoglio; // both databases as the run left them
    Impronta dataset;

    // True while both databases are still as the run left them.
    bool valeAncora(const QSqlDatabase& dataset, const QSqlDatabase& portafoglio) const
    {
        return this->portafoglio == ImprontaDi(portafoglio) && this->dataset == ImprontaDi(dataset);
    }
};

// Runs RicalcolaPortafoglio and remembers the state it left.
[[nodiscard]] RicalcoloFatto RicalcolaERicorda(QSqlDatabase& dataset, QSqlDatabase& portafoglio);
