#pragma once
// Needle of an analogue gauge, or bar of a level meter, for a value on a 0..1000 scale.
// The dial artwork is the box's background picture; only the needle is drawn, in the
// box's foreground colour and pen width, after clearing the previous one.
#include "superficie.h"

#include <cstdint>

class Strum {
public:
    void NewLCD(Superficie* PBox);          // attach the box (our picture boxes are always pixels and persistent)
    void BackColor(std::uint32_t Color);
    void Center(short Value);               // 270-degree dial, pivot in the centre
    void Bottom(short Value);               // quarter dial, pivot near the lower-right corner
    void BottomCenter(short Value);         // 120-degree half dial, pivot near the bottom centre
    void VertMeter(short Value);            // horizontal line rising with the value
    void HorMeter(short Value);             // vertical line moving right with the value
    void ForeColor(std::uint32_t Color);

    // Values outside 0..1000 are drawn where the formulas put them, not clamped.
    // Without an attached box every call does nothing.

private:
    Superficie* box_ = nullptr;
};
