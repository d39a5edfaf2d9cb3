#include "liquidita.h"

#include "guadagno_netto.h"
#include "numeri.h"

#include <QSqlQuery>
#include <QVariant>

#include <cmath>
#include <limits>

Liquidita CalcolaLiquidita(const std::vector<RigaPortafoglio>& posizioni, const std::vector<RigaConto>& movimenti,
                           double capitaleIniziale, double guadagnoNetto)
{
    Liquidita l;
    for (const RigaPortafoglio& p : posizioni)
        l.valorePortafoglio += p.PzoCarico * double(p.Qta);
    l.capitaleIniziale = capitaleIniziale;
    l.guadagnoNetto = guadagnoNetto;
    l.movimenti = SommaMovimenti(movimenti);
    l.liquidita = ((capitaleIniziale + guadagnoNetto) - l.valorePortafoglio) + l.movimenti.netto;
    l.liquiditaArrotondata = numeri::ArrotondaPari(l.liquidita, 2);
    if (l.liquidita > 0) {
        // A zero capital base (reachable only with a negative portfolio value) gives no share.
        const double quota
            = numeri::Int((100 * l.liquidita) / (capitaleIniziale + guadagnoNetto + l.movimenti.netto) * 10);
        if (std::isfinite(quota) && quota >= std::numeric_limits<short>::min()
            && quota <= std::numeric_limits<short>::max())
            l.indicatore = short(quota);
    }
    return l;
}

std::optional<double> LeggiCapitaleIniziale(const QSqlDatabase& dataSet)
{
    QSqlQuery q(dataSet);
    if (q.exec(QStringLiteral("SELECT CapitaleIniziale FROM Settaggi ORDER BY rowid LIMIT 1")) && q.next())
        return q.value(0).toDouble();
    return std::nullopt;
}

LetturaLiquidita LeggiLiquidita(const StatoApplicazione& stato)
{
    LetturaLiquidita lettura;
    auto posizioni = LeggiPortafoglio(stato.DbPortafoglio);
    auto movimenti = LeggiConto(stato.DbPortafoglio);
    const auto capitale = LeggiCapitaleIniziale(stato.DbDataSet);
    lettura.errore = !posizioni.ok() ? posizioni.errore : movimenti.errore;
    if (lettura.errore.isEmpty() && !capitale)
        lettura.errore = QStringLiteral("Errore del database: non si legge il capitale iniziale dalle impostazioni.");
    lettura.posizioni = std::move(posizioni.righe);
    lettura.figure
        = CalcolaLiquidita(lettura.posizioni, movimenti.righe, capitale.value_or(0), CalcolaGuadagnoNetto(stato));
    return lettura;
}
