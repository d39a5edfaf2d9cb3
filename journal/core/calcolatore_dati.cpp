#include "calcolatore_dati.h"

#include "esito.h"
#include "tabella_settaggi.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace calcolatore {

namespace {

QString ErroreLettura(const QSqlQuery& q)
{
    return TestoErroreDatabase(q.lastError().text());
}

template <class Riga>
std::optional<Riga> Prima(const Lettura<Riga>& lettura)
{
    if (lettura.righe.empty())
        return std::nullopt;
    return lettura.righe.front();
}

} // namespace

Lettura<Sistema> LeggiSistema(const QSqlDatabase& dataset, const QString& cod)
{
    Lettura<Sistema> lettura;
    QSqlQuery q(dataset);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT Commissioni, CommissioniMin FROM System WHERE Cod = ? ORDER BY rowid LIMIT 1"))) {
        lettura.errore = ErroreLettura(q);
        return lettura;
    }
    q.addBindValue(cod);
    if (!q.exec()) {
        lettura.errore = ErroreLettura(q);
        return lettura;
    }
    if (q.next())
        lettura.righe.push_back(Sistema{q.value(0).toDouble(), q.value(1).toDouble()});
    return lettura;
}

Lettura<Settaggi> LeggiSettaggi(const QSqlDatabase& dataset)
{
    const Lettura<RigaSettaggi> settaggi = LeggiRigaSettaggi(dataset);
    Lettura<Settaggi> lettura;
    if (!settaggi.ok())
        lettura.errore = TestoErroreDatabase(settaggi.errore);
    else if (!settaggi.righe.empty())
        lettura.righe.push_back(
            Settaggi{settaggi.righe.front().SLP.value_or(0), settaggi.righe.front().SLMM.value_or(0)});
    return lettura;
}

Parametri LeggiParametri(const QSqlDatabase& dataset, const QString& cod)
{
    const Lettura<Settaggi> settaggi = LeggiSettaggi(dataset);
    const Lettura<Sistema> sistema = LeggiSistema(dataset, cod);
    return Parametri{Prima(settaggi), Prima(sistema), settaggi.ok() ? sistema.errore : settaggi.errore};
}

} // namespace calcolatore
