#include "tabella_operazioni_chiuse.h"

#include "lettura_righe.h"

Lettura<RigaOperazioneChiusa> LeggiOperazioniChiuse(const QSqlDatabase& portafoglio, CampiChiuse campi)
{
    if (campi == CampiChiuse::Figure) {
        // Only the columns the figures need: each one left out is one less value to decode per row.
        const QString sql = QStringLiteral("SELECT Data, giornoDiSettimana, PzoCarico, Qta, Prezzo, GP, GPPercentuale, "
                                           "Commissioni, PrezzoOttimale FROM OperazioniChiuse ORDER BY rowid");
        return LeggiRighe<RigaOperazioneChiusa>(portafoglio, sql, [](const IstruzioneSqlite& s) {
            RigaOperazioneChiusa r;
            r.Data = s.Testo(0);
            if (!s.Nullo(1))
                r.giornoDiSettimana = int(s.Intero(1));
            r.PzoCarico = s.Reale(2);
            r.Qta = s.Intero(3);
            r.Prezzo = s.Reale(4);
            r.GP = s.Reale(5);
            r.GPPercentuale = s.Reale(6);
            r.Commissioni = s.Reale(7);
            if (!s.Nullo(8))
                r.PrezzoOttimale = s.Reale(8);
            return r;
        });
    }
    const QString sql = QStringLiteral("SELECT %1 FROM OperazioniChiuse ORDER BY rowid").arg(SqlColonneOperazioniChiuse);
    return LeggiRighe<RigaOperazioneChiusa>(portafoglio, sql, [](const IstruzioneSqlite& s) {
        using C = ColOperazioniChiuse;
        RigaOperazioneChiusa r;
        r.Data = s.Testo(C::Data);
        if (!s.Nullo(C::giornoDiSettimana))
            r.giornoDiSettimana = int(s.Intero(C::giornoDiSettimana));
        r.System = s.Testo(C::System);
        r.Cod = s.Testo(C::Cod);
        r.Titolo = s.Testo(C::Titolo);
        r.PzoCarico = s.Reale(C::PzoCarico);
        r.Qta = s.Intero(C::Qta);
        r.Prezzo = s.Reale(C::Prezzo);
        r.GP = s.Reale(C::GP);
        r.GPPercentuale = s.Reale(C::GPPercentuale);
        r.Commissioni = s.Reale(C::Commissioni);
        r.Errore = s.Testo(C::Errore);
        if (!s.Nullo(C::PrezzoOttimale))
            r.PrezzoOttimale = s.Reale(C::PrezzoOttimale);
        return r;
    });
}
