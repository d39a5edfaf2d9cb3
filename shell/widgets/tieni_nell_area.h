#pragma once
// A child window stays inside the main window's MDI area: where the area places it and when
// it widens itself for new figures, it is moved back in as far as its size allows (a child
// larger than the area keeps its top left corner in view). What the user drags stays where
// the user leaves it.
class QMdiSubWindow;

// Moves the child inside its area now, and again whenever it moves or resizes without the user.
void TieniNellArea(QMdiSubWindow* figlia);
