#include "tabella_eseguiti.h"

#include "lettura_righe.h"
#include "testi_ripetuti.h"

#include <QStringList>
#include <QVariant>

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

} // namespace

Lettura<RigaEseguito> LeggiEseguiti(const QSqlDatabase& portafoglio, OrdineEseguiti ordine, const QString& tabella)
{
    // The table name cannot be bound: only the three trade tables are accepted.
    static const QStringList ammesse = {"Eseguiti", "EseguitiTemp", "EseguitiBackup"};
    if (!ammesse.contains(tabella))
        return {{}, QStringLiteral("Errore del database: tabella %1 sconosciuta.").arg(tabella)};
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
