#pragma once
// What the open portfolio holds, as far as menus and windows care.
#include <QSqlDatabase>
#include <optional>

#include <QString>

// Number of trades in Eseguiti; no value when the table cannot be read, and then
// `errore`, when given, says why in Italian.
std::optional<long long> ContaEseguiti(const QSqlDatabase& portafoglio, QString* errore = nullptr);

// Number of closed operations in OperazioniChiuse; no value when the table cannot be read.
std::optional<long long> ContaOperazioniChiuse(const QSqlDatabase& portafoglio);
