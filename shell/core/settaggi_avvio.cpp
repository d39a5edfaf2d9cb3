#include "settaggi_avvio.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace {

Esito Esegui(const QSqlDatabase& dataset, const QString& sql, const QVariantList& valori = {})
{
    QSqlQuery q(dataset);
    q.prepare(sql);
    for (const QVariant& v : valori)
        q.addBindValue(v);
    if (!q.exec())
        return Esito::erroreDatabase(QStringLiteral("Impossibile salvare le impostazioni: ") + q.lastError().text());
    return Esito::accettato();
}

} // namespace

Lettura<QString> LeggiConsigli(const QSqlDatabase& dataset)
{
    Lettura<QString> lettura;
    QSqlQuery q(dataset);
    q.prepare(QStringLiteral("SELECT Consiglio FROM Consiglio ORDER BY rowid LIMIT ?"));
    q.addBindValue(ConsigliMostrati);
    if (!q.exec()) {
        lettura.errore = QStringLiteral("Impossibile leggere i consigli: ") + q.lastError().text();
        return lettura;
    }
    while (q.next())
        lettura.righe.push_back(q.value(0).toString());
    return lettura;
}

int IndiceConsiglio(double caso, int righe)
{
    const int n = std::min(righe, ConsigliMostrati);
    if (n <= 0)
        return -1;
    return std::clamp(static_cast<int>(caso * n), 0, n - 1);
}

Esito SpegniConsigliAllAvvio(const QSqlDatabase& dataset)
{
    return Esegui(dataset, QStringLiteral("UPDATE Settaggi SET Tip = 0"));
}

Esito SpegniBenvenutoAllAvvio(const QSqlDatabase& dataset)
{
    return Esegui(dataset, QStringLiteral("UPDATE Settaggi SET Benvenuto = 0"));
}

Esito ScriviImpostazioniVista(const QSqlDatabase& dataset, const ImpostazioniVista& v)
{
    return Esegui(dataset,
                  QStringLiteral("UPDATE Settaggi SET Tip = ?, Clock = ?, Menu = ?, Benvenuto = ?, Icone32 = ?, "
                                 "IconeName = ?"),
                  {v.Tip, v.Clock, v.Menu, v.Benvenuto, v.Icone32, v.IconeName});
}
