#include "mc_lcd.h"
#include "picture_box.h"
#include "superficie_registro.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <vector>

namespace {

constexpr std::uint32_t Spento = 0x5500;
constexpr std::uint32_t Acceso = 0xFF00;
constexpr std::uint32_t Testo = 0x80FF80;

// What one cell drew: its left edge, its lines counted by the foreground in force, its dots.
struct Cella {
    float x = 0;
    std::map<std::uint32_t, int> linee;
    int punti = 0;

    bool operator==(const Cella&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Cella& c)
{
    os << "{x " << c.x << ", dots " << c.punti << ", lines";
    for (const auto& [colore, n] : c.linee)
        os << " " << std::hex << colore << std::dec << ":" << n;
    return os << "}";
}

float MinimoX(const Chiamata& c)
{
    return std::min(c.x1, c.x2);
}

// Splits the drawing into cells: a call that starts a cell width or more to the right of
// the current cell's left edge opens the next one. Narrow ":" cells are checked apart.
std::vector<Cella> Celle(const SuperficieRegistro& s, int larghezzaCella)
{
    std::vector<Cella> celle;
    for (const Chiamata& c : s.chiamate) {
        if (c.tipo != Chiamata::Line && c.tipo != Chiamata::Box)
            continue;
        if (celle.empty() || MinimoX(c) >= celle.back().x + larghezzaCella)
            celle.push_back(Cella{MinimoX(c), {}, 0});
        Cella& cella = celle.back();
        cella.x = std::min(cella.x, MinimoX(c));
        if (c.tipo == Chiamata::Line)
            ++cella.linee[c.primoPiano];
        else
            ++cella.punti;
    }
    return celle;
}

Cella Vuota(float x)
{
    return {x, {{Spento, 30}}, 0};
}

// A box of the given height, with the read-out attached to it.
struct Lcd {
    explicit Lcd(float altezza)
    {
        box.altezzaScala = altezza;
        box.larghezzaScala = 400;
        lcd.NewLCD(&box);
    }
    const std::vector<Chiamata>& mostra(const QString& testo)
    {
        box.chiamate.clear();
        lcd.Caption(testo);
        return box.chiamate;
    }

    SuperficieRegistro box;
    mcLCD lcd;
};

} // namespace

TEST(mcLCD, TwentyOnePixelBoxShowsTwelveCommaFiveAtTheRightOfNineCells)
{
    Lcd l(21);  // H 15, W 10, w 5, h 7: nine cells at a pitch of 15 from x = 2
    l.box.SetForeColor(0x123456);
    l.box.SetBackColor(0xFFFFFF);
    const std::vector<Chiamata> prima = l.mostra("12,5");

    ASSERT_FALSE(prima.empty());
    EXPECT_EQ(prima.front().tipo, Chiamata::Cls);
    EXPECT_EQ(l.box.BackColor(), 0x3200u);
    const std::vector<Cella> attese = {
        Vuota(2), Vuota(17), Vuota(32), Vuota(47), Vuota(62),
        {77, {{Acceso, 6}, {Spento, 24}}, 0},   // "1": right bars lit
        {92, {{Acceso, 24}, {Spento, 6}}, 0},   // "2"
        {107, {{Spento, 30}}, 1},               // ",": a dim 8 and the dot
        {122, {{Acceso, 24}, {Spento, 6}}, 0},  // "5"
    };
    EXPECT_EQ(Celle(l.box, 10), attese);

    // The dot: H / 14 on a side, on the bottom line, its right edge on the centre line.
    const auto punti = l.box.diTipo(Chiamata::Box);
    ASSERT_EQ(punti.size(), 1u);
    EXPECT_FLOAT_EQ(punti[0].x1, 107 + 5 - 15.0f / 14);
    EXPECT_FLOAT_EQ(punti[0].y1, 2 + 15);
    EXPECT_FLOAT_EQ(punti[0].x2, 107 + 5);
    EXPECT_FLOAT_EQ(punti[0].y2, 2 + 15 - 15.0f / 14);
    EXPECT_EQ(punti[0].primoPiano, Acceso);
    for (const Chiamata& c : prima)
        EXPECT_EQ(c.larghezza, 1) << "one-pixel lines";

    // The cursor is back where it was: the same text draws the same again.
    const std::vector<Chiamata> dopo = l.mostra("12,5");
    ASSERT_EQ(dopo.size(), prima.size());
    for (size_t i = 1; i < dopo.size(); ++i) {
        EXPECT_EQ(dopo[i].x1, prima[i].x1) << i;
        EXPECT_EQ(dopo[i].primoPiano, prima[i].primoPiano) << i;
    }
}

TEST(mcLCD, EmptyTextFillsTheFieldWhoseLengthFollowsTheHeight)
{
    // H is the height less 6 rounded halves to even, W = H \ 2 + 3; W - 1 cells, pitch W + 5.
    struct Caso {
        float altezza;
        int celle;
        int passo;
    };
    const Caso casi[] = {{21, 9, 15}, {27, 12, 18}, {22.5f, 10, 16}, {23.5f, 11, 17}, {21.4f, 9, 15}};
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.altezza);
        Lcd l(k.altezza);
        l.mostra("");
        std::vector<Cella> attese;
        for (int i = 0; i < k.celle; ++i)
            attese.push_back(Vuota(float(2 + i * k.passo)));
        EXPECT_EQ(Celle(l.box, k.passo - 5), attese);
        EXPECT_TRUE(l.box.diTipo(Chiamata::Box).empty());
    }
}

TEST(mcLCD, GlyphsTheirColoursAndTheCellsOfLongOrUnknownTexts)
{
    struct Caso {
        const char* testo;
        std::vector<Cella> coda;  // the cells after the leading ones
        int vuote;                // leading cells
    };
    const Caso casi[] = {
        // All but the upper right bar lit.
        {"6", {{122, {{Acceso, 27}, {Spento, 3}}, 0}}, 8},
        // Top and right bars lit, left and bottom dim, no middle bar at all.
        {"7", {{122, {{Acceso, 12}, {Spento, 12}}, 0}}, 8},
        {"8", {{122, {{Acceso, 30}}, 0}}, 8},
        {"-", {{122, {{Acceso, 6}, {Spento, 24}}, 0}}, 8},
        // After a digit letters and signs take the dim colour it leaves set.
        {"1E+20",
         {{62, {{Acceso, 6}, {Spento, 24}}, 0},
          {77, {{Spento, 21}}, 0},
          {94, {{Spento, 12}}, 0},  // "+" has no bar on the cell's left edge
          {107, {{Acceso, 24}, {Spento, 6}}, 0},
          {122, {{Acceso, 24}, {Spento, 6}}, 0}},
         4},
        // At the start they take the text colour, after a dot the lit one.
        {"E", {{122, {{Testo, 21}}, 0}}, 8},
        {".E", {{107, {{Spento, 30}}, 1}, {122, {{Acceso, 21}}, 0}}, 7},
        {"B", {{123, {{Testo, 27}}, 0}}, 8},  // no left bars: the top bar starts at x + 1
        {"b", {{122, {{Testo, 21}}, 0}}, 8},
        {"X", {{124, {{Testo, 20}}, 0}}, 8},  // diagonals only, five lines each, from x + w - 3
        // No glyph: a blank cell that still takes its room.
        {"%5", {{122, {{Acceso, 24}, {Spento, 6}}, 0}}, 7},
        {"e5", {{122, {{Acceso, 24}, {Spento, 6}}, 0}}, 7},
        // Nine characters fill the field; a longer text runs on past it.
        {"123456789", {}, 0},
        {"1234567890", {}, 0},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.testo);
        Lcd l(21);
        l.mostra(QString::fromUtf8(k.testo));
        std::vector<Cella> attese;
        for (int i = 0; i < k.vuote; ++i)
            attese.push_back(Vuota(float(2 + i * 15)));
        attese.insert(attese.end(), k.coda.begin(), k.coda.end());
        const std::vector<Cella> celle = Celle(l.box, 10);
        if (k.coda.empty()) {
            // Only the first and last cells matter here.
            ASSERT_EQ(celle.size(), QString::fromUtf8(k.testo).size());
            EXPECT_EQ(celle.front().x, 2);
            EXPECT_EQ(celle.back().x, 2 + 15 * (celle.size() - 1));
            continue;
        }
        EXPECT_EQ(celle, attese);
    }
}

TEST(mcLCD, SixDimsOnlyItsUpperRightBarAndSevenHasNoMiddleBar)
{
    Lcd l(21);
    l.mostra("6");
    std::vector<Chiamata> spente;
    for (const Chiamata& c : l.box.diTipo(Chiamata::Line))
        if (c.x1 >= 122 && c.primoPiano == Spento)
            spente.push_back(c);
    ASSERT_EQ(spente.size(), 3u);
    const float attese[3][4] = {{131, 3, 131, 8}, {130, 4, 130, 9}, {129, 5, 129, 8}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(spente[i].x1, attese[i][0]) << i;
        EXPECT_EQ(spente[i].y1, attese[i][1]) << i;
        EXPECT_EQ(spente[i].x2, attese[i][2]) << i;
        EXPECT_EQ(spente[i].y2, attese[i][3]) << i;
    }

    l.mostra("7");
    for (const Chiamata& c : l.box.diTipo(Chiamata::Line)) {
        if (c.x1 < 122)
            continue;
        // The middle bar's lines lie at h - 1, h, h + 1 below the top (rows 8 to 10).
        EXPECT_FALSE(c.y1 == c.y2 && c.y1 >= 8 && c.y1 <= 10) << c.x1 << "," << c.y1;
    }
}

TEST(mcLCD, ColonIsALitDotInANarrowCell)
{
    Lcd l(21);
    const std::vector<Chiamata> chiamate = l.mostra(":8");
    // Seven leading cells, then the colon at 107: its dot only, lit, no dim segments.
    std::vector<Chiamata> dopoCampo;
    for (const Chiamata& c : chiamate)
        if ((c.tipo == Chiamata::Line || c.tipo == Chiamata::Box) && MinimoX(c) >= 107)
            dopoCampo.push_back(c);
    ASSERT_EQ(dopoCampo.size(), 31u);
    EXPECT_EQ(dopoCampo[0].tipo, Chiamata::Box);
    EXPECT_EQ(dopoCampo[0].primoPiano, Acceso);
    EXPECT_FLOAT_EQ(dopoCampo[0].x2, 107 + 5);
    // The next cell starts W - 2 after the colon, not W + 5.
    float inizio8 = 1e9f;
    for (size_t i = 1; i < dopoCampo.size(); ++i) {
        EXPECT_EQ(dopoCampo[i].tipo, Chiamata::Line);
        EXPECT_EQ(dopoCampo[i].primoPiano, Acceso);
        inizio8 = std::min(inizio8, MinimoX(dopoCampo[i]));
    }
    EXPECT_EQ(inizio8, 107 + 8);
    std::vector<Cella> attese;
    for (int i = 0; i < 7; ++i)
        attese.push_back(Vuota(float(2 + i * 15)));
    std::vector<Cella> celle = Celle(l.box, 10);
    celle.resize(std::min<size_t>(celle.size(), 7));
    EXPECT_EQ(celle, attese);
}

TEST(mcLCD, WithoutABoxNothingHappensAndColoursLastUntilTheNextCaption)
{
    mcLCD staccato;
    staccato.Caption("12");  // must not crash
    staccato.ForeColor(1);
    staccato.BackColor(2);

    Lcd l(21);
    l.lcd.ForeColor(0x0000FF);
    l.lcd.BackColor(0xFF0000);
    EXPECT_EQ(l.box.ForeColor(), 0x0000FFu);
    EXPECT_EQ(l.box.BackColor(), 0xFF0000u);
    l.mostra("1");
    EXPECT_EQ(l.box.BackColor(), 0x3200u);
    EXPECT_EQ(l.box.ForeColor(), Spento) << "a digit leaves the dim colour set";
}

TEST(mcLCD, TheCommaOfNineCommaFiveLightsPixelsOnThePictureBox)
{
    // 25 is the calculator's read-out; the dot is H / 14, one or two pixels, on every height.
    for (int altezza : {21, 25, 28, 33, 40}) {
        SCOPED_TRACE(altezza);
        const int H = altezza - 6;
        const int W = H / 2 + 3;
        PictureBox box;
        box.resize(2 + (W - 1) * (W + 5), altezza); // the whole field
        mcLCD lcd;
        lcd.NewLCD(&box);
        lcd.Caption(QStringLiteral("9,5"));
        const int cellaVirgola = 2 + (W - 4 + 1) * (W + 5); // after W - 4 leading cells and the 9
        const QImage d = box.disegno();
        int accesi = 0;
        for (int y = 2; y <= 2 + H; ++y)
            for (int x = cellaVirgola; x < cellaVirgola + W; ++x)
                if (d.pixelColor(x, y) == QColor(0, 255, 0)) {
                    ++accesi;
                    // On the bottom line, just left of the centre line.
                    EXPECT_GE(y, 2 + H - 2) << x << "," << y;
                    EXPECT_LE(std::abs(x - (cellaVirgola + W / 2 - 1)), 1) << x << "," << y;
                }
        EXPECT_GT(accesi, 0) << "the comma's cell must not read as a dim 8";
    }
}
