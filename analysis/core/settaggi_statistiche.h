#pragma once
// The two settings the statistics read from the Settaggi row.
#include <QSqlDatabase>
#include <QString>

struct SettaggiStatistiche {
    double CapitalGain = 0; // tax rate, per cent
    double SLMM = 0; // money-management stop loss
    QString errore; // empty when the row was read

    bool ok() const { return errore.isEmpty(); }
};

// The first row of Settaggi; a table without rows reads as zeros.
SettaggiStatistiche LeggiSettaggiStatistiche(const QSqlDatabase& dataset);
