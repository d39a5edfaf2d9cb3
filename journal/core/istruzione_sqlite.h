#pragma once
// Statements run straight on the SQLite handle of a Qt connection. Used where a replay
// reads or writes one row per trade: Qt's per-value conversions would cost more than
// the work itself. Same connection, so same transaction and same uncommitted rows.
#include <QByteArrayView>
#include <QSqlDatabase>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// The connection's handle; nullptr when it is not an open SQLite connection.
sqlite3* ManigliaSqlite(const QSqlDatabase& db);

class IstruzioneSqlite {
public:
    IstruzioneSqlite(sqlite3* db, const char* sql);
    ~IstruzioneSqlite();
    IstruzioneSqlite(const IstruzioneSqlite&) = delete;
    IstruzioneSqlite& operator=(const IstruzioneSqlite&) = delete;

    // False once preparing, binding or stepping failed; errore() tells why.
    bool ok() const { return ok_; }
    QString errore() const { return errore_; }

    // Parameters count from 1, as in the SQL.
    void Lega(int indice, qint64 valore);
    void Lega(int indice, double valore);
    void Lega(int indice, const QString& valore);   // an empty text is bound as '', never NULL
    void LegaNull(int indice);

    // Runs a statement that returns no rows, ready to run again with new values.
    bool Esegui();
    // The next row of a query; false at the end or on failure (then ok() is false).
    bool Riga();

    // Columns count from 0. A NULL reads as "" or 0; a whole number stored as a decimal
    // one rounds halves to even.
    QString Testo(int colonna) const;
    // The column's UTF-8 bytes, valid until the next row: for comparing without converting.
    QByteArrayView Byte(int colonna) const;
    qint64 Intero(int colonna) const;
    double Reale(int colonna) const;
    // The value when it is stored as a number; NaN for a text (even '12.5' where the column
    // could not take it as a number), a blob or a NULL, which a reader must not take for 0.
    double Numero(int colonna) const;
    bool Nullo(int colonna) const;
    // The stored type of the value: SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL.
    int Tipo(int colonna) const;

private:
    void Fallito();

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    bool ok_ = false;
    QString errore_;
};
