#pragma once
#include "stato_applicazione.h"

#include "esito.h"

// Opens DataSet.gvx of the program folder `cartella` into stato.DbDataSet.
// When not accepted, the Italian text explains why the program cannot start.
// A missing file is never created. The program folder is locked for this run: a second
// start in the same folder is refused with "Brunivox è già in esecuzione.". The temporary
// files that killed copies left in the folder are removed.
Esito ApriImpostazioni(StatoApplicazione& stato, const QString& cartella);
