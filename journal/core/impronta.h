#pragma once
// A cheap test of "nothing changed since": two equal fingerprints of a connection mean that
// no row or table was changed through it, and no other connection committed to its main
// file, in between. Work done at the first can then be reused at the second instead of done again.
#include <QSqlDatabase>
#include <QString>

struct sqlite3;

struct Impronta {
    sqlite3* maniglia = nullptr;
    QString file;
    qint64 modifiche = -1; // rows written through the connection since it was opened
    qint64 versione = -1; // changes when another connection commits to the file
    qint64 schema = -1; // changes with the tables themselves

    // Never equal when either side could not be read.
    bool operator==(const Impronta& altra) const
    {
        return maniglia && maniglia == altra.maniglia && file == altra.file && modifiche == altra.modifiche
            && versione == altra.versione && schema == altra.schema;
    }
};

// The connection's fingerprint now; one that equals no other when it is not an open SQLite
// connection, cannot be read, or is inside a transaction.
[[nodiscard]] Impronta ImprontaDi(const QSqlDatabase& db);
