#pragma once
#include "mdi_form1.h"

#include <memory>

// The interactive start: opens the settings of the program folder and builds the main
// window. When the settings cannot be used, or another copy of the program runs in the
// same folder, the user is told why and no window is built. Installs Qt's Italian texts
// and the program's icon.
std::unique_ptr<MDIForm1> AvviaProgramma(StatoApplicazione& stato, const QString& cartella, Messaggi& messaggi,
                                         DialogoFile& dialoghi);
