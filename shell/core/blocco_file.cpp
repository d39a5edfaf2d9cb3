#include "blocco_file.h"

#include "blocco_contenuto.h"
#include "database.h"
#include "file_utili.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

QString PortafoglioOccupato(const QString& percorso)
{
    return QStringLiteral("Il portafoglio %1 è già aperto in un'altra copia di Brunivox.")
        .arg(QFileInfo(percorso).fileName());
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
    auto file = std::make_unique<QLockFile>(PercorsoBlocco(percorso));
    // Never stale by age: a program left open for days keeps its lock. A lock whose
    // process is gone is stale whatever its age, and QLockFile takes it over.
    file->setStaleLockTime(0);
    if (!file->tryLock(0)) {
        if (file->error() == QLockFile::LockFailedError)
            return {nullptr, Esito::rifiutato(occupato)};
        return {nullptr,
                Esito::erroreDatabase(QStringLiteral("Impossibile creare il file di blocco %1.")
                                          .arg(QDir::toNativeSeparators(PercorsoBlocco(percorso))))};
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
