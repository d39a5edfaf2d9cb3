#pragma once
// Writes of the display flags of the Settaggi row and reads of the tips, for the start-up
// windows and the view options.
#include "esito.h"
#include "impostazioni_vista.h"
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>

// The tips window draws from the first rows only.
inline constexpr int ConsigliMostrati = 120;

// The tips that can be shown: the first ConsigliMostrati rows, in insertion order.
Lettura<QString> LeggiConsigli(const QSqlDatabase& dataset);
// The row to show for a random number in [0, 1): one of the first 120. With fewer tips the draw
// covers the rows there are, so a tip is always shown; with none, -1.
int IndiceConsiglio(double caso, int righe);

// The show-at-start-up boxes can only switch a window off.
Esito SpegniConsigliAllAvvio(const QSqlDatabase& dataset);
Esito SpegniBenvenutoAllAvvio(const QSqlDatabase& dataset);
// The six flags of the view options, in one UPDATE (ApriUltimo is left alone).
Esito ScriviImpostazioniVista(const QSqlDatabase& dataset, const ImpostazioniVista& v);
