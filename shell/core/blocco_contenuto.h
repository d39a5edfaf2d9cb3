#pragma once
// A lock held on a file's content, which every name of the file meets: a second path, a
// symbolic link, a hard link. Taken through a descriptor of its own, as an open-file-description
// lock on one byte far beyond those SQLite locks, so that it never meets SQLite's locks.
// Closing a descriptor drops every classic POSIX lock this process holds on the file, SQLite's
// included: the lock of a database file must not go while a transaction on that file is open.
#include <QString>

struct flock;

class BloccoContenuto {
public:
    // SenzaBlocco: the file is open, but its file system keeps no such locks; the lock file
    // beside it is then the only guard, as it was before content locks.
    enum class Stato { Preso, SenzaBlocco, Occupato, Errore };

    // Opens `percorso` for writing (creating it when `crea`) and takes the lock at once.
    BloccoContenuto(const QString& percorso, bool crea);
    ~BloccoContenuto();
    BloccoContenuto(const BloccoContenuto&) = delete;
    BloccoContenuto& operator=(const BloccoContenuto&) = delete;

    Stato stato() const { return stato_; }
    // Why the file could not be opened or locked, when the state is Errore.
    QString errore() const { return errore_; }
    // Open while the lock is held (or the file system keeps none); -1 otherwise.
    int descrittore() const { return descrittore_; }

private:
    int descrittore_ = -1;
    Stato stato_ = Stato::Errore;
    QString errore_;
};

// Whether someone else (another copy of the program, or another lock of this one) holds the
// lock on the content of `percorso`. Ignoto when it cannot be asked: no such file, no
// reading it, or a file system that keeps no record locks. Takes nothing and creates nothing.
enum class StatoContenuto { Libero, Bloccato, Ignoto };
StatoContenuto ChiediContenuto(const QString& percorso);

// True when ChiediContenuto says Bloccato.
bool ContenutoBloccato(const QString& percorso);

// The call that takes and asks about the content locks (fcntl's). A test puts in its place
// one that answers as a file system without record locks does; returns the one it replaces.
using ChiamataBlocco = int (*)(int descrittore, int comando, struct flock* intervallo);
ChiamataBlocco SostituisciChiamataBlocco(ChiamataBlocco chiamata);
