#pragma once
// Key filters of the entry boxes. A key code is the character's code (8 = Backspace);
// the result is the key to let through, 0 when it is swallowed.
#include <QString>

inline constexpr int TastoBackspace = 8;

// Swallows the characters of !@#$%^&*()_+-=' (the quote would break stored texts).
int FiltraCaratteri(int keyAscii);

// Decimal numbers with the comma: at most maxInt digits before it and maxDec after it.
// `testo` is the box's whole text and `inizioSelezione` the caret position (selection start).
int FiltraNumero(const QString& testo, int inizioSelezione, int keyAscii, int maxInt, int maxDec);
