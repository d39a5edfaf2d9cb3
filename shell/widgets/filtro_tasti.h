#pragma once
// Puts the key filters on line edits: a key the filter swallows never reaches the box.
class QLineEdit;

// Keeps !@#$%^&*()_+-=' out of the box, with a beep.
void ApplicaFiltroCaratteri(QLineEdit* casella);

// Digits with the decimal comma: at most maxInt before the comma and maxDec after it.
void ApplicaFiltroNumero(QLineEdit* casella, int maxInt, int maxDec);
