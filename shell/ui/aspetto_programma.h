#pragma once
// What the whole program looks like beyond its own windows: Qt's standard texts in Italian
// and the program's icon.
#include <QIcon>

// Installs Qt's Italian translation (file dialogs, standard buttons, context menus) once.
// False when the translation is not installed; the texts then stay in English.
bool CaricaTraduzioneQt();

// The program's icon, for the main window, its children and the dialogs.
QIcon IconaProgramma();
