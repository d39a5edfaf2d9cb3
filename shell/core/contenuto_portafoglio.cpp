#include "contenuto_portafoglio.h"

#include "esito.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

Lettura<long long> Conta(const QSqlDatabase& db, const QString& sql)
{
    if (!db.isOpen())
        return {{}, QStringLiteral("Errore del database: il portafoglio non è aperto.")};
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next())
        return {{}, TestoErroreDatabase(q.lastError().text())};
    return {{q.value(0).toLongLong()}, {}};
}

} // namespace

Lettura<long long> ContaEseguiti(const QSqlDatabase& portafoglio)
{
    return Conta(portafoglio, QStringLiteral("SELECT COUNT(*) FROM Eseguiti"));
}

Lettura<long long> ContaOperazioniChiuse(const QSqlDatabase& portafoglio)
{
    return Conta(portafoglio, QStringLiteral("SELECT COUNT(*) FROM OperazioniChiuse"));
}
