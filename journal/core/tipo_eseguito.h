#pragma once
#include <QString>

namespace motore {

// A trade is a buy when its type upper-cases to "BUY"; any other text, the empty one
// included, is a sell.
inline bool EAcquisto(const QString& tipo)
{
    // An ASCII text upper-cases letter by letter and keeps its length, so it is judged in
    // place: upper-casing a copy per trade is a good part of a replay. Other texts upper-case
    // as they always did (some grow: "ß" gives "SS").
    bool ascii = true;
    for (const QChar c : tipo)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return tipo.size() == 3 && (tipo[0].unicode() | 0x20) == 'b' && (tipo[1].unicode() | 0x20) == 'u'
            && (tipo[2].unicode() | 0x20) == 'y';
    return tipo.toUpper() == QLatin1String("BUY");
}

} // namespace motore
