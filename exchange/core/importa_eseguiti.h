#pragma once
// The commit of imported trades into Eseguiti, one row at a time: each row is written,
// the history is checked, and on a problem the caller's question decides whether the row
// stays. All rows go in one transaction with a savepoint each, so an undone row leaves
// Eseguiti exactly as it was before it, keys included.
#include "esito.h"
#include "file_real_tick.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <vector>

// Asked with the full question text; true keeps the row ("Sì"), false undoes it.
using DomandaImportazione = std::function<bool(const QString& testo)>;
// Called after each row is written (the progress bar's step); false stops the import,
// and nothing of it is kept.
using PassoImportazione = std::function<bool()>;

struct EsitoImportazione {
    Esito esito; // refused or database error: the rows before the failing one stay
    int importati = 0; // rows left in Eseguiti
    int annullati = 0; // rows undone at the user's answer
    bool interrotta = false; // stopped by the step: Eseguiti is as it was before
};

// "Errore nei dati " + message + " importare comunque?"
QString DomandaDisponibilita(const QString& messaggio);

EsitoImportazione ImportaEseguiti(QSqlDatabase& portafoglio, const std::vector<RigaImportata>& righe,
                                  const DomandaImportazione& domanda, const PassoImportazione& passo = {});
