#pragma once
// The one owner of OperazioniChiuse's SQL: one closed operation per sell, in replay order.
#include "colonne_portafoglio.h"
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

struct ColOperazioniChiuse {
    enum : int {
        Data, giornoDiSettimana, System, Cod, Titolo, PzoCarico, Qta, Prezzo, GP, GPPercentuale, Commissioni,
        Errore, PrezzoOttimale, Numero
    };
};

static_assert(ColonneOperazioniChiuse.size() == ColOperazioniChiuse::Numero);

inline const QString SqlColonneOperazioniChiuse = ElencoColonne(ColonneOperazioniChiuse);

// The closed-operation grid, in replay order.
inline const QString SqlGrigliaOperazioniChiuse =
    QStringLiteral("SELECT ") + SqlColonneOperazioniChiuse + QStringLiteral(" FROM OperazioniChiuse ORDER BY rowid");

struct RigaOperazioneChiusa {
    QString Data;                           // ISO date of the sell
    std::optional<int> giornoDiSettimana;   // Sunday = 1
    QString System;
    QString Cod;
    QString Titolo;
    double PzoCarico = 0;
    qint64 Qta = 0;
    double Prezzo = 0;
    double GP = 0;
    double GPPercentuale = 0;
    double Commissioni = 0;
    QString Errore;                         // the engine leaves these two empty
    std::optional<double> PrezzoOttimale;

    bool operator==(const RigaOperazioneChiusa&) const = default;
};

// The closed operations in the order the engine inserted them (rowid), which is the order
// every statistic reads them in.
Lettura<RigaOperazioneChiusa> LeggiOperazioniChiuse(const QSqlDatabase& portafoglio);
