#pragma once
// The position engine's runs on the databases: the rebuild of the derived tables, and the
// one pass of a trade confirmation that checks the holdings and replays the engine together.
#include "esito.h"
#include "impronta.h"
#include "replay_posizioni.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// What one replay of the whole history derived, and the state of both databases when it
// read them: while neither has changed, writing these rows is what a run would do.
struct RicalcoloPronto {
    Impronta portafoglio;
    Impronta dataset;
    std::vector<RigaOperazioneChiusa> chiuse;
    std::vector<RigaPortafoglio> posizioni;
    QHash<QString, qint64> conteggi;
    QString messaggio; // the message that stopped the replay, or ""
    // Left by the run that wrote from it: the portfolio's state once the derived tables were
    // written, which touched nothing else.
    Impronta dopo;
};

// Rebuilds Portafoglio, OperazioniChiuse and Errori.Contatore from the whole of Eseguiti.
// Accepted when the replay reached the last trade, otherwise refused with the message that
// stopped it; what was written up to the offending trade is kept. On a database error
// nothing of this run stays in either database and the text starts with "Errore del database: ".
// Both files are written in one transaction of `portafoglio`, with the settings file
// attached to it; inside a caller's transaction the run is part of it.
// `pronto`, when both databases are still as it found them, stands for the replay; the run
// then sets its `dopo`. Rows that already hold what the run derives are left as they are.
[[nodiscard]] Esito RicalcolaPortafoglio(QSqlDatabase& dataset, QSqlDatabase& portafoglio,
                                         RicalcoloPronto* pronto = nullptr);

// One pass over Eseguiti, for a command that has just written it on `portafoglio` and not
// committed yet: the holding check's verdict (see controllo_posseduti.h) and, when it
// accepts, the engine's replay of the same rows, ready for the rebuild. The fingerprint of
// the portfolio is for the caller to set once it has committed.
struct PassaggioStoria {
    Esito controllo;
    std::shared_ptr<RicalcoloPronto> ricalcolo; // when accepted
    qint64 righe = 0; // the trades read (all of them when accepted)
    std::optional<qint64> rigaCercato; // 0-based row of `cercato` in replay order
};
[[nodiscard]] PassaggioStoria ControllaERiproduci(const QSqlDatabase& dataset, const QSqlDatabase& portafoglio,
                                                  std::optional<qint64> cercato);
