#pragma once
#include "stato_applicazione.h"

// Opens DataSet.gvx of the program folder `cartella` into stato.DbDataSet.
// Empty on success; otherwise the Italian text that explains why the program cannot start.
// A missing file is never created.
QString ApriImpostazioni(StatoApplicazione& stato, const QString& cartella);
