#include "replay_posizioni.h"

#include "date.h"
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

} // namespace

ReplayPosizioni::ReplayPosizioni(QHash<QString, Tariffa> tariffe, const QSet<QString>& catalogo)
    : tariffe_(std::move(tariffe))
{
    for (const QString& cod : catalogo)
        conteggi_.insert(cod, 0);
}

double ReplayPosizioni::Commissione(const Eseguito& e) const
{
    const auto t = tariffe_.constFind(e.System);
    // A system missing from the table has no rate and no minimum either.
    if (t == tariffe_.constEnd())
        return 0;
    const double c = static_cast<double>(e.Qta) * e.Prezzo * t->Commissioni / 1000;
    return c < t->CommissioniMin ? t->CommissioniMin : c;
}

void ReplayPosizioni::GiornoDi(const QString& data)
{
    if (dataLetta_ && data == ultimaData_)
        return;
    const QDate giorno = date::DaIso(data);
    ultimaData_ = data;
    ultimaDataIso_ = giorno.isValid() ? date::DataIso(giorno) : data;
    ultimoGiorno_ = giorno.isValid() ? std::optional<int>(date::GiornoSettimana(giorno)) : std::nullopt;
    dataLetta_ = true;
}

Passo ReplayPosizioni::Applica(const Eseguito& e)
{
    Passo passo;
    const double c = Commissione(e);
    const double qta = static_cast<double>(e.Qta);
    const auto trovata = posizioni_.find(e.Cod);

    if (EAcquisto(e.Tipo)) {
        if (trovata == posizioni_.end()) {
            Riga r;
            r.posizione = {e.System, e.Cod, e.Titolo, e.Qta, ArrotondaPari(e.Prezzo, 4), e.Importo, c};
            r.ordine = prossimoOrdine_++;
            posizioni_.insert(e.Cod, std::move(r));
        } else {
            PosizioneAperta& p = trovata->posizione;
            const qint64 nuovaQta = p.Qta + e.Qta;
            const double nuovoPrezzo =
                Quoziente(qta * e.Prezzo + static_cast<double>(p.Qta) * p.PzoCarico, static_cast<double>(nuovaQta));
            p.Qta = nuovaQta;
            p.PzoCarico = ArrotondaPari(nuovoPrezzo, 4);
            p.Importo = nuovoPrezzo * static_cast<double>(nuovaQta);
            p.Commissioni = p.Commissioni + c;
        }
    } else {
        if (trovata == posizioni_.end()) {
            passo.messaggio = e.Cod + QStringLiteral(" e' stato venduto : ") + date::IsoInUtente(e.Data);
            return passo;
        }
        PosizioneAperta& p = trovata->posizione;
        const double quota = Quoziente(p.Commissioni * qta, static_cast<double>(p.Qta));
        GiornoDi(e.Data);

        OperazioneChiusa o;
        o.Data = ultimaDataIso_;
        o.giornoDiSettimana = ultimoGiorno_;
        o.System = e.System;
        o.Cod = e.Cod;
        o.Titolo = e.Titolo;
        o.PzoCarico = p.PzoCarico;
        o.Qta = e.Qta;
        o.Prezzo = ArrotondaPari(e.Prezzo, 4);
        o.GP = ArrotondaPari(e.Prezzo * qta - p.PzoCarico * qta, 4);
        o.GPPercentuale = ArrotondaPari(Quoziente(e.Prezzo - p.PzoCarico, p.PzoCarico) * 100, 2);
        o.Commissioni = c + quota;
        passo.chiusa = std::move(o);

        if (e.Qta == p.Qta) {
            posizioni_.erase(trovata);
        } else if (e.Qta < p.Qta) {
            const qint64 resto = p.Qta - e.Qta;
            p.Qta = resto;
            p.Importo = ArrotondaPari(static_cast<double>(resto) * p.PzoCarico, 1);
            p.Commissioni = p.Commissioni - quota;
        } else {
            // The closed operation for the whole quantity stays; the position does not change.
            passo.messaggio = e.Cod + QStringLiteral(" disponibili solo ") +
                              numeri::TestoNumero(static_cast<double>(p.Qta)) + QStringLiteral(" pezzi");
            return passo;
        }
    }

    const auto conteggio = conteggi_.find(e.Errore);
    if (conteggio != conteggi_.end())
        ++*conteggio;
    return passo;
}

std::vector<PosizioneAperta> ReplayPosizioni::Posizioni() const
{
    std::vector<const Riga*> righe;
    righe.reserve(static_cast<size_t>(posizioni_.size()));
    for (const Riga& r : posizioni_)
        righe.push_back(&r);
    std::sort(righe.begin(), righe.end(), [](const Riga* a, const Riga* b) { return a->ordine < b->ordine; });
    std::vector<PosizioneAperta> elenco;
    elenco.reserve(righe.size());
    for (const Riga* r : righe)
        elenco.push_back(r->posizione);
    return elenco;
}

} // namespace motore
