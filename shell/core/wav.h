#pragma once
// A PCM wave file read into its format and samples, apart from whoever plays it.
#include <QByteArray>
#include <QString>

#include <optional>

struct SuonoWav {
    int canali = 0;
    int frequenza = 0; // frames per second
    int bit = 0;       // 8 (unsigned) or 16 (signed, little-endian)
    QByteArray campioni;
};

// Reads a RIFF/WAVE image with 8- or 16-bit PCM samples; anything else, or a file whose
// chunks run past its end, or without a whole frame of samples, gives nothing.
std::optional<SuonoWav> LeggiWav(const QByteArray& dati);
// The same, from a file; a missing or unreadable one gives nothing.
std::optional<SuonoWav> LeggiFileWav(const QString& percorso);
