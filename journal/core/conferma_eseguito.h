#pragma once
// The data work of the trade window: its snapshot of the history, the reads that fill
// its panel, and the confirm command that inserts, changes or deletes a trade and
// takes the change back when the holding check refuses it.
#include "esito.h"
#include "impronta.h"
#include "motore.h"
#include "pannello_eseguito.h"
#include "stato_applicazione.h"
#include "tabella_eseguiti.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace eseguiti {

// Makes EseguitiTemp equal to Eseguiti, keys included, in one transaction.
// A failure is a database error, and leaves the snapshot unchanged.
[[nodiscard]] Esito RicostruisciFotografia(QSqlDatabase& portafoglio);

// The snapshot as the grid lists it: same-day trades in key order.
[[nodiscard]] Lettura<RigaEseguito> LeggiFotografia(const QSqlDatabase& portafoglio);

// The codes of the system and error combos, in the catalogues' own order.
[[nodiscard]] Lettura<QString> LeggiCodiciSystem(const QSqlDatabase& dataset);
[[nodiscard]] Lettura<QString> LeggiCodiciErrori(const QSqlDatabase& dataset);

// The quantity held of a code; no value when no position has it (or Portafoglio cannot be read).
[[nodiscard]] std::optional<long long> QuantitaPosseduta(const QSqlDatabase& portafoglio, const QString& cod);

enum class Modo { Nuovo, Modifica, Elimina };

struct RichiestaConferma {
    Modo modo = Modo::Nuovo;
    DatiPannello dati;
    std::optional<qint64> id;   // key of the grid's current trade; none when the grid is empty
    int riga = 0;               // that trade's 0-based row in the grid
    // When the caller's snapshot was last made equal to Eseguiti: unchanged since, it need
    // not be compared row by row.
    std::optional<Impronta> fotografia = std::nullopt;
};

struct EsitoConferma {
    // Accepted: written and committed. Refused by the holding check: the history is as the
    // snapshot had it. Refused with datiNonValidi: nothing was written and the panel should
    // stay as typed. A database error (or any other failure): everything was rolled back.
    Esito esito;
    bool datiNonValidi = false;
    int RigaCorrente = 0;  // the grid row to show once the window has refreshed
    bool storicoVuoto = false;  // no trade left after the command
    // Once the command has committed, the snapshot equals Eseguiti at this fingerprint.
    std::optional<Impronta> fotografia;
    // An accepted change as the snapshot took it: the trade written (none for a deletion),
    // and whether every trade of its code took its new name.
    std::optional<RigaEseguito> scritto;
    bool rinominato = false;
    // The replay the check made, for the refresh that follows; none when it could not replay.
    std::shared_ptr<RicalcoloPronto> ricalcolo;

    // The four outcomes the window tells apart.
    enum class Stato { Accettato, Rifiutato, DatiNonValidi, Errore };
    Stato stato() const
    {
        if (esito.ok())
            return Stato::Accettato;
        if (esito.rifiutato())
            return datiNonValidi ? Stato::DatiNonValidi : Stato::Rifiutato;
        return Stato::Errore;
    }
    // The text to show; empty when accepted.
    const QString& messaggio() const { return esito.messaggio; }
};

// Runs the holding check on stato.DbPortafoglio: accepted, refused (its text also left in
// stato.MessaggioDisponibilita) or a database error. Called inside the command's open transaction.
using ControlloStoria = std::function<Esito(StatoApplicazione&)>;

// Applies the mode to Eseguiti. The write, the holding check and, on refusal, the restore
// of Eseguiti from the snapshot all happen in one transaction of the portfolio connection,
// so no failure part-way can leave the history damaged. On acceptance the snapshot is
// brought up to date in the same transaction; when no trade is left, the derived tables
// are emptied and the error counters set to 0 in it too (the refresh does not run the
// engine on an empty history), with the settings file attached so one commit covers both.
// With the holding check of its own, the check's pass also replays the engine, and the
// replay is handed on in the result, for the refresh that follows.
[[nodiscard]] EsitoConferma ConfermaEseguito(StatoApplicazione& stato, const RichiestaConferma& richiesta,
                                             const ControlloStoria& controllo = {});

} // namespace eseguiti
