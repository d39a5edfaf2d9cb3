#pragma once
// Files no command may write over: the program's own.
#include "esito.h"

#include <QString>

// The settings file and the scratch portfolio are the program's own: writing over them
// would lose the settings or the untitled work, wherever the folder. Accepted when `scelto`
// is neither; otherwise refused with the Italian reason.
Esito FileDelProgrammaRifiutato(const QString& scelto, const QString& cartellaProgramma);

// What stops the last file of the settings from being opened as a portfolio: a folder, or
// the settings file (which this run holds locked). Accepted otherwise, missing files
// included: their message is the open-last command's own.
Esito UltimoFileRifiutato(const QString& ultimo, const QString& cartellaProgramma);
