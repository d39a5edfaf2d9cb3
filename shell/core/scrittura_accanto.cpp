#include "scrittura_accanto.h"

#include "blocco_contenuto.h"
#include "errore_sistema.h"
#include "file_utili.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Distinctive enough that no file of the user's is taken for one of ours.
const QString SuffissoTemporaneo = QStringLiteral(".brunivox-tmp");
const QString SuffissoGiornale = QStringLiteral("-journal");

QString Nome(const QString& percorso)
{
    return QFileInfo(percorso).fileName();
}

// The file open on `descrittore` is still the one at `percorso`: no one removed or replaced
// it between the opening and the lock.
bool AncoraQui(int descrittore, const QString& percorso)
{
    struct stat aperto;
    struct stat qui;
    return ::fstat(descrittore, &aperto) == 0 && ::lstat(QFile::encodeName(percorso).constData(), &qui) == 0
        && aperto.st_dev == qui.st_dev && aperto.st_ino == qui.st_ino;
}

// Removes the leftover `temporaneo` and its journal, holding its lock: a writer holds that
// lock from before it writes until its file is renamed or removed.
void RimuoviSeAbbandonato(const QString& temporaneo)
{
    const BloccoContenuto blocco(temporaneo, true);
    if (blocco.stato() != BloccoContenuto::Stato::Preso || !AncoraQui(blocco.descrittore(), temporaneo))
        return;
    QFile::remove(temporaneo + SuffissoGiornale);
    QFile::remove(temporaneo);
}

} // namespace

QString PercorsoTemporaneo(const QString& destinazione)
{
    const QFileInfo info(PercorsoReale(destinazione));
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + SuffissoTemporaneo;
}

bool NomeTemporaneo(const QString& nome)
{
    QString base = nome;
    if (base.endsWith(SuffissoGiornale))
        base.chop(SuffissoGiornale.size());
    return base.startsWith(QLatin1Char('.')) && base.endsWith(SuffissoTemporaneo)
        && base.size() > 1 + SuffissoTemporaneo.size() && !base.contains(QLatin1Char('/'));
}

void RimuoviAvanzi(const QString& cartella)
{
    const QDir dir(cartella);
    const QStringList filtri = {QStringLiteral(".*") + SuffissoTemporaneo,
                                QStringLiteral(".*") + SuffissoTemporaneo + SuffissoGiornale};
    // Only plain files: we never make links under these names.
    QStringList temporanei;
    for (const QString& nome : dir.entryList(filtri, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        if (!NomeTemporaneo(nome))
            continue;
        QString base = nome;
        if (base.endsWith(SuffissoGiornale))
            base.chop(SuffissoGiornale.size());
        if (!temporanei.contains(base))
            temporanei << base;
    }
    for (const QString& base : temporanei) {
        // A journal alone has lost its file: taking the lock makes it again, to go with it.
        const QString temporaneo = dir.filePath(base);
        if (!QFileInfo(temporaneo).isSymLink())
            RimuoviSeAbbandonato(temporaneo);
    }
}

FileAccanto::FileAccanto(const QString& destinazione)
    : destinazione_(destinazione), finale_(PercorsoReale(destinazione)), temporaneo_(PercorsoTemporaneo(destinazione))
{
    RimuoviAvanzi(QFileInfo(finale_).absolutePath());

    // Named after its target, so that its lock keeps two copies of the program off the same
    // name; a leftover removed by another copy between the opening and the lock is opened again.
    for (int prova = 0; prova < 3 && !blocco_; ++prova) {
        blocco_ = std::make_unique<BloccoContenuto>(temporaneo_, true);
        if (blocco_->stato() == BloccoContenuto::Stato::Occupato) {
            blocco_.reset();
            esito_ = Esito::rifiutato(QStringLiteral("Il file %1 è in corso di scrittura in un'altra copia di Brunivox.")
                                          .arg(Nome(destinazione)));
            return;
        }
        if (blocco_->stato() == BloccoContenuto::Stato::Errore) {
            esito_ = Esito::erroreDatabase(QStringLiteral("Impossibile scrivere nella cartella di %1: %2")
                                               .arg(Nome(destinazione), blocco_->errore()));
            blocco_.reset();
            return;
        }
        if (!AncoraQui(blocco_->descrittore(), temporaneo_))
            blocco_.reset();
    }
    const QString cartellaNonScrivibile = QStringLiteral("Impossibile scrivere nella cartella di %1.").arg(Nome(destinazione));
    if (!blocco_) {
        esito_ = Esito::erroreDatabase(cartellaNonScrivibile);
        return;
    }
    // Whatever a killed copy left under this name is dropped, its journal too.
    struct stat precedente;
    const bool sostituito = ::stat(QFile::encodeName(finale_).constData(), &precedente) == 0;
    const mode_t permessi = sostituito ? (precedente.st_mode & 07777) : mode_t(0600);
    const QString giornale = temporaneo_ + SuffissoGiornale;
    if (::ftruncate(blocco_->descrittore(), 0) != 0 || ::fchmod(blocco_->descrittore(), permessi) != 0
        || (QFile::exists(giornale) && !QFile::remove(giornale)))
        esito_ = Esito::erroreDatabase(cartellaNonScrivibile);
}

FileAccanto::~FileAccanto()
{
    // Removed while still held, so that no other copy is writing it meanwhile.
    if (blocco_ && !completato_) {
        QFile::remove(temporaneo_ + SuffissoGiornale);
        QFile::remove(temporaneo_);
    }
}

Esito FileAccanto::completa()
{
    if (!esito_.ok())
        return esito_;
    // On disk before it takes the target's name, so that a power loss leaves one whole file.
    if (::fsync(blocco_->descrittore()) != 0)
        return Esito::erroreDatabase(
            QStringLiteral("Impossibile completare il file %1: %2.").arg(Nome(destinazione_), TestoErroreSistema(errno)));
    if (std::rename(QFile::encodeName(temporaneo_).constData(), QFile::encodeName(finale_).constData()) != 0)
        return Esito::erroreDatabase(
            QStringLiteral("Impossibile sostituire il file %1: %2.").arg(Nome(destinazione_), TestoErroreSistema(errno)));
    completato_ = true;
    return Esito::accettato();
}

Esito ScriviAccanto(const QString& destinazione, const ScritturaFile& scrivi)
{
    FileAccanto file(destinazione);
    if (!file.esito().ok())
        return file.esito();
    if (Esito scritto = scrivi(file.temporaneo()); !scritto.ok())
        return scritto;
    return file.completa();
}
