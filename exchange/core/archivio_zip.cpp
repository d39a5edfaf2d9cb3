#include "archivio_zip.h"

#include <zlib.h>

#include <algorithm>

namespace {

constexpr quint32 FirmaFineDirectory = 0x06054b50;
constexpr quint32 FirmaDirectory = 0x02014b50;
constexpr quint32 FirmaLocale = 0x04034b50;
constexpr qsizetype LunghezzaFineDirectory = 22;
constexpr qsizetype LunghezzaDirectory = 46;
constexpr qsizetype LunghezzaLocale = 30;
constexpr qint64 CommentoMassimo = 0xFFFF;
// Compressed data is read in pieces of this size, never whole.
constexpr qint64 Pezzo = 64 * 1024;

quint16 L16(const QByteArray& d, qsizetype i)
{
    return static_cast<quint16>(static_cast<quint8>(d[i]) | (static_cast<quint8>(d[i + 1]) << 8));
}

quint32 L32(const QByteArray& d, qsizetype i)
{
    return static_cast<quint32>(L16(d, i)) | (static_cast<quint32>(L16(d, i + 2)) << 16);
}

} // namespace

QByteArray ArchivioZip::leggi(qint64 posizione, qint64 quanti) const
{
    if (posizione < 0 || quanti < 0 || !file_.seek(posizione))
        return {};
    return file_.read(quanti);
}

bool ArchivioZip::apri(const QString& percorso)
{
    file_.close();
    voci_.clear();
    file_.setFileName(percorso);
    if (!file_.open(QIODevice::ReadOnly))
        return false;
    const qint64 n = file_.size();
    if (n < LunghezzaFineDirectory)
        return false;

    // The end record sits at the end, after a comment of at most 64 KiB.
    const qint64 inizioCoda = std::max<qint64>(0, n - LunghezzaFineDirectory - CommentoMassimo);
    const QByteArray coda = leggi(inizioCoda, n - inizioCoda);
    if (coda.size() != n - inizioCoda)
        return false;
    qsizetype fine = -1;
    for (qsizetype i = coda.size() - LunghezzaFineDirectory; i >= 0; --i)
        if (L32(coda, i) == FirmaFineDirectory) {
            fine = i;
            break;
        }
    if (fine < 0)
        return false;
    const quint16 numero = L16(coda, fine + 10);
    const qint64 dimensioneDirectory = L32(coda, fine + 12);
    const qint64 posizioneDirectory = L32(coda, fine + 16);
    // The directory is held to the bound of an entry; a workbook's takes a few KiB.
    if (dimensioneDirectory > DimensioneMassimaVoce || posizioneDirectory + dimensioneDirectory > n)
        return false;
    const QByteArray directory = leggi(posizioneDirectory, dimensioneDirectory);
    if (directory.size() != dimensioneDirectory)
        return false;

    qsizetype p = 0;
    for (quint16 k = 0; k < numero; ++k) {
        if (p + LunghezzaDirectory > directory.size() || L32(directory, p) != FirmaDirectory)
            return false;
        Voce v;
        v.metodo = L16(directory, p + 10);
        v.dimensioneCompressa = L32(directory, p + 20);
        v.dimensione = L32(directory, p + 24);
        const quint16 lunghezzaNome = L16(directory, p + 28);
        const quint16 lunghezzaExtra = L16(directory, p + 30);
        const quint16 lunghezzaCommento = L16(directory, p + 32);
        v.posizioneLocale = L32(directory, p + 42);
        if (p + LunghezzaDirectory + lunghezzaNome > directory.size())
            return false;
        voci_.insert(QString::fromUtf8(directory.constData() + p + LunghezzaDirectory, lunghezzaNome), v);
        p += LunghezzaDirectory + lunghezzaNome + lunghezzaExtra + lunghezzaCommento;
    }
    return true;
}

std::optional<QByteArray> ArchivioZip::voce(const QString& nome) const
{
    const auto trovata = voci_.constFind(nome);
    if (trovata == voci_.constEnd())
        return std::nullopt;
    const Voce& v = *trovata;
    // A declared size past the bound is refused before anything is read; a smaller one is
    // only an upper bound for the output, checked again once the entry is inflated.
    if (v.dimensione > DimensioneMassimaVoce)
        return std::nullopt;
    const QByteArray locale = leggi(v.posizioneLocale, LunghezzaLocale);
    if (locale.size() != LunghezzaLocale || L32(locale, 0) != FirmaLocale)
        return std::nullopt;
    const qint64 inizio = qint64(v.posizioneLocale) + LunghezzaLocale + L16(locale, 26) + L16(locale, 28);
    if (inizio + qint64(v.dimensioneCompressa) > file_.size())
        return std::nullopt;
    if (v.metodo == 0) {
        if (v.dimensioneCompressa != v.dimensione)
            return std::nullopt;
        QByteArray dati = leggi(inizio, v.dimensione);
        if (dati.size() != qsizetype(v.dimensione))
            return std::nullopt;
        return dati;
    }
    if (v.metodo == 8)
        return decomprimi(inizio, v);
    return std::nullopt;
}

std::optional<QByteArray> ArchivioZip::decomprimi(qint64 inizio, const Voce& v) const
{
    if (!file_.seek(inizio))
        return std::nullopt;
    // The output never grows past the declared size, itself within the bound: a stream that
    // would inflate to more stops when the buffer is full and is refused.
    QByteArray uscita(static_cast<qsizetype>(v.dimensione), Qt::Uninitialized);
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) // raw deflate, no zlib header
        return std::nullopt;
    z.next_out = reinterpret_cast<Bytef*>(uscita.data());
    z.avail_out = v.dimensione;
    QByteArray pezzo;
    qint64 restanti = v.dimensioneCompressa;
    bool completo = false;
    for (;;) {
        if (z.avail_in == 0 && restanti > 0) {
            pezzo = file_.read(std::min(restanti, Pezzo));
            if (pezzo.isEmpty())
                break;
            restanti -= pezzo.size();
            z.next_in = reinterpret_cast<Bytef*>(pezzo.data());
            z.avail_in = static_cast<uInt>(pezzo.size());
        }
        const int esito = inflate(&z, Z_NO_FLUSH);
        if (esito == Z_STREAM_END) {
            completo = z.total_out == v.dimensione;
            break;
        }
        // Z_BUF_ERROR: no room left for more output, or no input left; anything else is damage.
        if (esito != Z_OK)
            break;
    }
    inflateEnd(&z);
    if (!completo)
        return std::nullopt;
    return uscita;
}
