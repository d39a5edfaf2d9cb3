#pragma once
#include "esito.h"
#include "stato_applicazione.h"

#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QString>

#include <optional>

// The holding check one trade at a time, in replay order (by date, same-day trades by key):
// the check's own pass, and the one pass of a confirmation that feeds the engine as well.
class ControlloPosseduti {
public:
    // The refusal that stops the check at this trade; none when the trade passes.
    // `giorno`: the date as date::DaIso reads it, when the caller has read it already.
    [[nodiscard]] std::optional<QString> Applica(const QString& data, const QString& tipo, const QString& cod,
                                                 double qta, const QDate* giorno = nullptr);

private:
    // A sold-out code keeps its entry at 0, so a later sell reports what is left.
    QHash<QString, qint64> possedute_;
    // Trades come by date: the last date read is nearly always the next one.
    QString ultimaData_;
    bool ultimaValida_ = false;
    bool primaRiga_ = true;
};

// Replays Eseguiti by date and tells whether every sell was covered: accepted when it was,
// refused with the text about the first sell that was not (or the first trade that is not
// valid), a database error when the history could not be read.
[[nodiscard]] Esito VerificaDisponibilita(const QSqlDatabase& portafoglio);

// The same check on the open portfolio.
[[nodiscard]] Esito ControlloDisponibilita(StatoApplicazione& stato);
