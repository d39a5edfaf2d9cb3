#pragma once
// The outcome of a command that can be refused or can fail: its kind, and the Italian text
// to show the user. A refusal is the program's own "no" (a sell beyond the holding, bad
// input); a database error means the file could not be read or written.
#include <QString>

#include <utility>

// The text shown for a database failure, with the driver's own detail.
inline QString TestoErroreDatabase(const QString& dettaglio)
{
    return QStringLiteral("Errore del database: %1").arg(dettaglio);
}

struct [[nodiscard]] Esito {
    enum class Tipo { Accettato, Rifiutato, ErroreDatabase };

    Tipo tipo = Tipo::Accettato;
    QString messaggio;   // empty when accepted

    static Esito accettato() { return {}; }
    static Esito rifiutato(QString testo) { return {Tipo::Rifiutato, std::move(testo)}; }
    static Esito erroreDatabase(QString testo) { return {Tipo::ErroreDatabase, std::move(testo)}; }

    bool ok() const { return tipo == Tipo::Accettato; }
    bool rifiutato() const { return tipo == Tipo::Rifiutato; }
    bool erroreDatabase() const { return tipo == Tipo::ErroreDatabase; }
};
