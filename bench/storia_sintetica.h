#pragma once
// A synthetic but consistent trade history for measuring the position engine.
#include "esito.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

struct ParametriStoria {
    int eseguiti = 10000;
    int titoli = 60;
    QStringList sistemi;   // codes of the trading systems to use
    QStringList errori;    // error codes; the first is the no-error code
    unsigned seme = 1;
};

// Writes the trades into the empty portfolio `portafoglio`, in one transaction:
// several trades a day on weekdays, buys, partial and full sells that never exceed the
// pieces held. On failure nothing is written.
Esito ScriviStoriaSintetica(QSqlDatabase& portafoglio, const ParametriStoria& parametri);
