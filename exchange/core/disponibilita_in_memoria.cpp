#include "disponibilita_in_memoria.h"

#include "date.h"
#include "tipo_eseguito.h"

#include <algorithm>

DisponibilitaInMemoria::DisponibilitaInMemoria(const std::vector<RigaEseguito>& storia)
{
    for (const RigaEseguito& r : storia)
        codici_[static_cast<std::size_t>(codice(r.Cod))].voci.push_back(voce(r.ID, r.Data, r.Tipo, r.Qta));
    for (Codice& c : codici_)
        std::stable_sort(c.voci.begin(), c.voci.end(), prima);
    numero_ = storia.size();
}

DisponibilitaInMemoria::Voce DisponibilitaInMemoria::voce(qint64 id, const QString& dataIso, const QString& tipo,
                                                          qint64 qta)
{
    return {dataIso, id, motore::EAcquisto(tipo), date::DaIso(dataIso).isValid(), qta};
}

bool DisponibilitaInMemoria::prima(const Voce& a, const Voce& b)
{
    const int c = QString::compare(a.data, b.data);
    return c < 0 || (c == 0 && a.id < b.id);
}

int DisponibilitaInMemoria::codice(const QString& cod)
{
    const auto trovato = indici_.constFind(cod);
    if (trovato != indici_.constEnd())
        return *trovato;
    const int nuovo = static_cast<int>(codici_.size());
    codici_.push_back({cod, {}, {}});
    indici_.insert(cod, nuovo);
    return nuovo;
}

void DisponibilitaInMemoria::aggiungi(qint64 id, const QString& dataIso, const QString& tipo, const QString& cod,
                                      qint64 qta)
{
    const int i = codice(cod);
    Codice& c = codici_[static_cast<std::size_t>(i)];
    ultima_ = {i, id, c.replay};
    const Voce nuova = voce(id, dataIso, tipo, qta);
    const auto posto = std::upper_bound(c.voci.begin(), c.voci.end(), nuova, prima);
    const auto indice = static_cast<std::size_t>(posto - c.voci.begin());
    // Imports are mostly newer than the history: the trade goes last and the replay goes on.
    c.voci.insert(posto, nuova);
    if (indice < c.replay.fatte)
        c.replay = Replay();
    ++numero_;
}

void DisponibilitaInMemoria::togli(qint64 id)
{
    for (std::size_t i = 0; i < codici_.size(); ++i) {
        Codice& c = codici_[i];
        const auto trovato = std::find_if(c.voci.rbegin(), c.voci.rend(), [id](const Voce& v) { return v.id == id; });
        if (trovato == c.voci.rend())
            continue;
        c.voci.erase(std::next(trovato).base());
        --numero_;
        if (ultima_.codice == static_cast<int>(i) && ultima_.id == id)
            c.replay = ultima_.prima;
        else
            c.replay = Replay();
        ultima_ = Ultima();
        return;
    }
}

void DisponibilitaInMemoria::avanza(Codice& c) const
{
    Replay& r = c.replay;
    while (r.rifiuto.isEmpty() && r.fatte < c.voci.size()) {
        const Voce& e = c.voci[r.fatte++];
        if (auto rifiuto = r.posseduta.Applica(e.data, e.dataValida, c.cod, e.acquisto, static_cast<double>(e.qta)))
            r.rifiuto = std::move(*rifiuto);
    }
}

Esito DisponibilitaInMemoria::verifica(const QString& cod)
{
    const auto trovato = indici_.constFind(cod);
    if (trovato == indici_.constEnd())
        return Esito::accettato();
    Codice& c = codici_[static_cast<std::size_t>(*trovato)];
    avanza(c);
    return c.replay.rifiuto.isEmpty() ? Esito::accettato() : Esito::rifiutato(c.replay.rifiuto);
}

Esito DisponibilitaInMemoria::verifica()
{
    // Codes do not meet: the whole replay stops at the earliest of the codes' first refusals.
    const Codice* primo = nullptr;
    for (Codice& c : codici_) {
        avanza(c);
        if (c.replay.rifiuto.isEmpty())
            continue;
        if (!primo || prima(c.voci[c.replay.fatte - 1], primo->voci[primo->replay.fatte - 1]))
            primo = &c;
    }
    return primo ? Esito::rifiutato(primo->replay.rifiuto) : Esito::accettato();
}
