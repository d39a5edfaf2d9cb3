#pragma once
// The colour scheme of the first Colori row. Colours are Long values, red in the low byte.
#include <QSqlDatabase>
#include <QtGlobal>
#include <optional>

struct SchemaColori {
    quint32 ColoreSfondo = 0;
    quint32 ColoreTesto = 0;
    quint32 ClockLancette = 0;
};

// Read afresh at every call; no value when the table is empty.
std::optional<SchemaColori> LeggiColori(const QSqlDatabase& dataset);
