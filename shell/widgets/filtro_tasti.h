#pragma once
// Puts the key filters on line edits: a key the filter swallows never reaches the box.
class QComboBox;
class QLineEdit;

// Keeps !@#$%^&*()_+-=' out of the box, with a beep.
void ApplicaFiltroCaratteri(QLineEdit* casella);
// The same for an editable combo: typed keys reach the combo, which hands them to its
// line edit directly, so the filter sits on both.
void ApplicaFiltroCaratteri(QComboBox* combo);

// Digits with the decimal comma: at most maxInt before the comma and maxDec after it.
void ApplicaFiltroNumero(QLineEdit* casella, int maxInt, int maxDec);
