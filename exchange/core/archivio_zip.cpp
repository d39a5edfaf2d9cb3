#include "archivio_zip.h"

#include <QFile>

#include <zlib.h>

namespace {

constexpr quint32 FirmaFineDirectory = 0x06054b50;
constexpr quint32 FirmaDirectory = 0x02014b50;
constexpr quint32 FirmaLocale = 0x04034b50;
constexpr qsizetype LunghezzaFineDirectory = 22;
// Workbooks are small; anything bigger than this is refused rather than read.
constexpr qint64 DimensioneMassima = 512LL * 1024 * 1024;

quint16 L16(const QByteArray& d, qsizetype i)
{
    return static_cast<quint16>(static_cast<quint8>(d[i]) | (static_cast<quint8>(d[i + 1]) << 8));
}

quint32 L32(const QByteArray& d, qsizetype i)
{
    return static_cast<quint32>(L16(d, i)) | (static_cast<quint32>(L16(d, i + 2)) << 16);
}

std::optional<QByteArray> Decomprimi(const char* dati, quint32 compressa, quint32 dimensione)
{
    QByteArray uscita(static_cast<qsizetype>(dimensione), Qt::Uninitialized);
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) // raw deflate, no zlib header
        return std::nullopt;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(dati));
    z.avail_in = compressa;
    z.next_out = reinterpret_cast<Bytef*>(uscita.data());
    z.avail_out = dimensione;
    const int esito = inflate(&z, Z_FINISH);
    const bool completo = esito == Z_STREAM_END && z.total_out == dimensione;
    inflateEnd(&z);
    if (!completo)
        return std::nullopt;
    return uscita;
}

} // namespace

bool ArchivioZip::apri(const QString& percorso)
{
    dati_.clear();
    voci_.clear();
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly) || file.size() > DimensioneMassima)
        return false;
    dati_ = file.readAll();
    const qsizetype n = dati_.size();
    if (n < LunghezzaFineDirectory)
        return false;

    // The end record sits at the end, after a comment of at most 64 KiB.
    qsizetype fine = -1;
    for (qsizetype i = n - LunghezzaFineDirectory; i >= 0 && i >= n - LunghezzaFineDirectory - 0xFFFF; --i)
        if (L32(dati_, i) == FirmaFineDirectory) {
            fine = i;
            break;
        }
    if (fine < 0)
        return false;
    const quint16 numero = L16(dati_, fine + 10);
    qsizetype p = L32(dati_, fine + 16);
    for (quint16 k = 0; k < numero; ++k) {
        if (p < 0 || p + 46 > n || L32(dati_, p) != FirmaDirectory)
            return false;
        Voce v;
        v.metodo = L16(dati_, p + 10);
        v.dimensioneCompressa = L32(dati_, p + 20);
        v.dimensione = L32(dati_, p + 24);
        const quint16 lunghezzaNome = L16(dati_, p + 28);
        const quint16 lunghezzaExtra = L16(dati_, p + 30);
        const quint16 lunghezzaCommento = L16(dati_, p + 32);
        v.posizioneLocale = L32(dati_, p + 42);
        if (p + 46 + lunghezzaNome > n)
            return false;
        voci_.insert(QString::fromUtf8(dati_.constData() + p + 46, lunghezzaNome), v);
        p += 46 + lunghezzaNome + lunghezzaExtra + lunghezzaCommento;
    }
    return true;
}

std::optional<QByteArray> ArchivioZip::voce(const QString& nome) const
{
    const auto trovata = voci_.constFind(nome);
    if (trovata == voci_.constEnd())
        return std::nullopt;
    const Voce& v = *trovata;
    const qsizetype p = v.posizioneLocale;
    if (p + 30 > dati_.size() || L32(dati_, p) != FirmaLocale)
        return std::nullopt;
    const qsizetype inizio = p + 30 + L16(dati_, p + 26) + L16(dati_, p + 28);
    if (inizio + static_cast<qsizetype>(v.dimensioneCompressa) > dati_.size())
        return std::nullopt;
    if (v.metodo == 0) {
        if (v.dimensioneCompressa != v.dimensione)
            return std::nullopt;
        return dati_.mid(inizio, v.dimensione);
    }
    if (v.metodo == 8)
        return Decomprimi(dati_.constData() + inizio, v.dimensioneCompressa, v.dimensione);
    return std::nullopt;
}
