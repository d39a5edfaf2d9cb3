#pragma once
// The trade panel read once: its texts as the user left them, their numbers, and the trade
// they make or the message that refuses it.
#include <QDate>
#include <QString>

#include <optional>

namespace eseguiti {

// The panel's values as the user left them; numbers are the typed texts (decimal comma).
struct DatiPannello {
    QDate Data;
    QString Tipo;
    QString System;
    QString Cod;
    QString Titolo;
    QString Qta;
    QString Prezzo;
    QString Errore;
    QString PrezzoOttimale; // empty: the trade takes its own price
};

// Each number of the panel, read as typed and in every form the panel itself writes them
// ("3E+20", as a stored trade comes back); none where the text is no number.
struct NumeriPannello {
    std::optional<double> Qta;
    std::optional<double> Prezzo;
    std::optional<double> PrezzoOttimale;
};

NumeriPannello LeggiNumeri(const DatiPannello& dati);

// A trade the panel may write, its numbers as typed.
struct EseguitoPannello {
    QDate Data;
    QString Tipo;
    QString System;
    QString Cod;
    QString Titolo;
    qint64 Qta = 0;
    double Prezzo = 0;
    double Importo = 0; // quantity times price, finite
    QString Errore;
    double PrezzoOttimale = 0; // the price itself when the panel leaves it empty
};

// The panel's trade, or the reason it cannot be written: the first fault in the panel's
// order, from the date to the error code.
struct LetturaPannello {
    std::optional<EseguitoPannello> eseguito;
    QString rifiuto;
};

[[nodiscard]] LetturaPannello LeggiPannello(const DatiPannello& dati);

} // namespace eseguiti
