#pragma once
// Keyed scrambling of the start-up password as it is stored in Settaggi.Pwd.
// The scrambled text holds only hexadecimal digits and spaces.
#include <QString>

// Mode "E" scrambles, "D" unscrambles; any other mode gives "".
QString CifraStringa(const QString& modo, const QString& chiave, const QString& testo);

// Scrambling with a given first value (1..255) in place of the random one.
QString CifraConPrimoValore(const QString& chiave, const QString& testo, int primoValore);

// The key every caller uses.
inline const QString ChiavePassword = QStringLiteral("VQ");
