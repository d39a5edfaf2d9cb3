#pragma once
// One step of a progress bar that starts again from zero when it is full: the import and the
// exports move it once per row without knowing how many rows there are.
#include <QProgressBar>

inline void AvanzaBarra(QProgressBar* barra, int& contatore)
{
    if (barra->maximum() <= contatore) {
        contatore = 0;
        barra->setValue(0);
    } else {
        ++contatore;
        barra->setValue(contatore);
    }
}
