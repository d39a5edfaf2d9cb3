#pragma once
// What the open portfolio holds, as far as menus and windows care.
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>

// Number of trades in Eseguiti: one row, or the Italian text of why the table cannot be read.
Lettura<long long> ContaEseguiti(const QSqlDatabase& portafoglio);

// Number of closed operations in OperazioniChiuse: one row, or why it cannot be read.
Lettura<long long> ContaOperazioniChiuse(const QSqlDatabase& portafoglio);
