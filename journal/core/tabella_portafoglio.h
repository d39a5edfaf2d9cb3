#pragma once
// The one owner of Portafoglio's SQL: the open positions the engine wrote.
#include "colonne_portafoglio.h"
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>

struct ColPortafoglio {
    enum : int { System, Cod, Titolo, Qta, PzoCarico, Importo, Commissioni, Numero };
};

static_assert(ColonnePortafoglio.size() == ColPortafoglio::Numero);

inline const QString SqlColonnePortafoglio = ElencoColonne(ColonnePortafoglio);

// The open-position grid, in the engine's order.
inline const QString SqlGrigliaPortafoglio =
    QStringLiteral("SELECT ") + SqlColonnePortafoglio + QStringLiteral(" FROM Portafoglio ORDER BY rowid");

struct RigaPortafoglio {
    QString System;
    QString Cod;
    QString Titolo;
    qint64 Qta = 0;
    double PzoCarico = 0;
    double Importo = 0;
    double Commissioni = 0;

    bool operator==(const RigaPortafoglio&) const = default;
};

// The positions in the order the engine wrote them (rowid).
Lettura<RigaPortafoglio> LeggiPortafoglio(const QSqlDatabase& portafoglio);
