#include "wav.h"

#include <QFile>
#include <QtEndian>

std::optional<SuonoWav> LeggiWav(const QByteArray& dati)
{
    if (dati.size() < 12 || dati.left(4) != "RIFF" || dati.mid(8, 4) != "WAVE")
        return std::nullopt;
    SuonoWav f;
    qsizetype pos = 12;
    bool formatoLetto = false;
    while (pos + 8 <= dati.size()) {
        const QByteArray id = dati.mid(pos, 4);
        const quint32 lunghezza = qFromLittleEndian<quint32>(dati.constData() + pos + 4);
        const qsizetype inizio = pos + 8;
        if (qsizetype(lunghezza) > dati.size() - inizio)
            break;
        if (id == "fmt " && lunghezza >= 16) {
            const quint16 tipo = qFromLittleEndian<quint16>(dati.constData() + inizio);
            f.canali = qFromLittleEndian<quint16>(dati.constData() + inizio + 2);
            f.frequenza = int(qFromLittleEndian<quint32>(dati.constData() + inizio + 4));
            f.bit = qFromLittleEndian<quint16>(dati.constData() + inizio + 14);
            formatoLetto = tipo == 1 && (f.bit == 8 || f.bit == 16) && f.canali > 0 && f.frequenza > 0;
        } else if (id == "data" && formatoLetto) {
            f.campioni = dati.mid(inizio, lunghezza);
            if (f.campioni.size() < f.canali * f.bit / 8)
                return std::nullopt;
            return f;
        }
        pos = inizio + lunghezza + (lunghezza & 1);
    }
    return std::nullopt;
}

std::optional<SuonoWav> LeggiFileWav(const QString& percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return LeggiWav(file.readAll());
}
