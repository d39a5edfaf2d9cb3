#include "figure_statistiche.h"

#include "chiuse_condivise.h"
#include "settaggi_statistiche.h"

namespace {

// Reads the closed operations (once per refresh) and hands them to `calcola`, or carries the reader's error.
template <class F>
auto DaChiuse(const QSqlDatabase& portafoglio, F calcola)
    -> Calcolo<decltype(calcola(std::vector<RigaOperazioneChiusa>{}))>
{
    const auto chiuse = ChiusePerStatistiche(portafoglio);
    if (!chiuse->ok())
        return {{}, chiuse->errore};
    return {calcola(chiuse->righe), QString()};
}

} // namespace

Calcolo<std::optional<FigureReport>> FigureReportDa(const QSqlDatabase& dataset, const QSqlDatabase& portafoglio)
{
    const SettaggiStatistiche settaggi = LeggiSettaggiStatistiche(dataset);
    if (!settaggi.ok())
        return {std::nullopt, settaggi.errore};
    return DaChiuse(portafoglio, [&](const auto& righe) { return CalcolaReport(righe, settaggi.CapitalGain); });
}

Calcolo<std::vector<double>> FigureCapitaleDa(const QSqlDatabase& portafoglio)
{
    return DaChiuse(portafoglio, [](const auto& righe) { return CurvaCapitale(righe); });
}

Calcolo<std::vector<PuntoGrOperazioni>> FigureGrOperazioniDa(const QSqlDatabase& dataset,
                                                             const QSqlDatabase& portafoglio)
{
    const SettaggiStatistiche settaggi = LeggiSettaggiStatistiche(dataset);
    if (!settaggi.ok())
        return {{}, settaggi.errore};
    return DaChiuse(portafoglio, [&](const auto& righe) { return SerieGrOperazioni(righe, settaggi.SLMM); });
}

Calcolo<std::array<std::optional<double>, 5>> FigureGiorniDa(const QSqlDatabase& portafoglio)
{
    return DaChiuse(portafoglio, [](const auto& righe) { return TotaliPerGiorno(righe); });
}

Calcolo<FigureRisk> FigureRiskDa(const QSqlDatabase& portafoglio)
{
    return DaChiuse(portafoglio, [](const auto& righe) { return CalcolaRisk(righe); });
}

Calcolo<FigureMDD> FigureMDDDa(const QSqlDatabase& portafoglio)
{
    return DaChiuse(portafoglio, [](const auto& righe) { return CalcolaMDD(righe); });
}

Calcolo<FigureMedie> FigureMedieDa(const QSqlDatabase& portafoglio)
{
    return DaChiuse(portafoglio, [](const auto& righe) { return CalcolaMedie(righe); });
}

Calcolo<FigureErrori> RicalcolaStatisticheErrori(QSqlDatabase& dataset, const QSqlDatabase& portafoglio)
{
    // The trades are summed as they are read, never held: the catalogue comes first, though
    // the trades' error, when both fail, is the one told.
    const Lettura<RigaErrore> catalogo = LeggiErrori(dataset);
    ConteggioErrori conteggio(catalogo.righe);
    const QString errore
        = PercorriErroriEseguiti(portafoglio, [&](const RigaEseguito& e) { conteggio.Aggiungi(e); });
    if (!errore.isEmpty())
        return {{}, errore};
    if (!catalogo.ok())
        return {{}, catalogo.errore};
    Calcolo<FigureErrori> calcolo{conteggio.Figure(), QString()};
    // The engine keeps the counters up to date after every trade: when they already hold these
    // figures, rewriting them (and syncing the file) would change nothing.
    if (!catalogo.righe.empty() && calcolo.figure.catalogo != catalogo.righe) {
        const Esito esito = ScriviContatoriErrori(dataset, calcolo.figure.catalogo);
        if (!esito.ok())
            calcolo.errore = esito.messaggio;
    }
    return calcolo;
}
