#pragma once
// A trade as the import reads it from a file, for the tests of the reader and of the commit.
#include "file_real_tick.h"

inline RigaImportata Riga(const QString& data, const QString& tipo, qint64 qta, const QString& cod, double prezzo,
                          const QString& system = QStringLiteral("WEB"))
{
    RigaImportata r;
    r.Data = data;
    r.Tipo = tipo;
    r.Qta = qta;
    r.Cod = cod;
    r.Prezzo = prezzo;
    r.System = system;
    return r;
}
