#pragma once
// The one way tests and the benchmark write trade rows: straight into a trade table,
// without the checks of the trade window, so that a fixture can hold any history.
// No GoogleTest here: the benchmark compiles this file too.
#include "esito.h"
#include "tabella_eseguiti.h"

#include <QSqlDatabase>
#include <QString>

#include <vector>

// A trade as the trade window stores it: Importo = Qta x Prezzo, PrezzoOttimale = Prezzo,
// and a key given by the table.
RigaEseguito RigaDiProva(const QString& data, const QString& tipo, const QString& system, const QString& cod,
                      const QString& titolo, qint64 qta, double prezzo, const QString& errore = QStringLiteral("NE"));

struct [[nodiscard]] EsitoSemina {
    Esito esito;
    std::vector<qint64> chiavi; // the key of each row written, in order
};

// Writes `righe` into `tabella` ("Eseguiti", "EseguitiTemp" or "EseguitiBackup"), all or
// nothing. A row whose ID is 0 takes the next key; an empty PrezzoOttimale is stored as NULL.
EsitoSemina SeminaEseguiti(QSqlDatabase& portafoglio, const std::vector<RigaEseguito>& righe,
                           const QString& tabella = QStringLiteral("Eseguiti"));
