#include "punto_salvataggio.h"

#include <QSqlError>
#include <QSqlQuery>

PuntoSalvataggio::PuntoSalvataggio(QSqlDatabase& db, const QString& nome) : db_(db), nome_(nome)
{
    aperto_ = Esegui(QStringLiteral("SAVEPOINT ") + nome_);
}

PuntoSalvataggio::~PuntoSalvataggio()
{
    annulla();
}

bool PuntoSalvataggio::Esegui(const QString& sql)
{
    QSqlQuery q(db_);
    if (q.exec(sql))
        return true;
    errore_ = q.lastError().text();
    return false;
}

bool PuntoSalvataggio::conferma()
{
    if (!aperto_)
        return false;
    if (!Esegui(QStringLiteral("RELEASE ") + nome_))
        return false;
    aperto_ = false;
    return true;
}

void PuntoSalvataggio::annulla()
{
    if (!aperto_)
        return;
    // ROLLBACK TO keeps the savepoint open; RELEASE then closes it with nothing in it.
    Esegui(QStringLiteral("ROLLBACK TO ") + nome_);
    // Only the outermost savepoint can fail to release: it is a commit, which may not get
    // the lock of a file another connection is reading. Its transaction holds nothing of
    // anyone else, so it is ended outright rather than left open.
    if (!Esegui(QStringLiteral("RELEASE ") + nome_))
        Esegui(QStringLiteral("ROLLBACK"));
    aperto_ = false;
}
