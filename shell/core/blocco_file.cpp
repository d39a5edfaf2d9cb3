#include "blocco_file.h"

#include "blocco_contenuto.h"
#include "database.h"
#include "file_utili.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString PortafoglioOccupato(const QString& percorso)
{
    return QStringLiteral("Il portafoglio %1 è già aperto in un'altra copia di Brunivox.")
        .arg(QFileInfo(percorso).fileName());
}

// A lock file whose owner cannot be read (empty, garbled, a folder): left by a copy killed
// between making it and writing it, or spoilt since. Removed, so that it can be taken over,
// only when nothing shows a running copy behind it: neither the lock a holder keeps on the
// lock file itself nor the lock on the content of the file it guards. When either cannot be
// asked, it stays.
bool BloccoIlleggibileRimosso(QLockFile& file, const QString& percorso)
{
    qint64 pid = 0;
    QString host;
    QString programma;
    if (file.getLockInfo(&pid, &host, &programma))
        return false;
    if (QFileInfo(percorso).isFile() && ChiediContenuto(percorso) != StatoContenuto::Libero)
        return false;
    const QByteArray nome = QFile::encodeName(PercorsoBlocco(percorso));
    const int descrittore = ::open(nome.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (descrittore < 0)
        return false;
    bool rimosso = false;
    struct stat aperto;
    struct stat qui;
    // Held while it is looked at again and removed: a holder takes this lock as it makes the file.
    if (::flock(descrittore, LOCK_EX | LOCK_NB) == 0 && ::fstat(descrittore, &aperto) == 0
        && ::lstat(nome.constData(), &qui) == 0 && aperto.st_dev == qui.st_dev && aperto.st_ino == qui.st_ino
        && !file.getLockInfo(&pid, &host, &programma))
        rimosso = (S_ISDIR(aperto.st_mode) ? ::rmdir(nome.constData()) : ::unlink(nome.constData())) == 0;
    ::close(descrittore);
    return rimosso;
}

} // namespace

BloccoFile::BloccoFile(std::unique_ptr<QLockFile> file, QString percorso, QString occupato)
    : file_(std::move(file)), percorso_(std::move(percorso)), occupato_(std::move(occupato))
{
}

BloccoFile::~BloccoFile() = default;

Esito BloccoFile::bloccaContenuto()
{
    if (!QFileInfo(percorso_).isFile()) {
        contenuto_.reset();
        return Esito::accettato();
    }
    auto nuovo = std::make_unique<BloccoContenuto>(percorso_, false);
    switch (nuovo->stato()) {
    case BloccoContenuto::Stato::Preso:
    case BloccoContenuto::Stato::SenzaBlocco:
        contenuto_ = std::move(nuovo);
        return Esito::accettato();
    case BloccoContenuto::Stato::Occupato:
        return Esito::rifiutato(occupato_);
    case BloccoContenuto::Stato::Errore:
        break;
    }
    return Esito::erroreDatabase(QStringLiteral("Impossibile bloccare il file %1: %2")
                                     .arg(QDir::toNativeSeparators(percorso_), nuovo->errore()));
}

QString PercorsoBlocco(const QString& percorso)
{
    return PercorsoReale(percorso) + QStringLiteral(".lock");
}

EsitoBlocco BloccaFile(const QString& percorso, const QString& occupato)
{
    const QString fileBlocco = PercorsoBlocco(percorso);
    auto file = std::make_unique<QLockFile>(fileBlocco);
    // Never stale by age: a program left open for days keeps its lock. A lock whose
    // process is gone is stale whatever its age, and QLockFile takes it over.
    file->setStaleLockTime(0);
    if (!file->tryLock(0) && !(file->error() == QLockFile::LockFailedError && BloccoIlleggibileRimosso(*file, percorso)
                               && file->tryLock(0))) {
        const QString nome = QDir::toNativeSeparators(fileBlocco);
        if (const QFileInfo info(fileBlocco); info.isDir() && !info.isSymLink() && !ContenutoBloccato(percorso))
            return {nullptr, Esito::erroreDatabase(
                                 QStringLiteral("Impossibile creare il file di blocco %1: al suo posto c'è una cartella.")
                                     .arg(nome))};
        if (file->error() == QLockFile::LockFailedError)
            return {nullptr, Esito::rifiutato(occupato)};
        return {nullptr, Esito::erroreDatabase(QStringLiteral("Impossibile creare il file di blocco %1.").arg(nome))};
    }
    // The lock file alone guards one name; another name of the same file meets the lock on
    // its content.
    auto blocco = std::make_shared<BloccoFile>(std::move(file), percorso, occupato);
    if (Esito contenuto = blocco->bloccaContenuto(); !contenuto.ok())
        return {nullptr, std::move(contenuto)};
    return {std::move(blocco), Esito::accettato()};
}

EsitoBlocco BloccaCartellaProgramma(const QString& cartella)
{
    return BloccaFile(QDir(cartella).filePath(NomeFileDataSet), QStringLiteral("Brunivox è già in esecuzione."));
}

EsitoBlocco BloccaPortafoglio(const QString& percorso)
{
    return BloccaFile(percorso, PortafoglioOccupato(percorso));
}

Esito VerificaPortafoglioLibero(const QString& percorso)
{
    // Asking through the lock file would make one beside any file asked about: only a lock
    // file already there is tried, and let go at once.
    if (QFile::exists(PercorsoBlocco(percorso)))
        return BloccaPortafoglio(percorso).esito;
    if (QFileInfo(percorso).isFile() && ContenutoBloccato(percorso))
        return Esito::rifiutato(PortafoglioOccupato(percorso));
    return Esito::accettato();
}
