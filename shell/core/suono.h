#pragma once
#include <QString>

// Plays the PCM wave file `nome` of the program folder to the end before returning.
// A missing or unreadable file, or a machine without an audio device, plays nothing, silently.
void SuonaWav(const QString& cartellaProgramma, const QString& nome);
