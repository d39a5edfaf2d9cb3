#pragma once
// The catalogue of trading errors that the error editor changes, and its factory copy.
#include "esito.h"

#include <QSqlDatabase>
#include <QString>

namespace catalogo {

// Edited directly through a table model: every change of a cell is one write.
inline const QString TabellaErrori = QStringLiteral("Errori");

// Replaces Errori with ErroriDefault in one transaction: on any failure the catalogue
// stays exactly as it was.
Esito RipristinaErroriDefault(QSqlDatabase& dataset);

} // namespace catalogo
