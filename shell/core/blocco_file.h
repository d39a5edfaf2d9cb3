#pragma once
// Lock files that keep two running copies of the program off the same files: one beside
// DataSet.gvx for the program folder, one beside each open portfolio.
#include <QString>

#include <memory>

class QLockFile;

struct EsitoBlocco {
    std::shared_ptr<QLockFile> blocco;   // held while the file is in use; null on refusal
    QString errore;                      // Italian reason when the lock could not be taken
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
