#pragma once
#include <QSqlDatabase>
#include <QString>

// Rebuilds Portafoglio, OperazioniChiuse and Errori.Contatore from the whole of Eseguiti.
// Returns "" when the replay reached the last trade, otherwise the message that stopped it.
QString RicalcolaPortafoglio(QSqlDatabase& dataset, QSqlDatabase& portafoglio);
