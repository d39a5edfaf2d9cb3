#include "settaggi_avvio.h"

#include "tabella_settaggi.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace {

Esito Scrivi(const QSqlDatabase& dataset, std::initializer_list<ValoreSettaggi> valori)
{
    const QString errore = ScriviRigaSettaggi(dataset, valori);
    if (!errore.isEmpty())
        return Esito::erroreDatabase(QStringLiteral("Impossibile salvare le impostazioni: ") + errore);
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
    return Scrivi(dataset, {{CampoSettaggi::Tip, 0}});
}

Esito SpegniBenvenutoAllAvvio(const QSqlDatabase& dataset)
{
    return Scrivi(dataset, {{CampoSettaggi::Benvenuto, 0}});
}

Esito ScriviImpostazioniVista(const QSqlDatabase& dataset, const ImpostazioniVista& v)
{
    using enum CampoSettaggi;
    return Scrivi(dataset, {{Tip, v.Tip},
                            {Clock, v.Clock},
                            {Menu, v.Menu},
                            {Benvenuto, v.Benvenuto},
                            {Icone32, v.Icone32},
                            {IconeName, v.IconeName}});
}
