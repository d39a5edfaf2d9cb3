#pragma once
// The drawing surface the instruments paint on: a picture box in pixels, x to the right,
// y downwards. Colours are Long values with red in the low byte. Coordinates are single
// precision, as the instruments hand them over.
#include <cstdint>

class Superficie {
public:
    virtual ~Superficie() = default;

    virtual float ScaleWidth() const = 0;   // inner width
    virtual float ScaleHeight() const = 0;  // inner height

    // Clears what was drawn; the background picture, if any, stays.
    virtual void Cls() = 0;

    virtual int DrawWidth() const = 0;
    virtual void SetDrawWidth(int larghezza) = 0;
    virtual std::uint32_t ForeColor() const = 0;
    virtual void SetForeColor(std::uint32_t colore) = 0;
    virtual std::uint32_t BackColor() const = 0;
    virtual void SetBackColor(std::uint32_t colore) = 0;

    // One point in the foreground colour, or in the given one.
    virtual void PSet(float x, float y) = 0;
    virtual void PSet(float x, float y, std::uint32_t colore) = 0;
    // A segment in the foreground colour, or in the given one.
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    virtual void Line(float x1, float y1, float x2, float y2, std::uint32_t colore) = 0;
    // The box form: the rectangle with corners (x1, y1) and (x2, y2), outlined or filled.
    virtual void Box(float x1, float y1, float x2, float y2, std::uint32_t colore, bool pieno) = 0;
};
