#include "strum.h"
#include "superficie_registro.h"

#include <gtest/gtest.h>

namespace {

enum class Quadrante { Center, Bottom, BottomCenter, VertMeter, HorMeter };

void Disegna(Strum& s, Quadrante q, short valore)
{
    switch (q) {
    case Quadrante::Center: s.Center(valore); break;
    case Quadrante::Bottom: s.Bottom(valore); break;
    case Quadrante::BottomCenter: s.BottomCenter(valore); break;
    case Quadrante::VertMeter: s.VertMeter(valore); break;
    case Quadrante::HorMeter: s.HorMeter(valore); break;
    }
}

} // namespace

TEST(Strum, EachCallClearsAndDrawsOneNeedle)
{
    // Expected end points worked out by hand: 3.14 for pi, whole-pixel pivots from the
    // rounded size, radii rounded halves to even, no clamping.
    struct Caso {
        const char* nome; Quadrante q; float W, H; short valore;
        float px, py, tx, ty;
    };
    const Caso casi[] = {
        // Odd width: pivot on x = 50, radius 44.5 rounds to 44.
        {"Center, odd width, 500", Quadrante::Center, 101, 101, 500, 50, 50, 49.96496f, 6.00001f},
        {"Center 0, lower left", Quadrante::Center, 200, 200, 0, 100, 100, 33.50550f, 166.44157f},
        {"Center 1100, past the lower right", Quadrante::Center, 200, 200, 1100, 100, 100, 129.24686f, 189.33432f},
        // Pivot from whole tenths (9), tip from exact ones (9.9).
        {"Bottom 0, left", Quadrante::Bottom, 99, 60, 0, 90, 54, 10.1f, 54},
        {"Bottom -100, below the horizontal", Quadrante::Bottom, 200, 150, -100, 180, 135, 21.96787f, 160.01693f},
        {"Bottom, fractional width rounds first", Quadrante::Bottom, 119.5f, 60, 1000, 107.5f, 54, 107.47355f, -41.99997f},
        {"BottomCenter 500, up", Quadrante::BottomCenter, 200, 100, 500, 100, 90, 99.93629f, 10.00003f},
        {"BottomCenter 0, odd sizes", Quadrante::BottomCenter, 201, 105, 0, 100, 95, 27.74272f, 52.51931f},
        {"BottomCenter 1000, right", Quadrante::BottomCenter, 200, 100, 1000, 100, 90, 169.22888f, 49.90808f},
        {"VertMeter 1500 sits where 500 does", Quadrante::VertMeter, 200, 100, 1500, 200, 50, 0, 50},
        {"VertMeter 500", Quadrante::VertMeter, 200, 100, 500, 200, 50, 0, 50},
        {"VertMeter 0", Quadrante::VertMeter, 200, 100, 0, 200, 90, 0, 90},
        {"VertMeter 1000", Quadrante::VertMeter, 200, 100, 1000, 200, 10, 0, 10},
        {"HorMeter 1200, beyond the right margin", Quadrante::HorMeter, 200, 100, 1200, 212, 100, 212, 0},
        {"HorMeter 0", Quadrante::HorMeter, 200, 100, 0, 20, 100, 20, 0},
        {"HorMeter 1000", Quadrante::HorMeter, 200, 100, 1000, 180, 100, 180, 0},
    };
    for (const Caso& k : casi) {
        SuperficieRegistro box;
        box.larghezzaScala = k.W;
        box.altezzaScala = k.H;
        box.SetDrawWidth(4);
        box.chiamate.clear();
        Strum s;
        s.NewLCD(&box);
        Disegna(s, k.q, k.valore);

        ASSERT_EQ(box.chiamate.size(), 2u) << k.nome;
        EXPECT_EQ(box.chiamate[0].tipo, Chiamata::Cls) << k.nome;
        const Chiamata& l = box.chiamate[1];
        ASSERT_EQ(l.tipo, Chiamata::Line) << k.nome;
        EXPECT_FALSE(l.colore.has_value()) << k.nome << ": the needle takes the box's colour";
        EXPECT_EQ(l.larghezza, 4) << k.nome << ": the box's pen width is left alone";
        EXPECT_NEAR(l.x1, k.px, 1e-4) << k.nome;
        EXPECT_NEAR(l.y1, k.py, 1e-4) << k.nome;
        EXPECT_NEAR(l.x2, k.tx, 1e-4) << k.nome;
        EXPECT_NEAR(l.y2, k.ty, 1e-4) << k.nome;
    }
}

TEST(Strum, ColoursGoToTheBoxAndNoBoxMeansNoDrawing)
{
    Strum s;
    for (Quadrante q : {Quadrante::Center, Quadrante::Bottom, Quadrante::BottomCenter, Quadrante::VertMeter, Quadrante::HorMeter})
        Disegna(s, q, 500); // nothing attached yet: must not crash
    s.ForeColor(1);
    s.BackColor(2);

    SuperficieRegistro box;
    s.NewLCD(&box);
    s.ForeColor(0x0000FF);
    s.BackColor(0x3200);
    EXPECT_EQ(box.ForeColor(), 0x0000FFu);
    EXPECT_EQ(box.BackColor(), 0x3200u);
    EXPECT_TRUE(box.chiamate.empty()) << "setting colours draws nothing";
}
