#pragma once
#include "wav.h"

#include <QString>

#include <functional>

// Plays the samples to the end before returning; a machine without an audio device plays
// nothing, silently.
void RiproduciWav(const SuonoWav& suono);

// Plays the PCM wave file `nome` of the program folder with `riproduci`. A missing or
// unreadable file plays nothing, silently.
void SuonaWav(const QString& cartellaProgramma, const QString& nome,
              const std::function<void(const SuonoWav&)>& riproduci = RiproduciWav);
