#include "parametri_iniziali.h"

#include "tabella_settaggi.h"

#include <QSqlError>
#include <QSqlQuery>

namespace parametri {

namespace {

QVariant Valore(const std::optional<double>& v)
{
    return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::Double));
}

} // namespace

Lettura<Parametri> LeggiParametri(const QSqlDatabase& dataset)
{
    const Lettura<RigaSettaggi> settaggi = LeggiRigaSettaggi(dataset);
    Lettura<Parametri> lettura;
    if (!settaggi.ok()) {
        lettura.errore = QStringLiteral("Impossibile leggere i parametri iniziali: ") + settaggi.errore;
    } else if (settaggi.righe.empty()) {
        lettura.errore = QStringLiteral("Impossibile leggere i parametri iniziali: la tabella Settaggi è vuota.");
    } else {
        const RigaSettaggi& r = settaggi.righe.front();
        lettura.righe.push_back(Parametri{r.CapitaleIniziale, r.CapitalGain, r.SLMM, r.SLP});
    }
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
