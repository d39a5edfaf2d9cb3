#pragma once
#include "stato_applicazione.h"

#include <QSqlDatabase>
#include <QString>

// Replays Eseguiti by date and tells whether every sell was covered: "" when it was,
// otherwise the text about the first sell that was not.
QString VerificaDisponibilita(const QSqlDatabase& portafoglio);

// The same check on the open portfolio; on failure its text goes to MessaggioDisponibilita,
// which is otherwise left untouched.
void ControlloDisponibilita(StatoApplicazione& stato);
