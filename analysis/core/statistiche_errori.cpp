#include "statistiche_errori.h"

#include "numeri.h"

#include <algorithm>
#include <cmath>

double MancatoGuadagno(const RigaEseguito& e)
{
    if (!e.PrezzoOttimale)
        return 0;
    const double d = std::fabs(e.Prezzo - *e.PrezzoOttimale);
    return numeri::Int(numeri::SenzaRumore(static_cast<double>(e.Qta) * d));
}

ConteggioErrori::ConteggioErrori(const std::vector<RigaErrore>& catalogo) : catalogo_(catalogo)
{
    if (catalogo_.empty())
        return;
    nessunErrore_ = catalogo_.front().Cod;
    for (const RigaErrore& r : catalogo_)
        perCodice_.insert(r.Cod, {});
}

void ConteggioErrori::Aggiungi(const RigaEseguito& e)
{
    ++nEse_;
    if (catalogo_.empty() || e.Errore == nessunErrore_)
        return;
    auto it = perCodice_.find(e.Errore);
    if (it == perCodice_.end())
        return;
    const double mancato = MancatoGuadagno(e);
    ++it->contatore;
    it->importo += mancato;
    missedTot_ += mancato;
    ++nErr_;
}

FigureErrori ConteggioErrori::Figure() const
{
    FigureErrori f;
    f.catalogo = catalogo_;
    f.nEse = nEse_;
    if (catalogo_.empty())
        return f;
    f.nErr = nErr_;
    f.missedTot = missedTot_;
    const QString& nessunErrore = nessunErrore_;
    // Every row of a code shares its figures, as an update by code leaves them.
    for (RigaErrore& r : f.catalogo) {
        const Conteggio c = perCodice_.value(r.Cod);
        r.Contatore = c.contatore;
        r.Importo = c.importo;
    }

    if (f.nEse > 0)
        f.percentuale = numeri::ArrotondaPari(static_cast<double>(f.nErr) * 100 / static_cast<double>(f.nEse), 1);

    // Catalogue positions ordered by a figure, largest first, ties in catalogue order.
    auto ordinePer = [&](auto figura) {
        std::vector<size_t> ordine(f.catalogo.size());
        for (size_t i = 0; i < ordine.size(); ++i)
            ordine[i] = i;
        std::stable_sort(ordine.begin(), ordine.end(),
                         [&](size_t a, size_t b) { return figura(f.catalogo[a]) > figura(f.catalogo[b]); });
        return ordine;
    };
    const auto perImporto = ordinePer([](const RigaErrore& r) { return r.Importo; });
    const auto perContatore = ordinePer([](const RigaErrore& r) { return static_cast<double>(r.Contatore); });
    if (f.catalogo[perImporto.front()].Importo > 0)
        f.piuPericoloso = f.catalogo[perImporto.front()].Descrizione;
    if (f.catalogo[perContatore.front()].Contatore > 0)
        f.piuFrequente = f.catalogo[perContatore.front()].Descrizione;

    // Only the chart replaces a zero divisor.
    const double errori = f.nErr == 0 ? 1 : static_cast<double>(f.nErr);
    const double mancati = f.missedTot == 0 ? 1 : f.missedTot;
    f.righeGrafico = static_cast<long long>(f.catalogo.size()) - 1;
    for (const size_t i : perContatore) {
        const RigaErrore& r = f.catalogo[i];
        if (r.Cod == nessunErrore)
            continue;
        f.grafico.push_back(
            {r.Descrizione, static_cast<double>(r.Contatore) * 100 / errori, r.Importo * 100 / mancati});
    }
    return f;
}
