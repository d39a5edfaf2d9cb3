#pragma once
// The one owner of OperazioniChiuse's SQL: one closed operation per sell, in replay order.
#include "colonne_portafoglio.h"
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>
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

// What a reader fills: every field, or only the date, the weekday and the numbers, all that the
// statistics use; their texts are most of the cost of reading a long history.
enum class CampiChiuse { Tutti, Figure };

// The closed operations in the order the engine inserted them (rowid), which is the order
// every statistic reads them in. With `Figure`, System, Cod, Titolo and Errore stay empty.
Lettura<RigaOperazioneChiusa> LeggiOperazioniChiuse(const QSqlDatabase& portafoglio,
                                                    CampiChiuse campi = CampiChiuse::Tutti);
// Every field of the rows in the same order, handed to `usa` one at a time as they are read,
// for a writer that need not hold the table. The error's text, or "" when every row was read.
QString PercorriOperazioniChiuse(const QSqlDatabase& portafoglio,
                                 const std::function<void(const RigaOperazioneChiusa&)>& usa);
// The same into `lettura`, whose rows are replaced: a reader that comes back every refresh
// refills the memory it already has instead of faulting in a fresh table.
void RileggiOperazioniChiuse(const QSqlDatabase& portafoglio, CampiChiuse campi,
                             Lettura<RigaOperazioneChiusa>& lettura);

// How many rows the table has, into `righe`: the length of a long reading before it starts.
// The error's text, or "".
QString ContaOperazioniChiuse(const QSqlDatabase& portafoglio, qint64& righe);
