#pragma once
#include "esito.h"
#include "stato_applicazione.h"

#include <QSqlDatabase>

// Replays Eseguiti by date and tells whether every sell was covered: accepted when it was,
// refused with the text about the first sell that was not (or the first trade that is not
// valid), a database error when the history could not be read.
[[nodiscard]] Esito VerificaDisponibilita(const QSqlDatabase& portafoglio);

// The same check on the open portfolio; a refusal's text also goes to MessaggioDisponibilita,
// which is otherwise left untouched.
[[nodiscard]] Esito ControlloDisponibilita(StatoApplicazione& stato);
