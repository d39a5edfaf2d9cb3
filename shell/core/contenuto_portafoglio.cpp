#include "contenuto_portafoglio.h"

#include <QSqlQuery>

namespace {

std::optional<long long> Conta(const QSqlDatabase& db, const QString& sql)
{
    if (!db.isOpen())
        return std::nullopt;
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next())
        return std::nullopt;
    return q.value(0).toLongLong();
}

} // namespace

std::optional<long long> ContaEseguiti(const QSqlDatabase& portafoglio)
{
    return Conta(portafoglio, QStringLiteral("SELECT COUNT(*) FROM Eseguiti"));
}

std::optional<long long> ContaOperazioniChiuse(const QSqlDatabase& portafoglio)
{
    return Conta(portafoglio, QStringLiteral("SELECT COUNT(*) FROM OperazioniChiuse"));
}
