#include "cl_clock.h"
#include "superficie_registro.h"

#include <QTimeZone>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double PiGreco = 3.14159265358979323846;

QDateTime Ora(int h, int m, int s = 0, int ms = 0)
{
    return QDateTime(QDate(2024, 3, 5), QTime(h, m, s, ms), QTimeZone::utc());
}

// Degrees clockwise from 12 o'clock of a hand drawn from the centre (y grows downwards).
double AngoloLancetta(const Chiamata& c)
{
    const double gradi = std::atan2(c.x2 - c.x1, -(c.y2 - c.y1)) * 180 / PiGreco;
    return gradi < 0 ? gradi + 360 : gradi;
}

double DistanzaAngoli(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360 - d);
}

struct Lancette {
    Chiamata ore, minuti;
};

// The hour hand is the only line drawn with pen 3; the minute hand is the last line.
Lancette LeggiLancette(const SuperficieRegistro& s)
{
    const auto linee = s.diTipo(Chiamata::Line);
    EXPECT_EQ(linee.size(), 14u);
    if (linee.size() != 14u)
        return {};
    return {linee[12], linee[13]};
}

class ClClockTest : public ::testing::Test {
protected:
    void SetUp() override { orologio.diameter = 100; }

    // Paints `quando` into a fresh surface and returns what was asked of it.
    SuperficieRegistro Dipingi(const QDateTime& quando)
    {
        SuperficieRegistro s;
        s.SetForeColor(0x00FF00);
        orologio.SetClockTime(quando);
        orologio.PaintHands(s);
        return s;
    }

    clClock orologio;
};

} // namespace

TEST_F(ClClockTest, DrawsDotsTicksHandsAndCentreInOrder)
{
    const SuperficieRegistro s = Dipingi(Ora(3, 0));
    const auto& c = s.chiamate;
    ASSERT_EQ(c.size(), 1u + 1 + 60 + 1 + 12 + 1 + 1 + 1 + 1 + 1 + 1);
    EXPECT_EQ(c.front().tipo, Chiamata::Cls);

    size_t i = 1;
    EXPECT_EQ(c[i].tipo, Chiamata::SetDrawWidth);
    EXPECT_EQ(c[i++].larghezza, 1);
    for (int n = 0; n < 60; ++n, ++i) {
        ASSERT_EQ(c[i].tipo, Chiamata::PSet) << n;
        EXPECT_EQ(c[i].colore, std::optional<std::uint32_t>(0)) << "minute dots are black whatever the scheme";
        EXPECT_NEAR(std::hypot(c[i].x1 - 100, c[i].y1 - 100), 100, 1e-3) << n;
    }
    // The first dot is straight down, the sixteenth at 3 o'clock.
    EXPECT_FLOAT_EQ(c[2].x1, 100);
    EXPECT_FLOAT_EQ(c[2].y1, 200);
    EXPECT_NEAR(c[17].x1, 200, 1e-3);
    EXPECT_NEAR(c[17].y1, 100, 1e-3);

    EXPECT_EQ(c[i].tipo, Chiamata::SetDrawWidth);
    EXPECT_EQ(c[i++].larghezza, 2);
    for (int n = 0; n < 12; ++n, ++i) {
        ASSERT_EQ(c[i].tipo, Chiamata::Line) << n;
        EXPECT_FALSE(c[i].colore.has_value()) << "ticks take the surface's colour";
        EXPECT_NEAR(std::hypot(c[i].x1 - 100, c[i].y1 - 100), 95, 1e-3) << n;
        EXPECT_NEAR(std::hypot(c[i].x2 - 100, c[i].y2 - 100), 100, 1e-3) << n;
    }

    const int larghezze[] = {3, 2};
    const float punte[][2] = {{170, 100}, {100, 10}}; // 3 o'clock: hour hand right, minute hand up
    for (int n = 0; n < 2; ++n) {
        EXPECT_EQ(c[i].tipo, Chiamata::SetDrawWidth);
        EXPECT_EQ(c[i++].larghezza, larghezze[n]);
        ASSERT_EQ(c[i].tipo, Chiamata::Line);
        EXPECT_FALSE(c[i].colore.has_value());
        EXPECT_FLOAT_EQ(c[i].x1, 100);
        EXPECT_FLOAT_EQ(c[i].y1, 100);
        EXPECT_NEAR(c[i].x2, punte[n][0], 1e-3);
        EXPECT_NEAR(c[i].y2, punte[n][1], 1e-3);
        ++i;
    }

    EXPECT_EQ(c[i].tipo, Chiamata::SetDrawWidth);
    EXPECT_EQ(c[i++].larghezza, 6);
    EXPECT_EQ(c[i].tipo, Chiamata::PSet);
    EXPECT_FLOAT_EQ(c[i].x1, 100);
    EXPECT_FLOAT_EQ(c[i].y1, 100);
    EXPECT_EQ(c[i].colore, std::optional<std::uint32_t>(0x00FF00)) << "the centre dot names the foreground colour";
    EXPECT_EQ(s.DrawWidth(), 6) << "the surface keeps the last pen width";
}

TEST_F(ClClockTest, RedrawsOnlyWhenTheTimeOfDayChanges)
{
    struct Caso { const char* nome; QDateTime quando; bool disegna; };
    const Caso casi[] = {
        {"midnight on a new object", Ora(0, 0), false},
        {"midnight with milliseconds", Ora(0, 0, 0, 700), false},
        {"a new time", Ora(10, 15, 30), true},
        {"the same time again, into another surface", Ora(10, 15, 30), false},
        {"the same second on another day", QDateTime(QDate(1999, 12, 31), QTime(10, 15, 30, 900), QTimeZone::utc()), false},
        {"same minute, next second", Ora(10, 15, 31), true},
        {"back to the earlier second", Ora(10, 15, 30), true},
        {"midnight, now that something else was drawn", Ora(0, 0), true},
    };
    for (const Caso& k : casi) {
        const SuperficieRegistro s = Dipingi(k.quando);
        if (k.disegna) {
            ASSERT_FALSE(s.chiamate.empty()) << k.nome;
            EXPECT_EQ(s.chiamate.front().tipo, Chiamata::Cls) << k.nome;
        } else {
            EXPECT_TRUE(s.chiamate.empty()) << k.nome << ": not even a Cls";
        }
    }
}

TEST_F(ClClockTest, AnUnreadableTimeLeavesTheFaceAlone)
{
    Dipingi(Ora(9, 0));
    EXPECT_TRUE(Dipingi(QDateTime()).chiamate.empty());
    EXPECT_TRUE(Dipingi(Ora(9, 0)).chiamate.empty()) << "the last drawn time is still 09:00";
}

TEST_F(ClClockTest, ADatePartDrawsOnlyItsTimeOfDay)
{
    // 22:00 shifted by four hours lands on the next day at 02:00.
    const QDateTime spostata = QDateTime(QDate(2024, 3, 5), QTime(22, 0), QTimeZone::utc()).addSecs(4 * 3600);
    const Lancette l = LeggiLancette(Dipingi(spostata));
    EXPECT_NEAR(DistanzaAngoli(AngoloLancetta(l.ore), 60), 0, 1e-3);
    EXPECT_NEAR(DistanzaAngoli(AngoloLancetta(l.minuti), 0), 0, 1e-3);
}

TEST_F(ClClockTest, HandAnglesFollowWholeDegreesWithHalvesToEven)
{
    // The hour hand moves minute / 2 degrees past the hour, halves to even.
    struct Caso { int ora, minuto; double gradiOre, gradiMinuti; };
    const Caso casi[] = {
        {3, 1, 90, 6},     {3, 3, 92, 18},    {3, 5, 92, 30},   {3, 59, 120, 354},
        {6, 7, 184, 42},   {6, 9, 184, 54},   {6, 11, 186, 66}, {12, 0, 0, 0},
        {23, 30, 345, 180}, {0, 0, 0, 0},     {15, 1, 90, 6},
    };
    for (const Caso& k : casi) {
        const Lancette l = LeggiLancette(Dipingi(Ora(k.ora, k.minuto)));
        EXPECT_NEAR(DistanzaAngoli(AngoloLancetta(l.ore), k.gradiOre), 0, 1e-3) << k.ora << ":" << k.minuto;
        EXPECT_NEAR(DistanzaAngoli(AngoloLancetta(l.minuti), k.gradiMinuti), 0, 1e-3) << k.ora << ":" << k.minuto;
        EXPECT_NEAR(std::hypot(l.ore.x2 - 100, l.ore.y2 - 100), 70, 1e-3);
        EXPECT_NEAR(std::hypot(l.minuti.x2 - 100, l.minuti.y2 - 100), 90, 1e-3);
    }
}

TEST_F(ClClockTest, AfternoonHoursDrawLikeMorningHours)
{
    clClock pomeriggio;
    pomeriggio.diameter = orologio.diameter;
    for (int h = 1; h <= 11; ++h) {
        const SuperficieRegistro mattina = Dipingi(Ora(h, 37));
        SuperficieRegistro dopo;
        pomeriggio.SetClockTime(Ora(h + 12, 37));
        pomeriggio.PaintHands(dopo);
        ASSERT_EQ(mattina.chiamate.size(), dopo.chiamate.size()) << h;
        for (size_t i = 0; i < dopo.chiamate.size(); ++i) {
            EXPECT_NEAR(mattina.chiamate[i].x2, dopo.chiamate[i].x2, 1e-3) << h << " call " << i;
            EXPECT_NEAR(mattina.chiamate[i].y2, dopo.chiamate[i].y2, 1e-3) << h << " call " << i;
        }
    }
}
