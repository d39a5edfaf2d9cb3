#pragma once
// The character filter for an editable combo. Keys typed into a combo reach the combo,
// which hands them to its line edit directly, so a filter on the line edit alone never
// sees them: this one sits on the combo and on its line edit.
class QComboBox;

void ApplicaFiltroCaratteriCombo(QComboBox* combo);
