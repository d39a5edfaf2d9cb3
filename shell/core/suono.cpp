#include "suono.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <alsa/asoundlib.h>

namespace {

struct FormatoWav {
    int canali = 0;
    int frequenza = 0;
    int bit = 0;
    QByteArray campioni;
};

// Reads a RIFF/WAVE file with 8- or 16-bit PCM samples; anything else gives no samples.
FormatoWav LeggiWav(const QString& percorso)
{
    FormatoWav f;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return f;
    const QByteArray dati = file.readAll();
    if (dati.size() < 12 || dati.left(4) != "RIFF" || dati.mid(8, 4) != "WAVE")
        return f;
    qsizetype pos = 12;
    bool formatoLetto = false;
    while (pos + 8 <= dati.size()) {
        const QByteArray id = dati.mid(pos, 4);
        const quint32 lunghezza = qFromLittleEndian<quint32>(dati.constData() + pos + 4);
        const qsizetype inizio = pos + 8;
        if (inizio + qsizetype(lunghezza) > dati.size())
            break;
        if (id == "fmt " && lunghezza >= 16) {
            const quint16 tipo = qFromLittleEndian<quint16>(dati.constData() + inizio);
            f.canali = qFromLittleEndian<quint16>(dati.constData() + inizio + 2);
            f.frequenza = int(qFromLittleEndian<quint32>(dati.constData() + inizio + 4));
            f.bit = qFromLittleEndian<quint16>(dati.constData() + inizio + 14);
            formatoLetto = tipo == 1 && (f.bit == 8 || f.bit == 16) && f.canali > 0 && f.frequenza > 0;
        } else if (id == "data" && formatoLetto) {
            f.campioni = dati.mid(inizio, lunghezza);
            return f;
        }
        pos = inizio + lunghezza + (lunghezza & 1);
    }
    return FormatoWav{};
}

void SenzaMessaggi(const char*, int, const char*, int, const char*, ...) {}

} // namespace

void SuonaWav(const QString& cartellaProgramma, const QString& nome)
{
    const FormatoWav wav = LeggiWav(QDir(cartellaProgramma).filePath(nome));
    if (wav.campioni.isEmpty())
        return;

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
