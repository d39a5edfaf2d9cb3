#pragma once
// The two-column read-only grids of the statistics windows, rebuilt from their header at
// every recomputation.
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class QTableWidget;
class QWidget;

QTableWidget* CreaGrigliaFlex(QWidget* genitore, const char* nome);

// The header cells, then one row per pair of texts; each column as wide as what it shows.
void RiempiGrigliaFlex(QTableWidget* griglia, const QStringList& intestazioni,
                       const std::vector<std::pair<QString, QString>>& righe);
