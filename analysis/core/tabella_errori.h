#pragma once
// The statistics' share of the error catalogue's SQL: reading the rows, rewriting the
// counters and missed gains, and the grid's view.
#include "esito.h"
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>

#include <vector>

struct RigaErrore {
    QString Cod;
    QString Descrizione;
    long long Contatore = 0;
    double Importo = 0;

    bool operator==(const RigaErrore&) const = default;
};

// Every row in catalogue order (rowid); the first is the no-error code.
Lettura<RigaErrore> LeggiErrori(const QSqlDatabase& dataset);

// Writes Contatore and Importo of every row from `catalogo` (one entry per row, in
// catalogue order, as LeggiErrori gave them), in one transaction: on failure nothing changes.
Esito ScriviContatoriErrori(QSqlDatabase& dataset, const std::vector<RigaErrore>& catalogo);

// The grid of the error window: by descending count, ties in catalogue order.
inline const QString SqlGrigliaErrori
    = QStringLiteral("SELECT Cod, Descrizione, Importo, Contatore FROM Errori ORDER BY Contatore DESC, rowid");
