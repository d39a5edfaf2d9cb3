#include "guasti_file.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <gtest/gtest.h>

#include <csignal>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The child's watch: one per process, set before any connection it watches is opened.
std::function<bool(const QString&)> Colpito;
int CanaleUcciso = -1;

[[noreturn]] void Uccidi()
{
    const char esito = 'k';
    if (CanaleUcciso >= 0 && write(CanaleUcciso, &esito, 1) == 1)
        kill(getpid(), SIGKILL);
    _exit(2);
}

int Colpisci(void* db)
{
    const char* file = sqlite3_db_filename(static_cast<sqlite3*>(db), "main");
    if (Colpito(QString::fromUtf8(file ? file : "")))
        Uccidi();
    return 0;
}

int OsservaCommit(sqlite3* db, const char**, const struct sqlite3_api_routines*)
{
    sqlite3_commit_hook(db, Colpisci, db);
    return SQLITE_OK;
}

int OsservaLavoro(sqlite3* db, const char**, const struct sqlite3_api_routines*)
{
    // A few hundred steps of the virtual machine: past the start of a statement that copies
    // or drops, well before its end.
    sqlite3_progress_handler(db, 200, Colpisci, db);
    return SQLITE_OK;
}

int ThreadDelProcesso()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

} // namespace

bool Ucciso(MomentoUcciso quando, const std::function<bool(const QString& file)>& colpito,
            const std::function<void()>& lavoro)
{
    // A child forked from a process with other threads could find a lock held for ever.
    EXPECT_EQ(ThreadDelProcesso(), 1) << "fork needs a process of one thread";
    int canale[2];
    if (pipe(canale) != 0) {
        ADD_FAILURE() << "no pipe";
        return false;
    }
    const pid_t figlio = fork();
    if (figlio == 0) {
        close(canale[0]);
        Colpito = colpito;
        CanaleUcciso = canale[1];
        sqlite3_auto_extension(
            reinterpret_cast<void (*)()>(quando == MomentoUcciso::Commit ? OsservaCommit : OsservaLavoro));
        lavoro();
        const char esito = 'f';
        _exit(write(canale[1], &esito, 1) == 1 ? 0 : 1);
    }
    close(canale[1]);
    char esito = 0;
    const ssize_t letti = figlio > 0 ? read(canale[0], &esito, 1) : 0;
    close(canale[0]);
    int stato = 0;
    if (figlio > 0)
        waitpid(figlio, &stato, 0);
    EXPECT_EQ(letti, 1) << "the child neither finished nor was killed";
    return letti == 1 && esito == 'k' && WIFSIGNALED(stato) && WTERMSIG(stato) == SIGKILL;
}

void UccidiOra()
{
    Uccidi();
}

FiglioInAttesa::FiglioInAttesa(const std::function<bool()>& prepara)
{
    int canale[2];
    if (pipe(canale) != 0) {
        ADD_FAILURE() << "no pipe";
        return;
    }
    const pid_t figlio = fork();
    if (figlio == 0) {
        close(canale[0]);
        const char esito = prepara() ? 'k' : 'x';
        if (write(canale[1], &esito, 1) != 1)
            _exit(1);
        for (;;)
            pause();
    }
    close(canale[1]);
    char esito = 0;
    const ssize_t letti = figlio > 0 ? read(canale[0], &esito, 1) : 0;
    close(canale[0]);
    figlio_ = figlio;
    pronto_ = letti == 1 && esito == 'k';
}

FiglioInAttesa::~FiglioInAttesa()
{
    uccidi();
}

void FiglioInAttesa::uccidi()
{
    if (figlio_ <= 0)
        return;
    kill(figlio_, SIGKILL);
    int stato = 0;
    waitpid(figlio_, &stato, 0);
    figlio_ = -1;
}

void ScrittoreUcciso(const QString& percorso, const QString& istruzione, int volte)
{
    const QByteArray file = QFile::encodeName(percorso);
    const QByteArray sql = istruzione.toUtf8();
    // The child touches nothing of Qt: plain SQLite, then it waits to be killed.
    FiglioInAttesa scrittore([&] {
        sqlite3* db = nullptr;
        if (sqlite3_open(file.constData(), &db) != SQLITE_OK
            || sqlite3_exec(db, "PRAGMA cache_size = 10; BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
            return false;
        for (int i = 0; i < volte; ++i)
            if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
                return false;
        return true;
    });
    scrittore.uccidi();
    ASSERT_TRUE(scrittore.pronto()) << "the writer could not write " << istruzione.toStdString();
    ASSERT_TRUE(QFile::exists(percorso + QStringLiteral("-journal"))) << "no journal left behind";
}

ScrittoreInAttesa::ScrittoreInAttesa(const QString& percorso)
    : FiglioInAttesa([file = QFile::encodeName(percorso)] {
          sqlite3* db = nullptr;
          return sqlite3_open(file.constData(), &db) == SQLITE_OK
              && sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
      })
{
    EXPECT_TRUE(pronto()) << "the other writer could not take the lock";
}

DiscoPieno::DiscoPieno(long long byte)
{
    struct rlimit l;
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &l), 0);
    limite_ = static_cast<long long>(l.rlim_cur);
    massimo_ = static_cast<long long>(l.rlim_max);
    segnale_ = signal(SIGXFSZ, SIG_IGN);
    l.rlim_cur = static_cast<rlim_t>(byte);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &l), 0);
}

DiscoPieno::~DiscoPieno()
{
    struct rlimit l;
    l.rlim_cur = static_cast<rlim_t>(limite_);
    l.rlim_max = static_cast<rlim_t>(massimo_);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &l), 0);
    signal(SIGXFSZ, segnale_);
}

void DanneggiaUltimePagine(const QString& percorso, int pagine)
{
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const qint64 pagina = 4096;
    ASSERT_GT(f.size(), pagina * (pagine + 2)) << "too few pages to damage";
    for (int i = 1; i <= pagine; ++i) {
        // Garbage from the page header on: the page no longer reads as a b-tree page.
        ASSERT_TRUE(f.seek(f.size() - i * pagina));
        f.write(QByteArray(int(pagina), '\xA5'));
    }
}

StatoFile LeggiStatoFile(const QString& percorso, const QString& tabella)
{
    StatoFile s;
    const QString nome = QStringLiteral("stato-") + QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(percorso);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT COUNT(*) FROM ") + tabella) && q.next())
                s.righe = q.value(0).toLongLong();
            if (q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next())
                s.integrita = q.value(0).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
    return s;
}
