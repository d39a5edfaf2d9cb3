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
    using enum CampoSettaggi;
    const QString errore = ScriviRigaSettaggi(dataset, {{CapitaleIniziale, Valore(valori.CapitaleIniziale), true},
                                                        {CapitalGain, Valore(valori.CapitalGain), true},
                                                        {SLMM, Valore(valori.SLMM), true},
                                                        {SLP, Valore(valori.SLP), true}});
    if (!errore.isEmpty())
        return Esito::erroreDatabase(QStringLiteral("Impossibile salvare i parametri iniziali: ") + errore);
    return Esito::accettato();
}

} // namespace parametri
