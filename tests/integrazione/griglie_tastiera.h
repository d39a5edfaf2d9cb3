#pragma once
// What the keyboard does in any window's grids: Tab and Shift+Tab leave a grid the user only
// reads, without moving its current row; in an editable grid Tab walks the cells.
#include <QStringList>

class QWidget;

// The grids of the window that keep Tab to themselves or let it move their row, one line
// each; empty when every grid behaves. `provate` gets the name of each grid tried.
QStringList DifettiDiTastiera(QWidget* finestra, QStringList* provate = nullptr);
