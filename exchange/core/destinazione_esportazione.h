#pragma once
// Which files an export may write: never a database in use.
#include "stato_applicazione.h"

#include <QString>

// "" when `percorso` may be replaced by an export; otherwise the Italian reason: it is the
// open portfolio, the settings file, the scratch portfolio or a portfolio open in another
// copy of the program, which the export would delete before writing.
QString VerificaDestinazioneEsportazione(const QString& percorso, const StatoApplicazione& stato);
