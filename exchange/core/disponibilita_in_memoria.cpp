#include "disponibilita_in_memoria.h"

#include "date.h"
#include "numeri.h"
#include "tipo_eseguito.h"

#include <algorithm>

DisponibilitaInMemoria::DisponibilitaInMemoria(const std::vector<RigaEseguito>& storia)
{
    eseguiti_.reserve(storia.size() + 1024);
    for (const RigaEseguito& r : storia)
        eseguiti_.push_back({r.Data, r.ID, motore::EAcquisto(r.Tipo), codice(r.Cod), r.Qta});
    std::stable_sort(eseguiti_.begin(), eseguiti_.end(), Prima);
}

bool DisponibilitaInMemoria::Prima(const Voce& a, const Voce& b)
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
    const Voce voce{dataIso, id, motore::EAcquisto(tipo), codice(cod), qta};
    eseguiti_.insert(std::upper_bound(eseguiti_.begin(), eseguiti_.end(), voce, Prima), voce);
}

void DisponibilitaInMemoria::togli(qint64 id)
{
    const auto trovato =
        std::find_if(eseguiti_.rbegin(), eseguiti_.rend(), [id](const Voce& v) { return v.id == id; });
    if (trovato != eseguiti_.rend())
        eseguiti_.erase(std::next(trovato).base());
}

QString DisponibilitaInMemoria::verifica() const
{
    // A sold-out code stays known at 0, so a later sell reports what is left.
    std::vector<qint64> possedute(codici_.size(), 0);
    std::vector<char> noti(codici_.size(), 0);
    for (const Voce& e : eseguiti_) {
        const auto i = static_cast<std::size_t>(e.codice);
        qint64& h = possedute[i];
        if (e.acquisto) {
            h += e.qta;
            noti[i] = 1;
            continue;
        }
        const QString& cod = codici_[i];
        if (!noti[i])
            return cod + QStringLiteral(" non e' in portafoglio in data: ") + date::IsoInUtente(e.data);
        if (e.qta > h)
            return cod + QStringLiteral(" disponibili solo ") + numeri::TestoNumero(static_cast<double>(h))
                   + QStringLiteral(" pezzi");
        h -= e.qta;
    }
    return QString();
}
