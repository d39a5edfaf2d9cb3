#pragma once
// Files written beside their target, under a hidden name of ours, and renamed onto it only
// once whole: whatever fails or kills the program meanwhile, the target keeps what it had.
// What a killed copy leaves there is told by that name alone and removed later.
#include "esito.h"

#include <QString>

#include <functional>
#include <memory>

class BloccoContenuto;

// The temporary file of one write to `destinazione`, held by this copy of the program from
// its making until it is renamed into place or removed. Removed when it goes unless
// completed: on a failure the target keeps what it had (or stays absent); a kill leaves the
// temporary file, which the next write into that folder, or the next start, removes. A file
// replaced keeps its permissions; a new one is for the owner only. A link as target keeps
// naming the file it leads to, which the write replaces.
class FileAccanto {
public:
    explicit FileAccanto(const QString& destinazione);
    ~FileAccanto();
    FileAccanto(const FileAccanto&) = delete;
    FileAccanto& operator=(const FileAccanto&) = delete;

    // Accepted when the temporary file is there, empty, to be written. Refused when another
    // copy of the program is writing the same target; otherwise a database error with the
    // Italian reason.
    const Esito& esito() const { return esito_; }
    const QString& temporaneo() const { return temporaneo_; }

    // Flushes the temporary file and gives it the target's name.
    Esito completa();

private:
    QString destinazione_;
    QString finale_;
    QString temporaneo_;
    std::unique_ptr<BloccoContenuto> blocco_;
    Esito esito_;
    bool completato_ = false;
};

// Writes the whole file at the path it is given (an empty file, held by this copy of the
// program), or says why not.
using ScritturaFile = std::function<Esito(const QString& temporaneo)>;

// Writes `destinazione` through `scrivi` into a FileAccanto and completes it, or says why not.
Esito ScriviAccanto(const QString& destinazione, const ScritturaFile& scrivi);

// The temporary file of a write to `destinazione`: hidden, beside the file, named after it.
QString PercorsoTemporaneo(const QString& destinazione);

// True when `nome` (no folder) is a temporary file of ours or its SQLite journal.
bool NomeTemporaneo(const QString& nome);

// Removes from `cartella` the temporary files of ours that no running copy is writing, with
// their journals: what copies killed while writing left. Nothing else is touched; on a file
// system without record locks nothing is, since a running writer could not be told.
void RimuoviAvanzi(const QString& cartella);
