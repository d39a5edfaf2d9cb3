#pragma once
// Which files an export may write: never a database in use.
#include "esito.h"
#include "stato_applicazione.h"

#include <QString>

// Accepted when `percorso` may be replaced by an export; otherwise refused with the Italian
// reason: it is the open portfolio, the settings file, the scratch portfolio or a portfolio
// open in another copy of the program, which the export would replace under it.
Esito VerificaDestinazioneEsportazione(const QString& percorso, const StatoApplicazione& stato);
