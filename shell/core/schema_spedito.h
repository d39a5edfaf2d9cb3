#pragma once
// What the schema of a shipped database holds, read from the SQL the shipped files are built
// from, so that the check of an opened file can never drift from it.
#include "database.h"
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One row of sqlite_master.
struct OggettoSchema {
    QString tipo; // "table", "index", "view" or "trigger"
    QString nome;
    QString tabella; // the table it belongs to (tbl_name)
    QString sql; // the statement that made it; empty for the automatic indexes
};

// The objects of the shipped file of that kind.
Lettura<OggettoSchema> SchemaSpedito(TipoDatabase tipo);

// The objects of the file open on `db`, in the order of sqlite_master.
Lettura<OggettoSchema> LeggiSchema(const QSqlDatabase& db);

// How a file's schema differs from the shipped one.
struct DifferenzeSchema {
    // The first object the shipped file has nothing like: a trigger, a view, an index, a
    // table, or one of our names made as another kind of object.
    std::optional<OggettoSchema> estraneo;
    QStringList mancanti; // names of shipped objects the file lacks, in shipped order
    QStringList diversi; // names of shipped objects the file made by another statement
};
DifferenzeSchema ConfrontaSchema(const std::vector<OggettoSchema>& file, const std::vector<OggettoSchema>& spedito);

// The statement with its comments dropped and each run of blanks outside quotes made one
// blank: two spellings of one statement that differ only there are equal.
QString SqlNormalizzato(const QString& sql);
