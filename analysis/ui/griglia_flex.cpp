#include "griglia_flex.h"

#include "griglia_sola_lettura.h"
#include "larghezza_griglia.h"

#include <QHeaderView>
#include <QTableWidget>

QTableWidget* CreaGrigliaFlex(QWidget* genitore, const char* nome)
{
    auto* g = new QTableWidget(genitore);
    g->setObjectName(QLatin1String(nome));
    g->setColumnCount(2);
    GrigliaSolaLettura(g);
    g->verticalHeader()->setVisible(false);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->horizontalHeader()->setStretchLastSection(true);
    return g;
}

void RiempiGrigliaFlex(QTableWidget* griglia, const QStringList& intestazioni,
                       const std::vector<std::pair<QString, QString>>& righe)
{
    griglia->setUpdatesEnabled(false);
    griglia->setRowCount(0);
    griglia->setHorizontalHeaderLabels(intestazioni);
    griglia->setRowCount(static_cast<int>(righe.size()));
    for (int i = 0; i < static_cast<int>(righe.size()); ++i) {
        auto* a = new QTableWidgetItem(righe[size_t(i)].first);
        auto* b = new QTableWidgetItem(righe[size_t(i)].second);
        b->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        griglia->setItem(i, 0, a);
        griglia->setItem(i, 1, b);
    }
    AdattaColonne(griglia);
    griglia->setUpdatesEnabled(true);
}
