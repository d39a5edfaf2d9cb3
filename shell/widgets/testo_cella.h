#pragma once
// How a grid shows a stored value, on screen and to screen readers alike: numbers in the
// Italian plain form, NULL as an empty cell, anything else as its text.
#include <QString>
#include <QVariant>

// Whether a value read from the database is a number (integer or decimal).
bool ValoreNumerico(const QVariant& valore);

QString TestoCella(const QVariant& valore);
