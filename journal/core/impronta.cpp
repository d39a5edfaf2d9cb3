#include "impronta.h"

#include "istruzione_sqlite.h"

#include <sqlite3.h>

Impronta ImprontaDi(const QSqlDatabase& db)
{
    Impronta impronta;
    sqlite3* maniglia = ManigliaSqlite(db);
    // Inside a transaction the rows written may still be taken back, and a rollback counts
    // as no change: such a state is not one to build on.
    if (!maniglia || !sqlite3_get_autocommit(maniglia))
        return impronta;
    IstruzioneSqlite versione(maniglia, "SELECT * FROM pragma_data_version(), pragma_schema_version()");
    if (!versione.Riga())
        return impronta;
    impronta.maniglia = maniglia;
    // The handle alone may be reused by a connection opened later on another file.
    const char* file = sqlite3_db_filename(maniglia, "main");
    impronta.file = QString::fromUtf8(file ? file : "");
    impronta.modifiche = sqlite3_total_changes64(maniglia);
    impronta.versione = versione.Intero(0);
    impronta.schema = versione.Intero(1);
    return impronta;
}
