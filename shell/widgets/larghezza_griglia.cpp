#include "larghezza_griglia.h"

#include "delegato_testo_libero.h"

#include <QHash>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <array>
#include <vector>

namespace {

// The cells of a column measured exactly: those whose text is estimated widest. A full layout
// of every cell would cost a grid of thousands of rows, refreshed after every trade, too much.
constexpr int CelleMisurate = 8;

// Where AdattaColonne leaves what each column's cells need, for LarghezzaPerColonne to count
// a stretched column by its content and not by the room it was given.
constexpr char LarghezzeCelle[] = "larghezzeCelle";

// A text's width as the sum of its characters' advances, with no layout: what it leaves out
// (kerning, shaping) is a pixel or two, enough to choose which cells to measure.
class StimaTesto {
public:
    explicit StimaTesto(const QFontMetrics& metrica) : metrica_(metrica)
    {
        for (int c = 0; c < int(ascii_.size()); ++c)
            ascii_[size_t(c)] = metrica_.horizontalAdvance(QChar(c));
    }

    int operator()(const QString& testo)
    {
        int larghezza = 0;
        for (const QChar c : testo) {
            if (c.unicode() < ascii_.size()) {
                larghezza += ascii_[c.unicode()];
                continue;
            }
            auto trovato = altri_.constFind(c.unicode());
            if (trovato == altri_.cend())
                trovato = altri_.insert(c.unicode(), metrica_.horizontalAdvance(c));
            larghezza += *trovato;
        }
        return larghezza;
    }

private:
    QFontMetrics metrica_;
    std::array<int, 128> ascii_ {};
    QHash<char16_t, int> altri_;
};

// What the column's widest cell needs, over every row: the few cells estimated widest are
// laid out as the grid lays them out; the others, estimated narrower, are counted by their
// estimate and the widest cell's margins, so that an estimate off by a pixel cuts nothing.
int LarghezzaCelle(const QTableView* griglia, int colonna)
{
    const QAbstractItemModel* modello = griglia->model();
    const int righe = modello->rowCount();
    if (righe == 0)
        return 0;
    StimaTesto stima(griglia->fontMetrics());
    struct Candidata {
        int stima;
        int riga;
    };
    std::vector<Candidata> scelte;
    scelte.reserve(CelleMisurate + 1);
    int scartata = -1;
    for (int r = 0; r < righe; ++r) {
        const int s = stima(modello->index(r, colonna).data(Qt::DisplayRole).toString());
        if (int(scelte.size()) == CelleMisurate && s <= scelte.back().stima) {
            scartata = std::max(scartata, s);
            continue;
        }
        const auto posto = std::upper_bound(scelte.begin(), scelte.end(), s,
                                            [](int v, const Candidata& c) { return v > c.stima; });
        scelte.insert(posto, {s, r});
        if (int(scelte.size()) > CelleMisurate) {
            scartata = std::max(scartata, scelte.back().stima);
            scelte.pop_back();
        }
    }
    int larghezza = 0;
    for (const Candidata& c : scelte)
        larghezza = std::max(larghezza, griglia->sizeHintForIndex(modello->index(c.riga, colonna)).width());
    if (scartata >= 0)
        larghezza = std::max(larghezza, scartata + larghezza - scelte.front().stima);
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
