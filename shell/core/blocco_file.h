#pragma once
// Locks that keep two running copies of the program off the same files: one for the program
// folder (on its DataSet.gvx), one for each open portfolio. A file is told by what it is, not
// by the name it was reached by: the lock file sits beside the file a symbolic link leads to,
// and the file's content carries a lock as well, which any other name of the same file (a
// hard link) meets too.
#include "esito.h"

#include <QString>

#include <memory>

class BloccoContenuto;
class QLockFile;

class BloccoFile {
public:
    BloccoFile(std::unique_ptr<QLockFile> file, QString percorso, QString occupato);
    ~BloccoFile();
    BloccoFile(const BloccoFile&) = delete;
    BloccoFile& operator=(const BloccoFile&) = delete;

    // Locks the content of the file now at the path: a copy written beside the file and
    // renamed onto it is a new file, which the lock on the one it replaced does not guard.
    // A path with no file yet holds only the lock file.
    Esito bloccaContenuto();

private:
    std::unique_ptr<QLockFile> file_;
    std::unique_ptr<BloccoContenuto> contenuto_;
    QString percorso_;
    QString occupato_;
};

struct [[nodiscard]] EsitoBlocco {
    std::shared_ptr<BloccoFile> blocco; // held while the file is in use; null unless accepted
    Esito esito; // refused when another process holds it; an error when no lock can be made
};

// The lock file that guards `percorso`: beside the file itself, wherever links lead.
QString PercorsoBlocco(const QString& percorso);

// Takes the lock of `percorso` at once, or says why not. A lock file left by a process that
// no longer runs is taken over, and so is one whose owner cannot be read while no other
// process holds the lock. `occupato` is the message when another process holds it.
EsitoBlocco BloccaFile(const QString& percorso, const QString& occupato);

// The lock of the program folder `cartella`.
EsitoBlocco BloccaCartellaProgramma(const QString& cartella);

// The lock of a portfolio file.
EsitoBlocco BloccaPortafoglio(const QString& percorso);

// Refused, with the message of BloccaPortafoglio, when `percorso` is a portfolio open in
// another copy of the program. Leaves no lock behind.
Esito VerificaPortafoglioLibero(const QString& percorso);
