#include "replay_posizioni.h"

#include "date.h"
#include "eseguito_valido.h"
#include "numeri.h"
#include "tipo_eseguito.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace motore {

namespace {

using numeri::ArrotondaPari;

// Only a file from elsewhere can hold a price or quantity of 0; a division by it gives 0,
// so no NaN or infinity ever reaches the tables.
double Quoziente(double dividendo, double divisore)
{
    if (divisore == 0)
        return 0;
    const double q = dividendo / divisore;
    return std::isfinite(q) ? q : 0;
}

bool Finiti(std::initializer_list<double> valori)
{
    return std::all_of(valori.begin(), valori.end(), [](double v) { return std::isfinite(v); });
}

Passo Ferma(const Eseguito& e, const QString& difetto)
{
    Passo passo;
    passo.messaggio = EseguitoNonValido(e.Data, e.Cod, difetto);
    return passo;
}

} // namespace

ReplayPosizioni::ReplayPosizioni(QHash<QString, Tariffa> tariffe, const QSet<QString>& catalogo)
    : tariffe_(std::move(tariffe))
{
    for (const QString& cod : catalogo)
        conteggi_.insert(cod, 0);
}

double ReplayPosizioni::Commissione(const Eseguito& e, double qta) const
{
    const auto t = tariffe_.constFind(e.System);
    // A system missing from the table has no rate and no minimum either.
    if (t == tariffe_.constEnd())
        return 0;
    return ::Commissione(qta * e.Prezzo, *t);
}

void ReplayPosizioni::GiornoDi(const QString& data, const QDate* letto)
{
    if (dataLetta_ && data == ultimaData_)
        return;
    const QDate giorno = letto ? *letto : date::DaIso(data);
    ultimaData_ = data;
    ultimaDataIso_ = giorno.isValid() ? date::DataIso(giorno) : data;
    ultimoGiorno_ = giorno.isValid() ? std::optional<int>(date::GiornoSettimana(giorno)) : std::nullopt;
    dataLetta_ = true;
}

Passo ReplayPosizioni::Applica(const Eseguito& e)
{
    GiornoDi(e.Data, nullptr);
    return ApplicaDelGiorno(e);
}

Passo ReplayPosizioni::Applica(const Eseguito& e, const QDate& giorno)
{
    GiornoDi(e.Data, &giorno);
    return ApplicaDelGiorno(e);
}

Passo ReplayPosizioni::ApplicaDelGiorno(const Eseguito& e)
{
    if (!ultimoGiorno_)
        return Ferma(e, DifettoData());
    const std::optional<qint64> quantita = QuantitaValida(e.Qta);
    if (!quantita)
        return Ferma(e, DifettoQuantita(e.Qta).messaggio);
    if (const Esito prezzo = DifettoPrezzo(e.Prezzo); !prezzo.ok())
        return Ferma(e, prezzo.messaggio);
    if (!std::isfinite(e.Importo))
        return Ferma(e, DifettoImporto());
    if (!std::isfinite(e.PrezzoOttimale))
        return Ferma(e, DifettoPrezzoOttimale());

    Passo passo;
    const qint64 pezzi = *quantita;
    const double qta = static_cast<double>(pezzi);
    const double c = Commissione(e, qta);
    const auto trovata = posizioni_.find(e.Cod);

    // Every value is computed and checked before anything changes, so a trade whose
    // figures are not finite leaves the replay as the trade before it left it.
    if (EAcquisto(e.Tipo)) {
        if (trovata == posizioni_.end()) {
            Riga r;
            r.posizione = {e.System, e.Cod, e.Titolo, pezzi, ArrotondaPari(e.Prezzo, 4), e.Importo, c};
            if (!Finiti({r.posizione.PzoCarico, r.posizione.Importo, r.posizione.Commissioni}))
                return Ferma(e, DifettoCalcolo());
            r.ordine = prossimoOrdine_++;
            posizioni_.insert(e.Cod, std::move(r));
        } else {
            RigaPortafoglio& p = trovata->posizione;
            if (p.Qta > QuantitaMassima - pezzi)
                return Ferma(e, DifettoPosseduta());
            const qint64 nuovaQta = p.Qta + pezzi;
            const double nuovoPrezzo =
                Quoziente(qta * e.Prezzo + static_cast<double>(p.Qta) * p.PzoCarico, static_cast<double>(nuovaQta));
            const double pzoCarico = ArrotondaPari(nuovoPrezzo, 4);
            const double importo = nuovoPrezzo * static_cast<double>(nuovaQta);
            const double commissioni = p.Commissioni + c;
            if (!Finiti({qta * e.Prezzo, static_cast<double>(p.Qta) * p.PzoCarico, pzoCarico, importo, commissioni}))
                return Ferma(e, DifettoCalcolo());
            p.Qta = nuovaQta;
            p.PzoCarico = pzoCarico;
            p.Importo = importo;
            p.Commissioni = commissioni;
        }
    } else {
        if (trovata == posizioni_.end()) {
            passo.messaggio = e.Cod + QStringLiteral(" e' stato venduto : ") + date::IsoInUtente(e.Data);
            return passo;
        }
        RigaPortafoglio& p = trovata->posizione;
        const double quota = Quoziente(p.Commissioni * qta, static_cast<double>(p.Qta));

        RigaOperazioneChiusa o;
        o.Data = ultimaDataIso_;
        o.giornoDiSettimana = ultimoGiorno_;
        o.System = e.System;
        o.Cod = e.Cod;
        o.Titolo = e.Titolo;
        o.PzoCarico = p.PzoCarico;
        o.Qta = pezzi;
        o.Prezzo = ArrotondaPari(e.Prezzo, 4);
        o.GP = ArrotondaPari(e.Prezzo * qta - p.PzoCarico * qta, 4);
        o.GPPercentuale = ArrotondaPari(Quoziente(e.Prezzo - p.PzoCarico, p.PzoCarico) * 100, 2);
        o.Commissioni = c + quota;
        if (!Finiti({e.Prezzo * qta, p.PzoCarico * qta, p.Commissioni * qta, o.Prezzo, o.GP, o.GPPercentuale,
                     o.Commissioni}))
            return Ferma(e, DifettoCalcolo());

        if (pezzi == p.Qta) {
            posizioni_.erase(trovata);
        } else if (pezzi < p.Qta) {
            const qint64 resto = p.Qta - pezzi;
            const double importo = ArrotondaPari(static_cast<double>(resto) * p.PzoCarico, 1);
            const double commissioni = p.Commissioni - quota;
            if (!Finiti({importo, commissioni}))
                return Ferma(e, DifettoCalcolo());
            p.Qta = resto;
            p.Importo = importo;
            p.Commissioni = commissioni;
        } else {
            // The closed operation for the whole quantity stays; the position does not change.
            passo.messaggio = e.Cod + QStringLiteral(" disponibili solo ") +
                              numeri::TestoNumero(static_cast<double>(p.Qta)) + QStringLiteral(" pezzi");
        }
        passo.chiusa = std::move(o);
        if (!passo.messaggio.isEmpty())
            return passo;
    }

    const auto conteggio = conteggi_.find(e.Errore);
    if (conteggio != conteggi_.end())
        ++*conteggio;
    return passo;
}

std::vector<RigaPortafoglio> ReplayPosizioni::Posizioni() const
{
    std::vector<const Riga*> righe;
    righe.reserve(static_cast<size_t>(posizioni_.size()));
    for (const Riga& r : posizioni_)
        righe.push_back(&r);
    std::sort(righe.begin(), righe.end(), [](const Riga* a, const Riga* b) { return a->ordine < b->ordine; });
    std::vector<RigaPortafoglio> elenco;
    elenco.reserve(righe.size());
    for (const Riga* r : righe)
        elenco.push_back(r->posizione);
    return elenco;
}

} // namespace motore
