#include "testo_windows.h"

#include <QList>

namespace {

// Bytes 0x80-0x9F of the code page; 0 where the code page has no character.
// clang-format off
constexpr char16_t Alti[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
// clang-format on

char Byte(uint c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (Alti[i] != 0 && Alti[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QByteArray TestoWindows1252(const QString& testo)
{
    QByteArray uscita;
    uscita.reserve(testo.size());
    // One "?" for a character outside the basic plane, not one per half.
    for (const uint c : testo.toUcs4())
        uscita.append(Byte(c));
    return uscita;
}

QString DaWindows1252(const QByteArray& testo)
{
    QString uscita(testo.size(), Qt::Uninitialized);
    QChar* c = uscita.data();
    for (const char b : testo) {
        const auto byte = static_cast<quint8>(b);
        const char16_t alto = byte >= 0x80 && byte < 0xA0 ? Alti[byte - 0x80] : 0;
        *c++ = QChar(alto != 0 ? alto : char16_t(byte));
    }
    return uscita;
}
