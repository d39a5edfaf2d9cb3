#pragma once
// The grids the user reads but does not edit. Tab and Shift+Tab go on to the next and the
// previous control, as from any field, so that walking a window never changes the row the
// panel beside the grid works on; the current row moves with the arrows, PgUp/PgDn and
// Home/End (with or without Ctrl: first and last row).
class QTableView;

void GrigliaSolaLettura(QTableView* griglia);
