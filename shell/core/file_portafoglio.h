#pragma once
// Portfolio files: emptying the scratch portfolio, copying a portfolio to another file
// without ever leaving a half-written one, and the last-file setting.
#include "esito.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>

// Empties Portafoglio, OperazioniChiuse, Eseguiti, EseguitiBackup, EseguitiTemp and Conto,
// in that order and all or nothing. On a database error, why nothing was emptied.
Esito SvuotaPortafoglio(QSqlDatabase& portafoglio);

// Work done on the finished copy, at the path given, before it takes the target's name.
using RifinituraCopia = std::function<Esito(const QString& copia)>;

// Copies the database open on `sorgente` to `destinazione` as one consistent snapshot
// (SQLite's VACUUM INTO), written to the temporary file of ScriviAccanto, finished by
// `rifinisci`, and renamed into place only then: on any failure, or a kill at any point, the
// target keeps what it had (or stays absent). A link as target keeps naming the file it leads
// to, which the copy replaces. A failure is a database error with the Italian reason; a target
// being written by another copy of the program is refused.
Esito CopiaDatabaseSicura(QSqlDatabase& sorgente, const QString& destinazione, const RifinituraCopia& rifinisci = {});

// ApriUltimo of Settaggi: the full path of the last portfolio opened or saved, "0" for none.
// An unreadable row reads as "0".
QString LeggiApriUltimo(const QSqlDatabase& dataset);
Esito ScriviApriUltimo(QSqlDatabase& dataset, const QString& percorso);
