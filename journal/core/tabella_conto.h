#pragma once
// The one owner of Conto's SQL: the movements of the securities cash account.
#include "colonne_portafoglio.h"
#include "esito.h"
#include "lettura.h"

#include <QDate>

#include <QSqlDatabase>
#include <QString>

struct ColConto {
    enum : int { ID, Data, Tipo, Importo, Descrizione, Numero };
};

static_assert(ColonneConto.size() == ColConto::Numero);

inline const QString SqlColonneConto = ElencoColonne(ColonneConto);

struct RigaConto {
    qint64 ID = 0;
    QString Data;   // ISO text as stored
    QString Tipo;   // "Dividendi", "Versamento", "Prelievo" or "Costi di gestione"
    double Importo = 0;
    QString Descrizione;

    bool operator==(const RigaConto&) const = default;
};

// The account window's grid: by date, same-day movements in key order, so positions are stable.
inline const QString SqlGrigliaConto =
    QStringLiteral("SELECT ") + SqlColonneConto + QStringLiteral(" FROM Conto ORDER BY Data, ID");

enum class OrdineConto {
    PerId,        // the order of insertion
    PerDataEId    // the account window's order: by date, same-day movements in key order
};

Lettura<RigaConto> LeggiConto(const QSqlDatabase& portafoglio, OrdineConto ordine = OrdineConto::PerId);

// The writes of the account window: one movement inserted, changed or deleted.
struct MovimentoConto {
    QDate Data;
    QString Tipo;          // one of the four kinds
    double Importo = 0;    // positive; the kind gives the direction
    QString Descrizione;   // "." when the user gave none
};

// A kind outside the four, a negative or non-finite amount or an invalid date is refused;
// an empty description is stored as ".". `id`, when given, receives the new key.
Esito InserisciMovimento(QSqlDatabase& portafoglio, const MovimentoConto& m, qint64* id = nullptr);
Esito ModificaMovimento(QSqlDatabase& portafoglio, qint64 id, const MovimentoConto& m);
Esito EliminaMovimento(QSqlDatabase& portafoglio, qint64 id);
