#pragma once
// The arithmetic of the position engine, without any database: trades go in one at a
// time in replay order, closed operations come out, and the open positions and error
// counts are there to be written at the end.
#include <QHash>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

namespace motore {

struct Eseguito {
    QString Data;      // ISO text as stored
    QString Tipo;
    QString System;
    QString Cod;
    QString Titolo;
    double Qta = 0;    // as stored: the replay checks that it is a whole number in range
    double Prezzo = 0;
    double Importo = 0;
    QString Errore;
};

// Commission rule of a trading system: per mille of the traded amount, with a minimum.
struct Tariffa {
    double Commissioni = 0;
    double CommissioniMin = 0;
};

struct PosizioneAperta {
    QString System;
    QString Cod;
    QString Titolo;
    qint64 Qta = 0;
    double PzoCarico = 0;
    double Importo = 0;
    double Commissioni = 0;

    bool operator==(const PosizioneAperta&) const = default;
};

struct OperazioneChiusa {
    QString Data;                           // ISO date of the sell
    std::optional<int> giornoDiSettimana;   // Sunday = 1; none when the date is not a date
    QString System;
    QString Cod;
    QString Titolo;
    double PzoCarico = 0;
    qint64 Qta = 0;
    double Prezzo = 0;
    double GP = 0;
    double GPPercentuale = 0;
    double Commissioni = 0;

    bool operator==(const OperazioneChiusa&) const = default;
};

struct Passo {
    std::optional<OperazioneChiusa> chiusa;   // every sell of a held code gives one
    QString messaggio;                        // not empty: the replay stops at this trade
};

class ReplayPosizioni {
public:
    // `tariffe`: the first row of System for each code; `catalogo`: the error codes that count.
    ReplayPosizioni(QHash<QString, Tariffa> tariffe, const QSet<QString>& catalogo);

    // Applies one trade. After a step with a message nothing more may be applied. A trade
    // that is not valid (see eseguito_valido.h) stops the replay and changes nothing.
    Passo Applica(const Eseguito& e);

    // The open positions in the order their rows would stand in Portafoglio: a position
    // closed and opened again goes after every position that was open meanwhile.
    std::vector<PosizioneAperta> Posizioni() const;

    // Every catalogue code with the number of trades applied so far that carry it.
    const QHash<QString, qint64>& Conteggi() const { return conteggi_; }

private:
    struct Riga {
        PosizioneAperta posizione;
        quint64 ordine = 0;
    };

    double Commissione(const Eseguito& e, double qta) const;
    // Trades come in date order, so the last date read is nearly always the next one.
    void GiornoDi(const QString& data);

    QHash<QString, Tariffa> tariffe_;
    QHash<QString, qint64> conteggi_;
    QHash<QString, Riga> posizioni_;
    quint64 prossimoOrdine_ = 0;

    QString ultimaData_;
    QString ultimaDataIso_;
    std::optional<int> ultimoGiorno_;
    bool dataLetta_ = false;
};

} // namespace motore
