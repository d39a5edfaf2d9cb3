#include "tabella_conto.h"

#include "lettura_righe.h"

Lettura<RigaConto> LeggiConto(const QSqlDatabase& portafoglio, OrdineConto ordine)
{
    const QString sql = QStringLiteral("SELECT %1 FROM Conto ORDER BY %2")
                            .arg(SqlColonneConto,
                                 ordine == OrdineConto::PerDataEId ? QStringLiteral("Data, ID") : QStringLiteral("ID"));
    return LeggiRighe<RigaConto>(portafoglio, sql, [](const IstruzioneSqlite& s) {
        RigaConto r;
        r.ID = s.Intero(ColConto::ID);
        r.Data = s.Testo(ColConto::Data);
        r.Tipo = s.Testo(ColConto::Tipo);
        r.Importo = s.Reale(ColConto::Importo);
        r.Descrizione = s.Testo(ColConto::Descrizione);
        return r;
    });
}
