#pragma once
#include <QColor>
#include <cstdint>

// A stored colour has red in the low byte, then green, then blue.
inline QColor ColoreDaLong(std::uint32_t c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline std::uint32_t LongDaColore(const QColor& c)
{
    return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) | (std::uint32_t(c.blue()) << 16);
}
