#pragma once
// The arithmetic of the position engine, without any database: trades go in one at a
// time in replay order, closed operations come out, and the open positions and error
// counts are there to be written at the end.
#include "commissione.h"
#include "tabella_operazioni_chiuse.h"
#include "tabella_portafoglio.h"

#include <QDate>
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
    // As stored, NaN when not stored as a number: the replay checks each one.
    double Qta = 0;    // a whole number in range
    double Prezzo = 0;
    double Importo = 0;
    QString Errore;
    double PrezzoOttimale = 0; // read only to be checked; an empty cell is 0
};

// The rows the replay derives are the rows of the tables it derives: an open position is a
// row of Portafoglio, a closed operation one of OperazioniChiuse (its Errore and
// PrezzoOttimale left empty).
struct Passo {
    std::optional<RigaOperazioneChiusa> chiusa; // every sell of a held code gives one
    QString messaggio;                        // not empty: the replay stops at this trade
};

class ReplayPosizioni {
public:
    // `tariffe`: the first row of System for each code; `catalogo`: the error codes that count.
    ReplayPosizioni(QHash<QString, Tariffa> tariffe, const QSet<QString>& catalogo);

    // Applies one trade. After a step with a message nothing more may be applied. A trade
    // that is not valid (see eseguito_valido.h) stops the replay and changes nothing.
    [[nodiscard]] Passo Applica(const Eseguito& e);
    // The same, for a caller that has already read the trade's date (date::DaIso(e.Data)).
    [[nodiscard]] Passo Applica(const Eseguito& e, const QDate& giorno);

    // The open positions in the order their rows would stand in Portafoglio: a position
    // closed and opened again goes after every position that was open meanwhile.
    std::vector<RigaPortafoglio> Posizioni() const;

    // Every catalogue code with the number of trades applied so far that carry it.
    const QHash<QString, qint64>& Conteggi() const { return conteggi_; }

private:
    struct Riga {
        RigaPortafoglio posizione;
        quint64 ordine = 0;
    };

    double Commissione(const Eseguito& e, double qta) const;
    // Trades come in date order, so the last date read is nearly always the next one.
    void GiornoDi(const QString& data, const QDate* giorno);
    Passo ApplicaDelGiorno(const Eseguito& e);

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
