#pragma once
// Which cells of a column to measure exactly. A full layout of every cell would cost a grid of
// thousands of rows, refreshed after every trade, too much: each text is estimated instead, and
// only the few estimated widest are laid out as the grid lays them out.
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>

#include <array>
#include <vector>

// A text's width as the sum of its characters' advances, with no layout: what it leaves out
// (kerning, shaping) is a pixel or two, enough to choose which cells to measure.
class StimaTesto {
public:
    explicit StimaTesto(const QFontMetrics& metrica);

    int operator()(const QString& testo);
    // The same for a text of ASCII characters only.
    int operator()(const char* ascii, int lunghezza) const
    {
        int larghezza = 0;
        for (int i = 0; i < lunghezza; ++i)
            larghezza += ascii_[static_cast<unsigned char>(ascii[i]) & 0x7f];
        return larghezza;
    }

private:
    QFontMetrics metrica_;
    std::array<int, 128> ascii_ {};
    QHash<char16_t, int> altri_;
};

// The cells of one column estimated widest, gathered one row at a time in row order.
class CelleLarghe {
public:
    static constexpr int Misurate = 8;

    struct Candidata {
        int stima;
        int riga;
    };

    void aggiungi(int stima, int riga);

    // Widest first; of equal estimates, the earlier row first.
    const std::vector<Candidata>& scelte() const { return scelte_; }
    // The widest estimate of the cells left out; -1 when none was.
    int scartata() const { return scartata_; }

private:
    std::vector<Candidata> scelte_;
    int scartata_ = -1;
};

// A model that gathers its columns' widest cells while it loads its rows, so that sizing a
// grid of many rows needs no pass over them. The sizing tells it the font once; from then on
// every load gathers them for that font.
class CelleLargheDelModello {
public:
    virtual ~CelleLargheDelModello() = default;
    // The column's widest cells in the grid's font: gathered now when the rows held were
    // loaded for another font or none.
    virtual const CelleLarghe& celleLarghe(int colonna, const QFont& font) = 0;
};
