#pragma once
// The database-copy export: a consistent copy of the open portfolio that keeps, of the
// three exportable tables, only the ticked ones (Conto always stays). An SQLite database
// whatever the extension of the file name.
#include "esportazione.h"

#include <QSqlDatabase>
#include <QString>

// The open portfolio is read, never closed or written. `percorso` gets the copy only once it
// holds what was asked for: after a failure, or a kill at any point, it holds what it held.
EsitoEsportazione EsportaCopiaDatabase(const QSqlDatabase& portafoglio, const QString& percorso,
                                       const TabelleScelte& scelte);
