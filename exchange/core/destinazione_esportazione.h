#pragma once
// Which files an export may write: never one of the program's own databases.
#include "stato_applicazione.h"

#include <QString>

// "" when `percorso` may be replaced by an export; otherwise the Italian reason: it is the
// open portfolio, the settings file or the scratch portfolio, which the export would
// delete before writing.
QString VerificaDestinazioneEsportazione(const QString& percorso, const StatoApplicazione& stato);
