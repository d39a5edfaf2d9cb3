#pragma once
// Analogue clock face: 60 minute dots, 12 hour ticks, hour and minute hands and a centre
// dot, painted into whatever surface the caller hands over, so one object can serve
// several boxes in turn.
#include "superficie.h"

#include <QDateTime>

class clClock {
public:
    short diameter = 0;          // the face's radius, despite the name: the centre is (diameter, diameter)
    QDateTime ClockTime;         // only its time of day is drawn

    // Clears the surface and draws ClockTime, unless that time of day (to the second) is
    // the one this object drew last: then the surface is left exactly as it is.
    void PaintHands(Superficie& Container);
    void SetClockTime(const QDateTime& CurTime);

private:
    double ultimoDisegnato_ = 0; // last-drawn time of day as a fraction of a day; 0 at creation
};
