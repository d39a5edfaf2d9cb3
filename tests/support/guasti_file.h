#pragma once
// Files as a crash or a bad disk leaves them.
#include <QString>

#include <functional>

// A writer in another process runs `istruzione` `volte` times in one transaction, large
// enough to spill into the database file, and is killed (SIGKILL) before it commits: the
// file is left half-written, with its rollback journal beside it.
void ScrittoreUcciso(const QString& percorso, const QString& istruzione, int volte = 3000);

// Where a child running some work is killed.
enum class MomentoUcciso {
    Commit, // at the commit of a transaction, before anything of it is kept
    Lavoro, // inside the first statement that does some work: a copy, a drop, a rewrite
};

// Runs `lavoro` in a child process that is killed (SIGKILL) `quando` on an SQLite connection
// whose main file `colpito` accepts: what a kill or a power cut leaves of the work at that
// point. Only connections opened inside `lavoro` are watched. True when the child died
// there; false when it finished without reaching that point.
bool Ucciso(MomentoUcciso quando, const std::function<bool(const QString& file)>& colpito,
            const std::function<void()>& lavoro);

// Called inside the work of Ucciso: the child is killed (SIGKILL) at this very point.
[[noreturn]] void UccidiOra();

// Another process that runs `prepara`, tells whether it succeeded, and then waits, holding
// whatever it took (a lock, an open transaction), until it is killed (SIGKILL): by `uccidi`,
// or when this object goes.
class FiglioInAttesa {
public:
    explicit FiglioInAttesa(const std::function<bool()>& prepara);
    ~FiglioInAttesa();
    FiglioInAttesa(const FiglioInAttesa&) = delete;
    FiglioInAttesa& operator=(const FiglioInAttesa&) = delete;

    // True when `prepara` returned true in the child.
    bool pronto() const { return pronto_; }
    // Kills the child and waits for its end.
    void uccidi();

private:
    int figlio_ = -1;
    bool pronto_ = false;
};

// Another process holds the write lock of `percorso` (BEGIN IMMEDIATE, nothing written) for
// as long as this object lives: the file reads as usual, and a write of this process that
// follows a read in one transaction is refused at once with "database is locked".
class ScrittoreInAttesa : public FiglioInAttesa {
public:
    explicit ScrittoreInAttesa(const QString& percorso);
};

// For as long as it lives, no file this process writes grows beyond `byte`: a write past it
// fails as on a full disk (RLIMIT_FSIZE, its signal ignored).
class DiscoPieno {
public:
    explicit DiscoPieno(long long byte);
    ~DiscoPieno();
    DiscoPieno(const DiscoPieno&) = delete;
    DiscoPieno& operator=(const DiscoPieno&) = delete;

private:
    long long limite_ = -1;
    long long massimo_ = -1;
    void (*segnale_)(int) = nullptr;
};

// Overwrites the data pages at the end of the file, where the rows last written live;
// the schema on the first page stays readable.
void DanneggiaUltimePagine(const QString& percorso, int pagine = 2);

// Number of rows of `tabella` and the result of PRAGMA integrity_check, read on a
// connection of their own.
struct StatoFile {
    long long righe = -1;
    QString integrita;
};
StatoFile LeggiStatoFile(const QString& percorso, const QString& tabella);
