#pragma once
// A digest of every value a query returns, storage type included: a grid that showed the rows
// of one digest shows the same for an equal one, so it need not load them again. Reading the
// raw values costs a fraction of what a grid's model spends on loading them.
#include <QSqlDatabase>
#include <QString>

#include <optional>

struct ImprontaRighe {
    quint64 a = 0;
    quint64 b = 0;
    qint64 righe = 0;

    bool operator==(const ImprontaRighe&) const = default;
};

// None when the query cannot be run to its end.
std::optional<ImprontaRighe> ImprontaRigheDi(const QSqlDatabase& db, const QString& sql);
// The same, and in `inizio` the digest of the first `righeInizio` rows alone, as a query that
// returned only them would have it; when the query returns fewer rows, `inizio` is that of none.
std::optional<ImprontaRighe> ImprontaRigheDi(const QSqlDatabase& db, const QString& sql, qint64 righeInizio,
                                             ImprontaRighe& inizio);
