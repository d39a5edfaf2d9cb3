#include "tabella_operazioni_chiuse.h"

#include "lettura_righe.h"

Lettura<RigaOperazioneChiusa> LeggiOperazioniChiuse(const QSqlDatabase& portafoglio, CampiChiuse campi)
{
    const bool testi = campi == CampiChiuse::Tutti;
    const QString sql = QStringLiteral("SELECT %1 FROM OperazioniChiuse ORDER BY rowid").arg(SqlColonneOperazioniChiuse);
    return LeggiRighe<RigaOperazioneChiusa>(portafoglio, sql, [testi](const IstruzioneSqlite& s) {
        using C = ColOperazioniChiuse;
        RigaOperazioneChiusa r;
        r.Data = s.Testo(C::Data);
        if (!s.Nullo(C::giornoDiSettimana))
            r.giornoDiSettimana = int(s.Intero(C::giornoDiSettimana));
        if (testi) {
            r.System = s.Testo(C::System);
            r.Cod = s.Testo(C::Cod);
            r.Titolo = s.Testo(C::Titolo);
            r.Errore = s.Testo(C::Errore);
        }
        r.PzoCarico = s.Reale(C::PzoCarico);
        r.Qta = s.Intero(C::Qta);
        r.Prezzo = s.Reale(C::Prezzo);
        r.GP = s.Reale(C::GP);
        r.GPPercentuale = s.Reale(C::GPPercentuale);
        r.Commissioni = s.Reale(C::Commissioni);
        if (!s.Nullo(C::PrezzoOttimale))
            r.PrezzoOttimale = s.Reale(C::PrezzoOttimale);
        return r;
    });
}
