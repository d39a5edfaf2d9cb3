#include "contenuto_portafoglio.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

std::optional<long long> Conta(const QSqlDatabase& db, const QString& sql, QString* errore = nullptr)
{
    if (!db.isOpen()) {
        if (errore)
            *errore = QStringLiteral("Errore del database: il portafoglio non è aperto.");
        return std::nullopt;
    }
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next()) {
        if (errore)
            *errore = QStringLiteral("Errore del database: %1").arg(q.lastError().text());
        return std::nullopt;
    }
    return q.value(0).toLongLong();
}

} // namespace

std::optional<long long> ContaEseguiti(const QSqlDatabase& portafoglio, QString* errore)
{
    return Conta(portafoglio, QStringLiteral("SELECT COUNT(*) FROM Eseguiti"), errore);
}

std::optional<long long> ContaOperazioniChiuse(const QSqlDatabase& portafoglio)
{
    return Conta(portafoglio, QStringLiteral("SELECT COUNT(*) FROM OperazioniChiuse"));
}
