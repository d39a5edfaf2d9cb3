#include "impostazioni_vista.h"

#include <QSqlQuery>
#include <QVariant>

std::optional<ImpostazioniVista> LeggiImpostazioniVista(const QSqlDatabase& dataset)
{
    if (!dataset.isOpen())
        return std::nullopt;
    QSqlQuery q(dataset);
    if (!q.exec(QStringLiteral("SELECT Tip, Benvenuto, Clock, Menu, Icone32, IconeName, ApriUltimo "
                               "FROM Settaggi LIMIT 1"))
        || !q.next())
        return std::nullopt;
    ImpostazioniVista v;
    v.Tip = q.value(0).toInt();
    v.Benvenuto = q.value(1).toInt();
    v.Clock = q.value(2).toInt();
    v.Menu = q.value(3).toInt();
    v.Icone32 = q.value(4).toInt();
    v.IconeName = q.value(5).toInt();
    const QString ultimo = q.value(6).toString();
    v.ApriUltimo = ultimo.isEmpty() ? QStringLiteral("0") : ultimo;
    return v;
}
