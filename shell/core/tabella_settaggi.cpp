#include "tabella_settaggi.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

using enum CampoSettaggi;

int Indice(CampoSettaggi c) { return static_cast<int>(c); }

std::optional<double> Numero(const QSqlQuery& q, CampoSettaggi c)
{
    const QVariant v = q.value(Indice(c));
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
    r.Pwd = q.value(Indice(Pwd)).toString();
    r.Tip = q.value(Indice(Tip)).toInt();
    r.Benvenuto = q.value(Indice(Benvenuto)).toInt();
    r.Clock = q.value(Indice(Clock)).toInt();
    r.Menu = q.value(Indice(Menu)).toInt();
    r.Icone32 = q.value(Indice(Icone32)).toInt();
    r.IconeName = q.value(Indice(IconeName)).toInt();
    const QString ultimo = q.value(Indice(ApriUltimo)).toString();
    if (!ultimo.isEmpty())
        r.ApriUltimo = ultimo;
    lettura.righe.push_back(r);
    return lettura;
}

QString ScriviRigaSettaggi(const QSqlDatabase& dataset, std::initializer_list<ValoreSettaggi> valori)
{
    // Column names come from the fixed list above; every value is bound.
    QStringList assegnazioni;
    for (const ValoreSettaggi& v : valori) {
        const QString colonna = QString::fromLatin1(ColonneSettaggi[Indice(v.campo)]);
        assegnazioni << (v.tieniSeNullo ? QStringLiteral("%1 = COALESCE(?, %1)").arg(colonna)
                                        : QStringLiteral("%1 = ?").arg(colonna));
    }
    QSqlQuery q(dataset);
    q.prepare(QStringLiteral("UPDATE Settaggi SET ") + assegnazioni.join(QStringLiteral(", ")));
    for (const ValoreSettaggi& v : valori)
        q.addBindValue(v.valore);
    return q.exec() ? QString() : q.lastError().text();
}
