#include "tabella_operazioni_chiuse.h"

#include "lettura_righe.h"
#include "testi_ripetuti.h"

Lettura<RigaOperazioneChiusa> LeggiOperazioniChiuse(const QSqlDatabase& portafoglio, CampiChiuse campi)
{
    Lettura<RigaOperazioneChiusa> lettura;
    RileggiOperazioniChiuse(portafoglio, campi, lettura);
    return lettura;
}

void RileggiOperazioniChiuse(const QSqlDatabase& portafoglio, CampiChiuse campi, Lettura<RigaOperazioneChiusa>& lettura)
{
    std::vector<RigaOperazioneChiusa>& righe = lettura.righe;
    righe.clear();
    DateRipetute date;
    if (campi == CampiChiuse::Figure) {
        // Only the columns the figures need: each one left out is one less value to decode per row.
        const QString sql = QStringLiteral("SELECT Data, giornoDiSettimana, PzoCarico, Qta, Prezzo, GP, GPPercentuale, "
                                           "Commissioni, PrezzoOttimale FROM OperazioniChiuse ORDER BY rowid");
        lettura.errore = PercorriRighe(portafoglio, sql, [&](const IstruzioneSqlite& s) {
            RigaOperazioneChiusa& r = righe.emplace_back();
            r.Data = date.Testo(s, 0);
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
        });
    } else {
        lettura.errore = PercorriOperazioniChiuse(portafoglio, [&](const RigaOperazioneChiusa& r) { righe.push_back(r); });
    }
    if (!lettura.ok())
        righe.clear();
}

QString PercorriOperazioniChiuse(const QSqlDatabase& portafoglio,
                                 const std::function<void(const RigaOperazioneChiusa&)>& usa)
{
    const QString sql = QStringLiteral("SELECT %1 FROM OperazioniChiuse ORDER BY rowid").arg(SqlColonneOperazioniChiuse);
    DateRipetute date;
    RigaOperazioneChiusa r;
    return PercorriRighe(portafoglio, sql, [&](const IstruzioneSqlite& s) {
        using C = ColOperazioniChiuse;
        r.Data = date.Testo(s, C::Data);
        r.giornoDiSettimana
            = s.Nullo(C::giornoDiSettimana) ? std::nullopt : std::optional<int>(int(s.Intero(C::giornoDiSettimana)));
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
        r.PrezzoOttimale = s.Nullo(C::PrezzoOttimale) ? std::nullopt : std::optional<double>(s.Reale(C::PrezzoOttimale));
        usa(r);
    });
}

QString ContaOperazioniChiuse(const QSqlDatabase& portafoglio, qint64& righe)
{
    return ContaRighe(portafoglio, QStringLiteral("SELECT COUNT(*) FROM OperazioniChiuse"), righe);
}
