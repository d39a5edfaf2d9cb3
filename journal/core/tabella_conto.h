#pragma once
// The one owner of Conto's SQL: the movements of the securities cash account.
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>

struct ColConto {
    enum : int { ID, Data, Tipo, Importo, Descrizione, Numero };
};

inline const QString SqlColonneConto = QStringLiteral("ID, Data, Tipo, Importo, Descrizione");

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
