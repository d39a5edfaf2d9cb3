#include "suono.h"

#include <QDir>

#include <alsa/asoundlib.h>

namespace {

void SenzaMessaggi(const char*, int, const char*, int, const char*, ...) {}

} // namespace

void RiproduciWav(const SuonoWav& wav)
{
    // A machine without sound is normal here: keep the library's complaints off the terminal.
    snd_lib_error_set_handler(SenzaMessaggi);
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0)
        return;
    const snd_pcm_format_t formato = wav.bit == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
    if (snd_pcm_set_params(pcm, formato, SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(wav.canali),
                           unsigned(wav.frequenza), 1, 200000) == 0) {
        const int bytePerFrame = wav.canali * wav.bit / 8;
        const char* p = wav.campioni.constData();
        snd_pcm_uframes_t restanti = wav.campioni.size() / bytePerFrame;
        while (restanti > 0) {
            snd_pcm_sframes_t scritti = snd_pcm_writei(pcm, p, restanti);
            if (scritti < 0)
                scritti = snd_pcm_recover(pcm, int(scritti), 1);
            if (scritti < 0)
                break;
            p += scritti * bytePerFrame;
            restanti -= snd_pcm_uframes_t(scritti);
        }
        snd_pcm_drain(pcm);
    }
    snd_pcm_close(pcm);
}

void SuonaWav(const QString& cartellaProgramma, const QString& nome,
              const std::function<void(const SuonoWav&)>& riproduci)
{
    if (const std::optional<SuonoWav> wav = LeggiFileWav(QDir(cartellaProgramma).filePath(nome)))
        riproduci(*wav);
}
