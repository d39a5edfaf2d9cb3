#pragma once
// Where the labels of the rows go along a chart's category axis when their places are narrow.
// A label is never cut: it stands side by side with the others when it fits its row, else it is
// wrapped at its blanks or turned a quarter (reading upwards), and when even that is too dense
// only every so many rows keep their label. What cannot show whole is not shown at all.
#include <QFontMetricsF>
#include <QRectF>
#include <QStringList>

// A text a chart drew, and where.
struct TestoPosato {
    QString testo;
    QRectF rettangolo;
};

struct DisposizioneEtichette {
    bool ruotate = false; // turned a quarter, reading upwards
    int ogni = 1; // one label every `ogni` rows, from the first
    double ingombro = 0; // room the labels take across the axis (under the plot), in pixels
    QStringList testi; // each row's label as shown, lines joined by "\n"; empty when skipped
};

// `slot`: the room of one row along the axis; `ingombroMassimo`: the room the labels may take
// across it. Labels need a blank of `Spazio` pixels between them.
DisposizioneEtichette DisponiEtichette(const QStringList& etichette, const QFontMetricsF& metrica, double slot,
                                       double ingombroMassimo);

// Wraps `testo` at its blanks so that no line is wider than `larghezza`; a word wider than that
// keeps a line of its own, whole.
QStringList ACapo(const QString& testo, double larghezza, const QFontMetricsF& metrica);

// The width of the widest line of `testo` ("\n" between lines).
double LarghezzaTesto(const QString& testo, const QFontMetricsF& metrica);

namespace disposizione {
constexpr double Spazio = 6;
constexpr int RigheMassime = 3; // a label is wrapped on three lines at most
} // namespace disposizione
