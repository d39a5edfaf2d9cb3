#pragma once
// Runs one SELECT on the SQLite handle and turns each row into a typed row: the table
// readers share it, so every reader fails the same way.
#include "esito.h"
#include "istruzione_sqlite.h"
#include "lettura.h"

// Hands each row of the statement to `usa` as it is read, for a caller that sums or writes
// as it goes instead of holding the table. The error's text, or "" when every row was read.
template <class Usa>
QString PercorriRighe(const QSqlDatabase& db, const QString& sql, Usa usa)
{
    sqlite3* maniglia = ManigliaSqlite(db);
    if (!maniglia)
        return QStringLiteral("Errore del database: il file non è aperto.");
    IstruzioneSqlite istruzione(maniglia, sql.toUtf8().constData());
    while (istruzione.Riga())
        usa(istruzione);
    return istruzione.ok() ? QString() : TestoErroreDatabase(istruzione.errore());
}

template <class Riga, class Converti>
Lettura<Riga> LeggiRighe(const QSqlDatabase& db, const QString& sql, Converti converti)
{
    Lettura<Riga> lettura;
    lettura.errore = PercorriRighe(db, sql, [&](const IstruzioneSqlite& s) { lettura.righe.push_back(converti(s)); });
    if (!lettura.ok())
        lettura.righe.clear();
    return lettura;
}

// The whole number the statement's one row holds (a COUNT), into `n`; the error's text, or "".
inline QString ContaRighe(const QSqlDatabase& db, const QString& sql, qint64& n)
{
    n = 0;
    return PercorriRighe(db, sql, [&](const IstruzioneSqlite& s) { n = s.Intero(0); });
}
