#include "tabella_settaggi.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

enum Colonna {
    CapitaleIniziale,
    CapitalGain,
    SLMM,
    SLP,
    Pwd,
    Tip,
    Benvenuto,
    Clock,
    Menu,
    Icone32,
    IconeName,
    ApriUltimo
};

std::optional<double> Numero(const QSqlQuery& q, Colonna c)
{
    const QVariant v = q.value(c);
    if (v.isNull())
        return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

} // namespace

Lettura<RigaSettaggi> LeggiRigaSettaggi(const QSqlDatabase& dataset)
{
    static const QString sql
        = QStringLiteral("SELECT %1 FROM Settaggi ORDER BY rowid LIMIT 1").arg(ElencoColonne(ColonneSettaggi));
    Lettura<RigaSettaggi> lettura;
    QSqlQuery q(dataset);
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        lettura.errore = q.lastError().text();
        return lettura;
    }
    if (!q.next())
        return lettura;
    RigaSettaggi r;
    r.CapitaleIniziale = Numero(q, CapitaleIniziale);
    r.CapitalGain = Numero(q, CapitalGain);
    r.SLMM = Numero(q, SLMM);
    r.SLP = Numero(q, SLP);
    r.Pwd = q.value(Pwd).toString();
    r.Tip = q.value(Tip).toInt();
    r.Benvenuto = q.value(Benvenuto).toInt();
    r.Clock = q.value(Clock).toInt();
    r.Menu = q.value(Menu).toInt();
    r.Icone32 = q.value(Icone32).toInt();
    r.IconeName = q.value(IconeName).toInt();
    const QString ultimo = q.value(ApriUltimo).toString();
    if (!ultimo.isEmpty())
        r.ApriUltimo = ultimo;
    lettura.righe.push_back(r);
    return lettura;
}
