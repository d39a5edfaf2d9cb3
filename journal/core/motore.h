#pragma once
#include <QSqlDatabase>
#include <QString>

// Rebuilds Portafoglio, OperazioniChiuse and Errori.Contatore from the whole of Eseguiti.
// Returns "" when the replay reached the last trade, otherwise the message that stopped it;
// what was written up to the offending trade is kept. On a database error nothing of this
// run stays in either database and the text starts with "Errore del database: ".
// Both files are written in one transaction of `portafoglio`, with the settings file
// attached to it; inside a caller's transaction the run is part of it.
QString RicalcolaPortafoglio(QSqlDatabase& dataset, QSqlDatabase& portafoglio);
