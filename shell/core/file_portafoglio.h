#pragma once
// Portfolio files: emptying the scratch portfolio, copying a portfolio to another file
// without ever leaving a half-written one, and the last-file setting.
#include "esito.h"

#include <QSqlDatabase>
#include <QString>

class QIODevice;

// Empties Portafoglio, OperazioniChiuse, Eseguiti, EseguitiBackup, EseguitiTemp and Conto,
// in that order and all or nothing. On a database error, why nothing was emptied.
Esito SvuotaPortafoglio(QSqlDatabase& portafoglio);

// Writes everything `sorgente` holds to `destinazione` through a temporary file in the
// target folder, renamed into place only once complete: on any failure the target keeps
// what it had (or stays absent). A failure is a database error with the Italian reason.
Esito ScriviFileSicuro(QIODevice& sorgente, const QString& destinazione);

// Byte copy of the file `da` onto `a`, replacing it, with the guarantee above. Not for a
// database that may be in use: a copy taken while it is written is torn.
Esito CopiaFileSicura(const QString& da, const QString& a);

// Copies the database open on `sorgente` to `destinazione` as one consistent snapshot
// (SQLite's VACUUM INTO), written to a temporary file of the target folder, flushed, and
// renamed into place: on any failure the target keeps what it had (or stays absent).
// A failure is a database error with the Italian reason.
Esito CopiaDatabaseSicura(QSqlDatabase& sorgente, const QString& destinazione);

// ApriUltimo of Settaggi: the full path of the last portfolio opened or saved, "0" for none.
// An unreadable row reads as "0".
QString LeggiApriUltimo(const QSqlDatabase& dataset);
Esito ScriviApriUltimo(QSqlDatabase& dataset, const QString& percorso);
