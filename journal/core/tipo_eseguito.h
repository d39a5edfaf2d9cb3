#pragma once
#include <QString>

namespace motore {

// A trade is a buy when its type upper-cases to "BUY"; any other text, the empty one
// included, is a sell.
inline bool EAcquisto(const QString& tipo)
{
    return tipo.toUpper() == QLatin1String("BUY");
}

} // namespace motore
