#pragma once
// The writes of the cash account: one movement inserted, changed or deleted.
#include "esito.h"
#include "tabella_conto.h"

#include <QDate>

struct MovimentoConto {
    QDate Data;
    QString Tipo;          // one of the four kinds
    double Importo = 0;    // positive; the kind gives the direction
    QString Descrizione;   // "." when the user gave none
};

// A kind outside the four, a negative or non-finite amount or an invalid date is refused;
// an empty description is stored as ".". `id`, when given, receives the new key.
Esito InserisciMovimento(QSqlDatabase& portafoglio, const MovimentoConto& m, qint64* id = nullptr);
Esito ModificaMovimento(QSqlDatabase& portafoglio, qint64 id, const MovimentoConto& m);
Esito EliminaMovimento(QSqlDatabase& portafoglio, qint64 id);
