#include "tabella_portafoglio.h"

#include "lettura_righe.h"

Lettura<RigaPortafoglio> LeggiPortafoglio(const QSqlDatabase& portafoglio)
{
    const QString sql = QStringLiteral("SELECT %1 FROM Portafoglio ORDER BY rowid").arg(SqlColonnePortafoglio);
    return LeggiRighe<RigaPortafoglio>(portafoglio, sql, [](const IstruzioneSqlite& s) {
        RigaPortafoglio r;
        r.System = s.Testo(ColPortafoglio::System);
        r.Cod = s.Testo(ColPortafoglio::Cod);
        r.Titolo = s.Testo(ColPortafoglio::Titolo);
        r.Qta = s.Intero(ColPortafoglio::Qta);
        r.PzoCarico = s.Reale(ColPortafoglio::PzoCarico);
        r.Importo = s.Reale(ColPortafoglio::Importo);
        r.Commissioni = s.Reale(ColPortafoglio::Commissioni);
        return r;
    });
}
