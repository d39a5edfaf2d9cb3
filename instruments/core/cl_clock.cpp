#include "cl_clock.h"

#include "numeri.h"

#include <cmath>

namespace {

// Degrees to radians with the factor the face has always used (a hair below pi / 180).
constexpr double GradiInRadianti = 0.0174532922;

constexpr std::uint32_t NeroPuntiMinuti = 0;

} // namespace

void clClock::SetClockTime(const QDateTime& CurTime)
{
    ClockTime = CurTime;
}

void clClock::PaintHands(Superficie& Container)
{
    // A time that cannot be read leaves the face as it is rather than drawing nonsense
    // (the timer calls this every second; a bad value must not take the window down).
    if (!ClockTime.isValid())
        return;

    // Only the time of day to the second counts: the date and the milliseconds drop out.
    const QTime ora = ClockTime.time();
    const int ore = ora.hour();
    const int minuti = ora.minute();
    const double t = (ore * 3600 + minuti * 60 + ora.second()) / 86400.0;
    if (t == ultimoDisegnato_)
        return;

    Container.Cls();

    // Whole degrees; 12 o'clock is -180. The hour hand advances half a degree per minute,
    // rounded halves to even, so hh:01 has not moved yet and hh:05 has moved 2 degrees.
    const int M = 6 * minuti - 180;
    const int R = int(numeri::InteroPari(M / 12.0 + 15));
    const int H = 30 * ore - 180 + R;

    const double d = diameter;
    const double k = GradiInRadianti;

    Container.SetDrawWidth(1);
    for (int a = 0; a <= 354; a += 6)
        Container.PSet(float(d + d * std::sin(a * k)), float(d + d * std::cos(a * k)), NeroPuntiMinuti);

    Container.SetDrawWidth(2);
    for (int a = 0; a <= 330; a += 30)
        Container.Line(float(d + 0.95 * d * std::sin(a * k)), float(d + 0.95 * d * std::cos(a * k)),
                       float(d + d * std::sin(a * k)), float(d + d * std::cos(a * k)));

    Container.SetDrawWidth(3);
    Container.Line(float(d), float(d), float(d + 0.7 * d * std::sin(-H * k)), float(d + 0.7 * d * std::cos(H * k)));

    Container.SetDrawWidth(2);
    Container.Line(float(d), float(d), float(d + 0.9 * d * std::sin(-M * k)), float(d + 0.9 * d * std::cos(M * k)));

    // The surface is left with this width; every call sets each width it uses.
    Container.SetDrawWidth(6);
    Container.PSet(float(d), float(d), Container.ForeColor());

    ultimoDisegnato_ = t;
}
