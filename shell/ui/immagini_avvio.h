#pragma once
// The pictures of the splash, the about and the welcome windows, drawn by the program.
#include <QPixmap>

// The program's picture: its name over a rising price line.
QPixmap ImmagineProgramma(const QSize& dimensione);
// The welcome picture: three panels side by side (new, open, open last), each `pannello` wide,
// separated by `spazio`.
QPixmap ImmagineBenvenuto(const QSize& pannello, int spazio);
