#pragma once
// The "Barre" / "Barre 3D" choice under a window's bar chart: flat bars, or bars drawn with
// depth by the oblique projection.
class Grafico;
class QBoxLayout;
class QButtonGroup;
class QWidget;

// The buttons' ids, as each window numbers its options.
struct IdSceltaBarre {
    int barre;
    int barre3D;
};

// The two option buttons, added to `disposizione` of `riquadro` and named `<nome>_<id>`, with
// "Barre" chosen. The group, named `nome`, belongs to `finestra`.
QButtonGroup* CreaSceltaBarre(QWidget* finestra, const char* nome, QWidget* riquadro, QBoxLayout* disposizione,
                              IdSceltaBarre id);

// The chart draws the bars chosen: flat now, as "Barre" is, and as the user chooses after.
void CollegaSceltaBarre(QButtonGroup* scelta, IdSceltaBarre id, Grafico* grafico);
