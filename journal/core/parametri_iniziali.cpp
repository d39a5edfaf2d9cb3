#include "parametri_iniziali.h"

#include <QSqlError>
#include <QSqlQuery>

namespace parametri {

namespace {

QVariant Valore(const std::optional<double>& v)
{
    return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::Double));
}

std::optional<double> Letto(const QSqlQuery& q, int colonna)
{
    const QVariant v = q.value(colonna);
    if (v.isNull())
        return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

} // namespace

Lettura<Parametri> LeggiParametri(const QSqlDatabase& dataset)
{
    Lettura<Parametri> lettura;
    QSqlQuery q(dataset);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT CapitaleIniziale, CapitalGain, SLMM, SLP FROM Settaggi LIMIT 1"))) {
        lettura.errore = QStringLiteral("Impossibile leggere i parametri iniziali: ") + q.lastError().text();
        return lettura;
    }
    if (!q.next()) {
        lettura.errore = QStringLiteral("Impossibile leggere i parametri iniziali: la tabella Settaggi è vuota.");
        return lettura;
    }
    Parametri p;
    p.CapitaleIniziale = Letto(q, 0);
    p.CapitalGain = Letto(q, 1);
    p.SLMM = Letto(q, 2);
    p.SLP = Letto(q, 3);
    lettura.righe.push_back(p);
    return lettura;
}

Esito ScriviParametri(QSqlDatabase& dataset, const Parametri& valori)
{
    QSqlQuery q(dataset);
    q.prepare(QStringLiteral("UPDATE Settaggi SET CapitaleIniziale = COALESCE(?, CapitaleIniziale), "
                             "CapitalGain = COALESCE(?, CapitalGain), SLMM = COALESCE(?, SLMM), "
                             "SLP = COALESCE(?, SLP)"));
    q.addBindValue(Valore(valori.CapitaleIniziale));
    q.addBindValue(Valore(valori.CapitalGain));
    q.addBindValue(Valore(valori.SLMM));
    q.addBindValue(Valore(valori.SLP));
    if (!q.exec())
        return Esito::erroreDatabase(QStringLiteral("Impossibile salvare i parametri iniziali: ")
                                     + q.lastError().text());
    return Esito::accettato();
}

} // namespace parametri
