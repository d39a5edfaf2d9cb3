#include "tabella_eseguiti.h"

#include "lettura_righe.h"

#include <QStringList>
#include <QVariant>

Lettura<RigaEseguito> LeggiEseguiti(const QSqlDatabase& portafoglio, OrdineEseguiti ordine, const QString& tabella)
{
    // The table name cannot be bound: only the three trade tables are accepted.
    static const QStringList ammesse = {"Eseguiti", "EseguitiTemp", "EseguitiBackup"};
    if (!ammesse.contains(tabella))
        return {{}, QStringLiteral("Errore del database: tabella %1 sconosciuta.").arg(tabella)};
    const QString sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                            .arg(SqlColonneEseguiti, tabella,
                                 ordine == OrdineEseguiti::PerDataEId ? QStringLiteral("Data, ID") : QStringLiteral("ID"));
    return LeggiRighe<RigaEseguito>(portafoglio, sql, [](const IstruzioneSqlite& s) {
        RigaEseguito r;
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
        if (!s.Nullo(ColEseguiti::PrezzoOttimale))
            r.PrezzoOttimale = s.Reale(ColEseguiti::PrezzoOttimale);
        return r;
    });
}

Lettura<RigaEseguito> LeggiErroriEseguiti(const QSqlDatabase& portafoglio)
{
    // Five of the columns: each one left out is one less value to decode per trade.
    const QString sql = QStringLiteral("SELECT ID, Qta, Prezzo, Errore, PrezzoOttimale FROM Eseguiti ORDER BY ID");
    return LeggiRighe<RigaEseguito>(portafoglio, sql, [](const IstruzioneSqlite& s) {
        RigaEseguito r;
        r.ID = s.Intero(0);
        r.Qta = s.Intero(1);
        r.Prezzo = s.Reale(2);
        r.Errore = s.Testo(3);
        if (!s.Nullo(4))
            r.PrezzoOttimale = s.Reale(4);
        return r;
    });
}

QVariantList ValoriEseguito(const RigaEseguito& r)
{
    return {r.Data,   r.Tipo,    r.System,  r.Cod,
            r.Titolo, r.Qta,     r.Prezzo,  r.Importo,
            r.Errore, r.PrezzoOttimale ? QVariant(*r.PrezzoOttimale) : QVariant(QMetaType::fromType<double>())};
}
