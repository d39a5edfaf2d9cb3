#include "guasti_file.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <gtest/gtest.h>

#include <csignal>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

void ScrittoreUcciso(const QString& percorso, const QString& istruzione, int volte)
{
    int canale[2];
    ASSERT_EQ(pipe(canale), 0);
    const QByteArray file = QFile::encodeName(percorso);
    const QByteArray sql = istruzione.toUtf8();
    const pid_t figlio = fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        // The child touches nothing of Qt: plain SQLite, then it waits to be killed.
        close(canale[0]);
        sqlite3* db = nullptr;
        char esito = 'x';
        if (sqlite3_open(file.constData(), &db) == SQLITE_OK
            && sqlite3_exec(db, "PRAGMA cache_size = 10; BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK) {
            esito = 'k';
            for (int i = 0; i < volte && esito == 'k'; ++i)
                if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
                    esito = 'x';
        }
        if (write(canale[1], &esito, 1) != 1)
            _exit(1);
        for (;;)
            pause();
    }
    close(canale[1]);
    char esito = 0;
    const ssize_t letti = read(canale[0], &esito, 1);
    close(canale[0]);
    kill(figlio, SIGKILL);
    int stato = 0;
    waitpid(figlio, &stato, 0);
    ASSERT_EQ(letti, 1);
    ASSERT_EQ(esito, 'k') << "the writer could not write " << istruzione.toStdString();
    ASSERT_TRUE(QFile::exists(percorso + QStringLiteral("-journal"))) << "no journal left behind";
}

ScrittoreInAttesa::ScrittoreInAttesa(const QString& percorso)
{
    int canale[2];
    if (pipe(canale) != 0) {
        ADD_FAILURE() << "no pipe";
        return;
    }
    const QByteArray file = QFile::encodeName(percorso);
    const pid_t figlio = fork();
    if (figlio == 0) {
        close(canale[0]);
        sqlite3* db = nullptr;
        const char esito = sqlite3_open(file.constData(), &db) == SQLITE_OK
                && sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK
            ? 'k'
            : 'x';
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
    EXPECT_TRUE(figlio > 0 && letti == 1 && esito == 'k') << "the other writer could not take the lock";
}

ScrittoreInAttesa::~ScrittoreInAttesa()
{
    if (figlio_ <= 0)
        return;
    kill(figlio_, SIGKILL);
    int stato = 0;
    waitpid(figlio_, &stato, 0);
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
