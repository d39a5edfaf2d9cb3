#pragma once
// Grids sized by what they show: every column as wide as its caption and its widest cell,
// and the grid as wide as its columns, so that no figure is cut or hidden behind a scroll
// bar. A column of the user's own free text (a security's name, a description) keeps the
// width the window gives it, never less than its caption, and shows a cut text whole as a
// tooltip.
class QTableView;

// Marks a column as the user's free text.
void ColonnaTestoLibero(QTableView* griglia, int colonna);

// Sizes every shown column from its caption and its cells (free text: from its caption only),
// every row counted wherever the grid stands or is scrolled to.
void AdattaColonne(QTableView* griglia);

// After AdattaColonne, one row written since: widens the columns its cells outgrow.
void AdattaColonneARiga(QTableView* griglia, int riga);

// The width that shows every shown column whole: the columns (a stretched one by what it
// shows, free text by its caption), the row header, the frame and the vertical scroll bar
// when the grid shows one (always, or because its rows outgrow it).
int LarghezzaPerColonne(const QTableView* griglia);
