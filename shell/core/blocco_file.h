#pragma once
// Lock files that keep two running copies of the program off the same files: one beside
// DataSet.gvx for the program folder, one beside each open portfolio.
#include "esito.h"

#include <QString>

#include <memory>

class QLockFile;

struct [[nodiscard]] EsitoBlocco {
    std::shared_ptr<QLockFile> blocco; // held while the file is in use; null unless accepted
    Esito esito; // refused when another process holds it; an error when no lock file can be made
};

// The lock file that guards `percorso`.
QString PercorsoBlocco(const QString& percorso);

// Takes the lock of `percorso` at once, or says why not. A lock left by a process that
// no longer runs is taken over. `occupato` is the message when another process holds it.
EsitoBlocco BloccaFile(const QString& percorso, const QString& occupato);

// The lock of the program folder `cartella`.
EsitoBlocco BloccaCartellaProgramma(const QString& cartella);

// The lock of a portfolio file.
EsitoBlocco BloccaPortafoglio(const QString& percorso);
