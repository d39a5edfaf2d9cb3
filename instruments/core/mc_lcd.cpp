#include "mc_lcd.h"

#include "numeri.h"

#include <limits>
#include <vector>

namespace {

// Digits and the minus sign light their segments and then draw some of the ten in dim,
// so the shape of an "8" shows behind them.
struct Cifra {
    char16_t carattere;
    std::vector<short> accesi;
    std::vector<short> spenti;
};

const std::vector<Cifra>& Cifre()
{
    static const std::vector<Cifra> tabella = {
        {u'0', {11, 12, 2, 3, 41, 42, 5, 6}, {71, 72}},
        {u'1', {2, 3}, {11, 12, 5, 6, 41, 42, 71, 72}},
        {u'2', {11, 12, 2, 71, 72, 5, 41, 42}, {3, 6}},
        {u'3', {11, 12, 2, 71, 72, 3, 41, 42}, {5, 6}},
        {u'4', {2, 3, 71, 72, 6}, {41, 42, 11, 12, 5}},
        {u'5', {11, 12, 6, 71, 72, 3, 41, 42}, {2, 5}},
        {u'6', {11, 12, 6, 71, 72, 3, 41, 42, 5}, {2}},
        // No middle bar at all, not even dim.
        {u'7', {11, 12, 2, 3}, {5, 6, 41, 42}},
        {u'8', {11, 12, 2, 3, 41, 42, 5, 6, 71, 72}, {}},
        {u'9', {11, 12, 2, 3, 41, 42, 6, 71, 72}, {5}},
        {u'-', {71, 72}, {2, 3, 5, 6, 11, 12, 41, 42}},
    };
    return tabella;
}

// Letters and signs set no colour: they take whatever the previous character left.
struct Lettera {
    char16_t carattere;
    std::vector<short> segmenti;
};

const std::vector<Lettera>& Lettere()
{
    static const std::vector<Lettera> tabella = {
        {u'A', {11, 12, 2, 3, 5, 6, 71, 72}},
        {u'B', {11, 12, 2, 3, 41, 42, 72, 81, 82}},
        {u'C', {11, 12, 5, 6, 41, 42}},
        {u'D', {11, 12, 2, 3, 41, 42, 81, 82}},
        {u'E', {11, 12, 41, 42, 5, 6, 71}},
        {u'F', {11, 12, 5, 6, 71}},
        {u'G', {11, 12, 3, 41, 42, 5, 6, 72}},
        {u'H', {2, 3, 5, 6, 71, 72}},
        {u'I', {81, 82}},
        {u'J', {2, 3, 41, 42, 5}},
        {u'K', {5, 6, 71, 92, 94}},
        {u'L', {41, 42, 5, 6}},
        {u'M', {2, 3, 5, 6, 91, 92}},
        {u'N', {2, 3, 5, 6, 91, 94}},
        {u'O', {11, 12, 2, 3, 41, 42, 5, 6}},
        {u'P', {11, 12, 2, 5, 6, 71, 72}},
        {u'Q', {11, 12, 2, 3, 41, 42, 5, 6, 94}},
        {u'R', {11, 12, 2, 5, 6, 71, 72, 94}},
        {u'S', {11, 12, 3, 41, 42, 6, 71, 72}},
        {u'T', {11, 12, 81, 82}},
        {u'U', {2, 3, 41, 42, 5, 6}},
        {u'V', {5, 6, 92, 93}},
        {u'W', {2, 3, 5, 6, 93, 94}},
        {u'X', {91, 92, 93, 94}},
        {u'Y', {82, 91, 92}},
        {u'Z', {11, 12, 41, 42, 92, 93}},
        {u'b', {3, 5, 6, 41, 42, 71, 72}},
        {u'c', {5, 41, 42, 71, 72}},
        {u'd', {2, 3, 5, 41, 42, 71, 72}},
        {u'h', {5, 3, 6, 71, 72}},
        {u'i', {82}},
        {u'l', {81, 82}},
        {u'n', {71, 72, 3, 5}},
        {u'o', {41, 42, 71, 72, 3, 5}},
        {u'r', {71, 72, 5}},
        {u't', {71, 6, 41, 42, 5}},
        {u'u', {5, 41, 42, 3}},
        {u'/', {92, 93}},
        {u'\\', {91, 94}},
        {u'+', {71, 72, 81, 82}},
        {u'*', {71, 72, 81, 82, 91, 92, 93, 94}},
    };
    return tabella;
}

// Past this the cursor would leave its 16-bit range; such cells are far outside any box.
constexpr int UltimaCella = std::numeric_limits<short>::max();

} // namespace

void mcLCD::BackColor(std::uint32_t Color)
{
    if (Pic)
        Pic->SetBackColor(Color);
}

void mcLCD::ForeColor(std::uint32_t Color)
{
    if (Pic)
        Pic->SetForeColor(Color);
}

void mcLCD::NewLCD(Superficie* PBox)
{
    Pic = PBox;
    CursorX = 2;
    TopY = 2;
    if (!Pic)
        return;
    CellHeight = static_cast<short>(numeri::InteroPari(double(Pic->ScaleHeight()) - 6));
    CellWidth = static_cast<short>(CellHeight / 2 + 3);
}

void mcLCD::Caption(const QString& Value)
{
    if (!Pic)
        return;
    const short inizio = CursorX;
    Pic->Cls();
    Pic->SetBackColor(ColoreSfondo);

    const int W = CellWidth;
    const int passo = W + 5;
    int x = CursorX;
    // The number of leading cells follows from the cell width, not from the box's width.
    const int n = W - int(Value.size()) - 1;
    for (int i = 1; i <= n && x <= UltimaCella - passo; ++i) {
        CellIndex = static_cast<short>(i);
        Pic->SetForeColor(ColoreSpento);
        cellaSpenta();
        x += passo;
        CursorX = static_cast<short>(x);
    }

    Pic->SetForeColor(ColoreTesto);
    for (QChar c : Value) {
        if (x > UltimaCella - passo)
            break;
        if (c == u'.' || c == u',') {
            Pic->SetForeColor(ColoreSpento);
            cellaSpenta();
            Pic->SetForeColor(ColoreAcceso);
            punto();
            x += passo;
        } else if (c == u':') {
            // A narrow cell: the dot alone, no dim segments.
            Pic->SetForeColor(ColoreAcceso);
            punto();
            x += W - 2;
        } else {
            DrawChar(c);
            x += passo;
        }
        CursorX = static_cast<short>(x);
    }
    CursorX = inizio;
}

void mcLCD::DrawChar(QChar c)
{
    for (const Cifra& cifra : Cifre()) {
        if (cifra.carattere != c.unicode())
            continue;
        Pic->SetForeColor(ColoreAcceso);
        for (short id : cifra.accesi)
            DrawSegment(id);
        Pic->SetForeColor(ColoreSpento);
        for (short id : cifra.spenti)
            DrawSegment(id);
        return;
    }
    for (const Lettera& lettera : Lettere()) {
        if (lettera.carattere != c.unicode())
            continue;
        for (short id : lettera.segmenti)
            DrawSegment(id);
        return;
    }
}

void mcLCD::segmenti(std::initializer_list<short> ids)
{
    for (short id : ids)
        DrawSegment(id);
}

void mcLCD::cellaSpenta()
{
    segmenti({11, 12, 2, 3, 41, 42, 5, 6, 71, 72});
}

void mcLCD::punto()
{
    const double H = CellHeight;
    const double w = CellWidth / 2;
    const double lato = H / 14;
    // A square sitting on the cell's bottom line, its right edge on the centre line.
    Pic->Box(float(CursorX + w - lato), float(TopY + H), float(CursorX + w), float(TopY + H - lato),
             Pic->ForeColor(), true);
}

void mcLCD::linea(double x1, double y1, double x2, double y2)
{
    Pic->Line(float(CursorX + x1), float(TopY + y1), float(CursorX + x2), float(TopY + y2));
}

void mcLCD::DrawSegment(short id)
{
    const int W = CellWidth;
    const int H = CellHeight;
    const int w = W / 2;
    const int h = H / 2;
    // Three lines side by side with staggered ends give bevelled or pointed bars.
    switch (id) {
    case 11:
        linea(1, 0, w - 1, 0);
        linea(2, 1, w, 1);
        linea(3, 2, w - 1, 2);
        break;
    case 12:
        linea(w + 1, 0, W - 1, 0);
        linea(w, 1, W - 2, 1);
        linea(w + 1, 2, W - 3, 2);
        break;
    case 2:
        linea(W - 1, 1, W - 1, h - 1);
        linea(W - 2, 2, W - 2, h);
        linea(W - 3, 3, W - 3, h - 1);
        break;
    case 3:
        linea(W - 1, h + 2, W - 1, H);
        linea(W - 2, h + 1, W - 2, H - 1);
        linea(W - 3, h + 2, W - 3, H - 2);
        break;
    case 41:
        linea(3, H - 2, w - 1, H - 2);
        linea(2, H - 1, w, H - 1);
        linea(1, H, w - 1, H);
        break;
    case 42:
        linea(w + 1, H - 2, W - 3, H - 2);
        linea(w, H - 1, W - 2, H - 1);
        linea(w + 1, H, W - 1, H);
        break;
    case 5:
        linea(0, h + 2, 0, H);
        linea(1, h + 1, 1, H - 1);
        linea(2, h + 2, 2, H - 2);
        break;
    case 6:
        linea(0, 1, 0, h - 1);
        linea(1, 2, 1, h);
        linea(2, 3, 2, h - 1);
        break;
    case 71:
        linea(3, h - 1, w - 1, h - 1);
        linea(2, h, w, h);
        linea(3, h + 1, w - 1, h + 1);
        break;
    case 72:
        linea(w + 1, h - 1, W - 3, h - 1);
        linea(w, h, W - 2, h);
        linea(w + 1, h + 1, W - 3, h + 1);
        break;
    case 81:
        linea(w - 1, 3, w - 1, h - 1);
        linea(w, 2, w, h);
        linea(w + 1, 3, w + 1, h - 1);
        break;
    case 82:
        linea(w - 1, h + 3, w - 1, H - 1);
        linea(w, h + 2, w, H);
        linea(w + 1, h + 3, w + 1, H - 1);
        break;
    // Diagonals: five parallel lines one pixel apart.
    case 91:
        for (int k = 0; k < 5; ++k)
            linea(3, 2 + k, w - 3, h - 6 + k);
        break;
    case 92:
        for (int k = 0; k < 5; ++k)
            linea(w + 3, h - 6 + k, W - 3, 2 + k);
        break;
    case 93:
        for (int k = 0; k < 5; ++k)
            linea(3, H - 2 - k, w - 3, h + 6 - k);
        break;
    case 94:
        for (int k = 0; k < 5; ++k)
            linea(w + 3, h + 6 - k, W - 3, H - 2 - k);
        break;
    default:
        break;
    }
}
