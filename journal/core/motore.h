#pragma once
#include <QSqlDatabase>
#include <QString>

// Rebuilds Portafoglio, OperazioniChiuse and Errori.Contatore from the whole of Eseguiti.
// Returns "" when the replay reached the last trade, otherwise the message that stopped it;
// what was written up to the offending trade is kept. On a database error nothing of this
// run stays in either database and the text starts with "Errore del database: ".
QString RicalcolaPortafoglio(QSqlDatabase& dataset, QSqlDatabase& portafoglio);
