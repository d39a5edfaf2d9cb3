#pragma once
// What a code or a system may hold, wherever it comes from: shown in grids and messages,
// stored, and written to the exports, it must read as the text it is.
#include <QString>

// Control characters (C0, DEL, C1), invisible format characters (bidirectional overrides
// and isolates, zero-width marks, the byte-order mark), the line and paragraph separators,
// surrogates without their pair and the non-characters: each changes how the text shows.
bool HaCaratteriDiControllo(const QString& testo);

// Begins with =, +, -, @, TAB or CR: a spreadsheet opening the text export would take it
// for a formula.
bool IniziaComeFormula(const QString& testo);
