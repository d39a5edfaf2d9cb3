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

void LeggiRiga(const IstruzioneSqlite& s, RigaEseguito& r)
{
    r.ID = s.Intero(ColEseguiti::ID);
    r.Data = s.Testo(ColEseguiti::Data);
    r.Tipo = s.Testo(ColEseguiti::Tipo);
    r.System = s.Testo(ColEseguiti::System);
    r.Cod = s.Testo(ColEseguiti::Cod);
    r.Titolo = s.Testo(ColEseguiti::Titolo);
    r.Qta = s.Intero(ColEseguiti::Qta);
    r.Prezzo = s.Reale(ColEseguiti::Prezzo);
    r.Importo = s.Reale(ColEseguiti::Importo);
    r.Errore = s.Testo(ColEseguiti::Errore);
    r.PrezzoOttimale = s.Nullo(ColEseguiti::PrezzoOttimale)
        ? std::nullopt
        : std::optional<double>(s.Reale(ColEseguiti::PrezzoOttimale));
}

} // namespace

Lettura<RigaEseguito> LeggiEseguiti(const QSqlDatabase& portafoglio, OrdineEseguiti ordine, const QString& tabella)
{
    // The table name cannot be bound: only the three trade tables are accepted.
    static const QStringList ammesse = {"Eseguiti", "EseguitiTemp", "EseguitiBackup"};
    if (!ammesse.contains(tabella))
        return {{}, QStringLiteral("Errore del database: tabella %1 sconosciuta.").arg(tabella)};
    return LeggiRighe<RigaEseguito>(portafoglio, SqlEseguiti(tabella, ordine), [](const IstruzioneSqlite& s) {
        RigaEseguito r;
        LeggiRiga(s, r);
        return r;
    });
}

QString PercorriEseguiti(const QSqlDatabase& portafoglio, OrdineEseguiti ordine,
                         const std::function<void(const RigaEseguito&)>& usa)
{
    RigaEseguito r;
    return PercorriRighe(portafoglio, SqlEseguiti(QStringLiteral("Eseguiti"), ordine), [&](const IstruzioneSqlite& s) {
        LeggiRiga(s, r);
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
