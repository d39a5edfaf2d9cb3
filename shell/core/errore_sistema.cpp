#include "errore_sistema.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

struct Motivo {
    int numero;
    const char* testo;
};

// The reasons a file of ours can meet; any other is given by its number.
constexpr Motivo Motivi[] = {
    {EACCES, "permesso negato"},
    {EPERM, "operazione non permessa"},
    {EROFS, "il file system è di sola lettura"},
    {EISDIR, "è una cartella"},
    {ENOTDIR, "una parte del percorso non è una cartella"},
    {ENOENT, "il file o la cartella non esiste"},
    {ENOSPC, "spazio esaurito sul disco"},
    {EDQUOT, "superata la quota del disco"},
    {EEXIST, "il file esiste già"},
    {EFBIG, "file troppo grande"},
    {ENAMETOOLONG, "nome del file troppo lungo"},
    {EMFILE, "troppi file aperti"},
    {ENFILE, "troppi file aperti nel sistema"},
    {EIO, "errore di lettura o scrittura del dispositivo"},
    {EBUSY, "dispositivo o risorsa occupati"},
    {ETXTBSY, "file in uso"},
    {ENXIO, "dispositivo o indirizzo inesistente"},
    {ENODEV, "dispositivo inesistente"},
    {ELOOP, "troppi collegamenti simbolici"},
    {EINVAL, "argomento non valido"},
    {EAGAIN, "risorsa temporaneamente non disponibile"},
    {ENOLCK, "nessun blocco disponibile"},
    {EXDEV, "collegamento tra dispositivi diversi"},
    {ENOMEM, "memoria esaurita"},
    {EINTR, "operazione interrotta"},
    {ESPIPE, "posizionamento non consentito"},
    {ENOTEMPTY, "la cartella non è vuota"},
    {EOPNOTSUPP, "operazione non supportata"},
};

// Qt's own texts for the same reasons, where it gives no errno.
constexpr std::pair<const char*, const char*> TestiQt[] = {
    {"Filename refers to a directory", "è una cartella"},
    {"Permission denied", "permesso negato"},
    {"No such file or directory", "il file o la cartella non esiste"},
};

QString Inglese(int numero)
{
    return QString::fromLocal8Bit(std::strerror(numero));
}

} // namespace

QString TestoErroreSistema(int numero)
{
    for (const Motivo& m : Motivi)
        if (m.numero == numero)
            return QString::fromUtf8(m.testo);
    return QStringLiteral("errore di sistema n. %1").arg(numero);
}

QString InItaliano(const QString& testo)
{
    QString italiano = testo;
    for (const Motivo& m : Motivi) {
        const QString inglese = Inglese(m.numero);
        if (!inglese.isEmpty())
            italiano.replace(inglese, QString::fromUtf8(m.testo), Qt::CaseInsensitive);
    }
    for (const auto& [inglese, testo] : TestiQt)
        italiano.replace(QLatin1String(inglese), QString::fromUtf8(testo), Qt::CaseInsensitive);
    return italiano;
}

QString TestoErroreFile(const QIODevice& dispositivo)
{
    const QString testo = InItaliano(dispositivo.errorString());
    const auto* file = qobject_cast<const QFileDevice*>(&dispositivo);
    if (testo != dispositivo.errorString() || !file || file->error() == QFileDevice::NoError)
        return testo;
    // A text of Qt's own: what kind of operation failed.
    switch (file->error()) {
    case QFileDevice::ReadError:
        return QStringLiteral("errore di lettura");
    case QFileDevice::WriteError:
        return QStringLiteral("errore di scrittura");
    case QFileDevice::OpenError:
        return QStringLiteral("il file non può essere aperto");
    case QFileDevice::PermissionsError:
        return QStringLiteral("permesso negato");
    case QFileDevice::ResizeError:
        return QStringLiteral("il file non può essere ridimensionato");
    case QFileDevice::RemoveError:
        return QStringLiteral("il file non può essere eliminato");
    case QFileDevice::RenameError:
        return QStringLiteral("il file non può essere rinominato");
    case QFileDevice::CopyError:
        return QStringLiteral("il file non può essere copiato");
    case QFileDevice::PositionError:
        return QStringLiteral("posizionamento non consentito");
    case QFileDevice::AbortError:
        return QStringLiteral("operazione interrotta");
    case QFileDevice::TimeOutError:
        return QStringLiteral("tempo scaduto");
    default:
        return QStringLiteral("errore del file");
    }
}
