#pragma once
// The holding check: trades in replay order (by date, same-day trades by key), each refused
// when it cannot be replayed or sells more than is held. Holdings are per code, so a history
// can be checked code by code, and a check can stop at a trade and go on from there later.
#include <QDate>
#include <QHash>
#include <QString>

#include <optional>

// What the check holds of one code.
class PossedutaCodice {
public:
    // The refusal that stops the check at this trade of the code `cod`; none when it passes,
    // and then the holding moves by it. `dataValida`: whether `data` (ISO, as stored) reads as
    // a date; the caller may have read it already.
    [[nodiscard]] std::optional<QString> Applica(const QString& data, bool dataValida, const QString& cod,
                                                 bool acquisto, double qta);

private:
    qint64 pezzi_ = 0;
    // Bought once: a sold-out code reports what is left rather than that it is not held.
    bool nota_ = false;
};

// The check of a whole history, one trade at a time, every code in one pass.
class ControlloPosseduti {
public:
    // `giorno`: the date as date::DaIso reads it, when the caller has read it already.
    [[nodiscard]] std::optional<QString> Applica(const QString& data, const QString& tipo, const QString& cod,
                                                 double qta, const QDate* giorno = nullptr);

private:
    QHash<QString, PossedutaCodice> possedute_;
    // Trades come by date: the last date read is nearly always the next one.
    QString ultimaData_;
    bool ultimaValida_ = false;
    bool primaRiga_ = true;
};
