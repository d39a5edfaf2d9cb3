#pragma once
// Runs one SELECT on the SQLite handle and turns each row into a typed row: the table
// readers share it, so every reader fails the same way.
#include "esito.h"
#include "istruzione_sqlite.h"
#include "lettura.h"


template <class Riga, class Converti>
Lettura<Riga> LeggiRighe(const QSqlDatabase& db, const QString& sql, Converti converti)
{
    Lettura<Riga> lettura;
    sqlite3* maniglia = ManigliaSqlite(db);
    if (!maniglia) {
        lettura.errore = QStringLiteral("Errore del database: il file non è aperto.");
        return lettura;
    }
    IstruzioneSqlite istruzione(maniglia, sql.toUtf8().constData());
    while (istruzione.Riga())
        lettura.righe.push_back(converti(istruzione));
    if (!istruzione.ok()) {
        lettura.righe.clear();
        lettura.errore = TestoErroreDatabase(istruzione.errore());
    }
    return lettura;
}
