#include "tabella_eseguiti.h"

#include "lettura_righe.h"
#include "testi_ripetuti.h"

#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

QString SqlEseguiti(const QString& tabella, OrdineEseguiti ordine)
{
    return QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
        .arg(SqlColonneEseguiti, tabella,
             ordine == OrdineEseguiti::PerDataEId ? QStringLiteral("Data, ID") : QStringLiteral("ID"));
}

// A long history repeats its types, systems, codes, names and errors, and its days come
// together: each is converted once and shared.
class LettoreEseguiti {
public:
    void Leggi(const IstruzioneSqlite& s, RigaEseguito& r)
    {
        r.ID = s.Intero(ColEseguiti::ID);
        r.Data = date_.Testo(s, ColEseguiti::Data);
        r.Tipo = testi_[0].Testo(s, ColEseguiti::Tipo);
        r.System = testi_[1].Testo(s, ColEseguiti::System);
        r.Cod = testi_[2].Testo(s, ColEseguiti::Cod);
        r.Titolo = testi_[3].Testo(s, ColEseguiti::Titolo);
        r.Qta = s.Intero(ColEseguiti::Qta);
        r.Prezzo = s.Reale(ColEseguiti::Prezzo);
        r.Importo = s.Reale(ColEseguiti::Importo);
        r.Errore = testi_[4].Testo(s, ColEseguiti::Errore);
        r.PrezzoOttimale = s.Nullo(ColEseguiti::PrezzoOttimale)
            ? std::nullopt
            : std::optional<double>(s.Reale(ColEseguiti::PrezzoOttimale));
    }

private:
    DateRipetute date_;
    TestiRipetuti testi_[5];
};

Lettura<RigaEseguito> LeggiTutti(const QSqlDatabase& portafoglio, OrdineEseguiti ordine, const QString& tabella)
{
    Lettura<RigaEseguito> lettura;
    // Room for every row at once: a vector that grows moves a long history into fresh memory
    // again and again. An unreadable count leaves the reading to tell the error.
    qint64 righe = 0;
    if (ContaRighe(portafoglio, QStringLiteral("SELECT COUNT(*) FROM ") + tabella, righe).isEmpty() && righe > 0)
        lettura.righe.reserve(size_t(righe));
    LettoreEseguiti lettore;
    lettura.errore = PercorriRighe(portafoglio, SqlEseguiti(tabella, ordine),
                                   [&](const IstruzioneSqlite& s) { lettore.Leggi(s, lettura.righe.emplace_back()); });
    if (!lettura.ok())
        lettura.righe.clear();
    return lettura;
}

// The rows by date and key, for less than SQLite's sort of whole rows, most of a long read's
// cost: SQLite sorts the keys alone, the rows come in key order, which needs no sort, and are
// put in the keys' order where they stand. None when the two readings do not fit together;
// the whole reading then tells what is wrong.
std::optional<std::vector<RigaEseguito>> PerDataDallaChiave(const QSqlDatabase& portafoglio, const QString& tabella)
{
    std::vector<qint64> chiavi;
    if (!PercorriRighe(portafoglio, QStringLiteral("SELECT ID FROM %1 ORDER BY Data, ID").arg(tabella),
                       [&](const IstruzioneSqlite& s) { chiavi.push_back(s.Intero(0)); })
             .isEmpty())
        return std::nullopt;
    Lettura<RigaEseguito> perChiave = LeggiTutti(portafoglio, OrdineEseguiti::PerId, tabella);
    std::vector<RigaEseguito>& righe = perChiave.righe;
    if (!perChiave.ok() || righe.size() != chiavi.size())
        return std::nullopt;
    // da[k]: where the k-th row by date stands now.
    std::vector<size_t> da(chiavi.size());
    for (size_t k = 0; k < chiavi.size(); ++k) {
        const auto trovata = std::lower_bound(righe.begin(), righe.end(), chiavi[k],
                                              [](const RigaEseguito& r, qint64 id) { return r.ID < id; });
        if (trovata == righe.end() || trovata->ID != chiavi[k])
            return std::nullopt;
        da[k] = size_t(trovata - righe.begin());
    }
    // Each cycle of the permutation is walked once, one row held aside.
    std::vector<bool> posta(righe.size(), false);
    for (size_t inizio = 0; inizio < righe.size(); ++inizio) {
        if (posta[inizio])
            continue;
        RigaEseguito tenuta = std::move(righe[inizio]);
        size_t k = inizio;
        while (da[k] != inizio) {
            if (posta[da[k]])
                return std::nullopt; // a key read twice
            righe[k] = std::move(righe[da[k]]);
            posta[k] = true;
            k = da[k];
        }
        righe[k] = std::move(tenuta);
        posta[k] = true;
    }
    return std::move(righe);
}

} // namespace

Lettura<RigaEseguito> LeggiEseguiti(const QSqlDatabase& portafoglio, OrdineEseguiti ordine, const QString& tabella)
{
    // The table name cannot be bound: only the three trade tables are accepted.
    static const QStringList ammesse = {"Eseguiti", "EseguitiTemp", "EseguitiBackup"};
    if (!ammesse.contains(tabella))
        return {{}, QStringLiteral("Errore del database: tabella %1 sconosciuta.").arg(tabella)};
    if (ordine == OrdineEseguiti::PerDataEId)
        if (std::optional<std::vector<RigaEseguito>> righe = PerDataDallaChiave(portafoglio, tabella))
            return {std::move(*righe), {}};
    return LeggiTutti(portafoglio, ordine, tabella);
}

QString PercorriEseguiti(const QSqlDatabase& portafoglio, OrdineEseguiti ordine,
                         const std::function<void(const RigaEseguito&)>& usa)
{
    RigaEseguito r;
    LettoreEseguiti lettore;
    return PercorriRighe(portafoglio, SqlEseguiti(QStringLiteral("Eseguiti"), ordine), [&](const IstruzioneSqlite& s) {
        lettore.Leggi(s, r);
        usa(r);
    });
}

QString PercorriErroriEseguiti(const QSqlDatabase& portafoglio, const std::function<void(const RigaEseguito&)>& usa)
{
    // Five of the columns: each one left out is one less value to decode per trade.
    const QString sql = QStringLiteral("SELECT ID, Qta, Prezzo, Errore, PrezzoOttimale FROM Eseguiti ORDER BY ID");
    RigaEseguito r;
    TestiRipetuti errori;
    return PercorriRighe(portafoglio, sql, [&](const IstruzioneSqlite& s) {
        r.ID = s.Intero(0);
        r.Qta = s.Intero(1);
        r.Prezzo = s.Reale(2);
        r.Errore = errori.Testo(s, 3);
        r.PrezzoOttimale = s.Nullo(4) ? std::nullopt : std::optional<double>(s.Reale(4));
        usa(r);
    });
}

QString ContaEseguiti(const QSqlDatabase& portafoglio, qint64& righe)
{
    return ContaRighe(portafoglio, QStringLiteral("SELECT COUNT(*) FROM Eseguiti"), righe);
}

QVariantList ValoriEseguito(const RigaEseguito& r)
{
    return {r.Data,   r.Tipo,    r.System,  r.Cod,
            r.Titolo, r.Qta,     r.Prezzo,  r.Importo,
            r.Errore, r.PrezzoOttimale ? QVariant(*r.PrezzoOttimale) : QVariant(QMetaType::fromType<double>())};
}
