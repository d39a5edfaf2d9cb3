#pragma once
// A short text, in practice a number, as a row of green segment cells in one-pixel lines.
// The field is W - 1 cells long, W being the cell width in pixels (so it follows the box's
// height, not its width); dim "8" cells fill it from the left so that the text ends at its
// right end. Every Caption redraws the whole box, colours included.
#include "superficie.h"

#include <QString>

#include <cstdint>

class mcLCD {
public:
    // The box's background and foreground; both last only until the next Caption.
    void BackColor(std::uint32_t Color);
    void ForeColor(std::uint32_t Color);
    // Clears the box and draws `Value`.
    void Caption(const QString& Value);
    // Attaches the box and fixes the cells from its height: give it its final size first.
    // Our picture boxes are always pixels and persistent.
    void NewLCD(Superficie* PBox);

    // Without an attached box every call does nothing.

    static constexpr std::uint32_t ColoreSfondo = 0x3200;    // 0, 50, 0
    static constexpr std::uint32_t ColoreSpento = 0x5500;    // unlit segment
    static constexpr std::uint32_t ColoreAcceso = 0xFF00;    // lit segment, dot
    static constexpr std::uint32_t ColoreTesto = 8454016;    // 80FF80, in force before the first character

private:
    void DrawChar(QChar c);
    void DrawSegment(short id);

    void segmenti(std::initializer_list<short> ids);
    void cellaSpenta();   // the ten segments of an "8", unlit
    void punto();         // the decimal dot, in the current foreground
    void linea(double x1, double y1, double x2, double y2);

    short CursorX = 0;
    short TopY = 0;
    short CellWidth = 0;
    short CellHeight = 0;
    Superficie* Pic = nullptr;
    short CellIndex = 0;
};
