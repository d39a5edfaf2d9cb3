#pragma once
// The rows of a settings table that a grid edits in place, each told apart by SQLite's rowid:
// the tables declare no key, and two rows may hold the same values, so a row is reached by
// its rowid and never by what it holds.
#include "esito.h"
#include "lettura.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// Why a write to a row was refused: the row is no longer in the table.
inline const QString RigaTabellaSparita = QStringLiteral("La riga non si trova più nella tabella.");

struct RigaTabella {
    qint64 rowid = 0;
    QVariantList valori; // one per field asked for, in that order
};

// Every row of `tabella`, in insertion order, with the given fields.
Lettura<RigaTabella> LeggiRigheTabella(const QSqlDatabase& db, const QString& tabella, const QStringList& campi);

// The one row with this rowid; no row when it is gone.
Lettura<RigaTabella> LeggiRigaTabella(const QSqlDatabase& db, const QString& tabella, const QStringList& campi,
                                      qint64 rowid);

// One field of one row. Refused when the row is no longer there.
Esito ScriviCampoTabella(QSqlDatabase& db, const QString& tabella, qint64 rowid, const QString& campo,
                         const QVariant& valore);

// A new row holding `valore` in `campo` and the table's defaults elsewhere; `rowid` receives its key.
Esito AggiungiRigaTabella(QSqlDatabase& db, const QString& tabella, const QString& campo, const QVariant& valore,
                          qint64* rowid);

// Deletes these rows in one transaction: all of them, or (refused when one is gone) none.
Esito EliminaRigheTabella(QSqlDatabase& db, const QString& tabella, const QList<qint64>& rowid);
