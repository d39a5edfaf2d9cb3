#include "larghezza_griglia.h"

#include "delegato_testo_libero.h"
#include "stima_larghezza.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace {

// Where AdattaColonne leaves what each column's cells need, for LarghezzaPerColonne to count
// a stretched column by its content and not by the room it was given.
constexpr char LarghezzeCelle[] = "larghezzeCelle";

CelleLarghe Stimate(const QTableView* griglia, int colonna)
{
    const QAbstractItemModel* modello = griglia->model();
    StimaTesto stima(griglia->fontMetrics());
    CelleLarghe celle;
    for (int r = 0; r < modello->rowCount(); ++r)
        celle.aggiungi(stima(modello->index(r, colonna).data(Qt::DisplayRole).toString()), r);
    return celle;
}

// What the column's widest cell needs, over every row: the few cells estimated widest are
// laid out as the grid lays them out; the others, estimated narrower, are counted by their
// estimate and the widest cell's margins, so that an estimate off by a pixel cuts nothing.
int LarghezzaCelle(const QTableView* griglia, int colonna)
{
    QAbstractItemModel* modello = griglia->model();
    if (modello->rowCount() == 0)
        return 0;
    CelleLarghe proprie;
    auto* delModello = dynamic_cast<CelleLargheDelModello*>(modello);
    const CelleLarghe& celle
        = delModello ? delModello->celleLarghe(colonna, griglia->font()) : (proprie = Stimate(griglia, colonna));
    int larghezza = 0;
    for (const CelleLarghe::Candidata& c : celle.scelte())
        larghezza = std::max(larghezza, griglia->sizeHintForIndex(modello->index(c.riga, colonna)).width());
    if (celle.scartata() >= 0)
        larghezza = std::max(larghezza, celle.scartata() + larghezza - celle.scelte().front().stima);
    return larghezza + (griglia->showGrid() ? 1 : 0);
}

bool TestoLibero(const QTableView* griglia, int colonna)
{
    return qobject_cast<DelegatoTestoLibero*>(griglia->itemDelegateForColumn(colonna)) != nullptr;
}

// Whether the grid shows a vertical scroll bar: always, or because its rows outgrow its height.
bool BarraVerticale(const QTableView* griglia)
{
    switch (griglia->verticalScrollBarPolicy()) {
    case Qt::ScrollBarAlwaysOn:
        return true;
    case Qt::ScrollBarAlwaysOff:
        return false;
    default:
        break;
    }
    int altezza = griglia->height() - 2 * griglia->frameWidth();
    if (!griglia->horizontalHeader()->isHidden())
        altezza -= griglia->horizontalHeader()->sizeHint().height();
    return griglia->verticalHeader()->length() > altezza;
}

// A column the header stretches over the room left: it counts what it shows, not that room.
bool Stirata(const QHeaderView* testata, int colonna, int ultima)
{
    return testata->sectionResizeMode(colonna) == QHeaderView::Stretch
        || (colonna == ultima && testata->stretchLastSection());
}

int Necessaria(const QTableView* griglia, int colonna)
{
    const QHeaderView* testata = griglia->horizontalHeader();
    const int titolo = testata->isHidden() ? 0 : testata->sectionSizeHint(colonna);
    if (TestoLibero(griglia, colonna))
        return titolo;
    const QVariantList misurate = griglia->property(LarghezzeCelle).toList();
    const int celle = colonna < misurate.size() ? misurate.at(colonna).toInt() : LarghezzaCelle(griglia, colonna);
    return std::max(titolo, celle);
}

} // namespace

void ColonnaTestoLibero(QTableView* griglia, int colonna)
{
    griglia->setItemDelegateForColumn(colonna, new DelegatoTestoLibero(griglia));
}

void AdattaColonne(QTableView* griglia)
{
    const QAbstractItemModel* modello = griglia->model();
    if (!modello)
        return;
    QHeaderView* testata = griglia->horizontalHeader();
    QVariantList misurate;
    for (int c = 0; c < modello->columnCount(); ++c) {
        const bool libera = TestoLibero(griglia, c);
        const int celle = griglia->isColumnHidden(c) || libera ? 0 : LarghezzaCelle(griglia, c);
        misurate << celle;
        if (griglia->isColumnHidden(c))
            continue;
        const int titolo = testata->isHidden() ? 0 : testata->sectionSizeHint(c);
        griglia->setColumnWidth(c, libera ? std::max(griglia->columnWidth(c), titolo) : std::max(titolo, celle));
    }
    griglia->setProperty(LarghezzeCelle, misurate);
}

void AdattaColonneARiga(QTableView* griglia, int riga)
{
    const QAbstractItemModel* modello = griglia->model();
    if (!modello || riga < 0 || riga >= modello->rowCount())
        return;
    QVariantList misurate = griglia->property(LarghezzeCelle).toList();
    const int linea = griglia->showGrid() ? 1 : 0;
    for (int c = 0; c < modello->columnCount() && c < misurate.size(); ++c) {
        if (griglia->isColumnHidden(c) || TestoLibero(griglia, c))
            continue;
        const int cella = griglia->sizeHintForIndex(modello->index(riga, c)).width() + linea;
        if (cella <= misurate.at(c).toInt())
            continue;
        misurate[c] = cella;
        if (cella > griglia->columnWidth(c))
            griglia->setColumnWidth(c, cella);
    }
    griglia->setProperty(LarghezzeCelle, misurate);
}

int LarghezzaPerColonne(const QTableView* griglia)
{
    const QHeaderView* testata = griglia->horizontalHeader();
    int ultima = -1;
    for (int v = testata->count() - 1; v >= 0 && ultima < 0; --v)
        if (!testata->isSectionHidden(testata->logicalIndex(v)))
            ultima = testata->logicalIndex(v);
    int larghezza = 0;
    for (int c = 0; c < testata->count(); ++c) {
        if (testata->isSectionHidden(c))
            continue;
        larghezza += Stirata(testata, c, ultima) ? Necessaria(griglia, c) : testata->sectionSize(c);
    }
    if (!griglia->verticalHeader()->isHidden())
        larghezza += griglia->verticalHeader()->sizeHint().width();
    if (BarraVerticale(griglia))
        larghezza += griglia->verticalScrollBar()->sizeHint().width();
    return larghezza + 2 * griglia->frameWidth();
}
