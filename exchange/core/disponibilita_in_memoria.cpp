#include "disponibilita_in_memoria.h"

#include "date.h"
#include "eseguito_valido.h"
#include "numeri.h"
#include "tipo_eseguito.h"

#include <algorithm>

DisponibilitaInMemoria::DisponibilitaInMemoria(const std::vector<RigaEseguito>& storia)
{
    eseguiti_.reserve(storia.size() + 1024);
    for (const RigaEseguito& r : storia)
        eseguiti_.push_back(voce(r.ID, r.Data, r.Tipo, r.Cod, r.Qta));
    std::stable_sort(eseguiti_.begin(), eseguiti_.end(), prima);
}

DisponibilitaInMemoria::Voce DisponibilitaInMemoria::voce(qint64 id, const QString& dataIso, const QString& tipo,
                                                          const QString& cod, qint64 qta)
{
    Voce v{dataIso, id, motore::EAcquisto(tipo), codice(cod), qta, QString()};
    if (!date::DaIso(dataIso).isValid())
        v.difetto = motore::DifettoData();
    else if (qta < 0 || qta > motore::QuantitaMassima)
        v.difetto = motore::DifettoQuantita(static_cast<double>(qta)).messaggio;
    return v;
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
    codici_.push_back(cod);
    indici_.insert(cod, nuovo);
    return nuovo;
}

void DisponibilitaInMemoria::aggiungi(qint64 id, const QString& dataIso, const QString& tipo, const QString& cod,
                                      qint64 qta)
{
    const Voce nuova = voce(id, dataIso, tipo, cod, qta);
    eseguiti_.insert(std::upper_bound(eseguiti_.begin(), eseguiti_.end(), nuova, prima), nuova);
}

void DisponibilitaInMemoria::togli(qint64 id)
{
    const auto trovato = std::find_if(eseguiti_.rbegin(), eseguiti_.rend(), [id](const Voce& v) { return v.id == id; });
    if (trovato != eseguiti_.rend())
        eseguiti_.erase(std::next(trovato).base());
}

Esito DisponibilitaInMemoria::verifica() const
{
    // A sold-out code stays known at 0, so a later sell reports what is left.
    std::vector<qint64> possedute(codici_.size(), 0);
    std::vector<char> noti(codici_.size(), 0);
    for (const Voce& e : eseguiti_) {
        const auto i = static_cast<std::size_t>(e.codice);
        const QString& cod = codici_[i];
        if (!e.difetto.isEmpty())
            return Esito::rifiutato(motore::EseguitoNonValido(e.data, cod, e.difetto));
        qint64& h = possedute[i];
        if (e.acquisto) {
            if (h > motore::QuantitaMassima - e.qta)
                return Esito::rifiutato(motore::EseguitoNonValido(e.data, cod, motore::DifettoPosseduta()));
            h += e.qta;
            noti[i] = 1;
            continue;
        }
        if (!noti[i])
            return Esito::rifiutato(cod + QStringLiteral(" non e' in portafoglio in data: ")
                                    + date::IsoInUtente(e.data));
        if (e.qta > h)
            return Esito::rifiutato(cod + QStringLiteral(" disponibili solo ")
                                    + numeri::TestoNumero(static_cast<double>(h)) + QStringLiteral(" pezzi"));
        h -= e.qta;
    }
    return Esito::accettato();
}
