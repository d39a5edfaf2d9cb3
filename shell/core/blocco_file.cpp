#include "blocco_file.h"

#include "database.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

QString PercorsoBlocco(const QString& percorso)
{
    return percorso + QStringLiteral(".lock");
}

EsitoBlocco BloccaFile(const QString& percorso, const QString& occupato)
{
    auto blocco = std::make_shared<QLockFile>(PercorsoBlocco(percorso));
    // Never stale by age: a program left open for days keeps its lock. A lock whose
    // process is gone is stale whatever its age, and QLockFile takes it over.
    blocco->setStaleLockTime(0);
    if (blocco->tryLock(0))
        return {std::move(blocco), Esito::accettato()};
    if (blocco->error() == QLockFile::LockFailedError)
        return {nullptr, Esito::rifiutato(occupato)};
    return {nullptr,
            Esito::erroreDatabase(QStringLiteral("Impossibile creare il file di blocco %1.")
                                      .arg(QDir::toNativeSeparators(PercorsoBlocco(percorso))))};
}

EsitoBlocco BloccaCartellaProgramma(const QString& cartella)
{
    return BloccaFile(QDir(cartella).filePath(NomeFileDataSet), QStringLiteral("Brunivox è già in esecuzione."));
}

EsitoBlocco BloccaPortafoglio(const QString& percorso)
{
    return BloccaFile(percorso, QStringLiteral("Il portafoglio %1 è già aperto in un'altra copia di Brunivox.")
                                    .arg(QFileInfo(percorso).fileName()));
}
