#include "motore.h"

#include "impostazioni_allegate.h"
#include "istruzione_sqlite.h"
#include "punto_salvataggio.h"
#include "replay_posizioni.h"

#include <optional>

namespace {

using namespace motore;

// Thrown inside one run for any statement the database refuses; the run then takes
// back everything it wrote in both databases.
struct ErroreDb {
    QString testo;
};

void Verifica(const IstruzioneSqlite& s)
{
    if (!s.ok())
        throw ErroreDb{s.errore()};
}

void Esegui(sqlite3* db, const char* sql)
{
    IstruzioneSqlite s(db, sql);
    s.Esegui();
    Verifica(s);
}

// The first row of System for each code, as a lookup by code would find it.
QHash<QString, Tariffa> LeggiTariffe(sqlite3* db)
{
    QHash<QString, Tariffa> tariffe;
    IstruzioneSqlite s(db, "SELECT Cod, Commissioni, CommissioniMin FROM impostazioni.System "
                           "WHERE Cod IS NOT NULL ORDER BY rowid");
    while (s.Riga()) {
        const QString cod = s.Testo(0);
        if (!tariffe.contains(cod))
            tariffe.insert(cod, {s.Reale(1), s.Reale(2)});
    }
    Verifica(s);
    return tariffe;
}

QSet<QString> LeggiCatalogo(sqlite3* db)
{
    QSet<QString> codici;
    IstruzioneSqlite s(db, "SELECT Cod FROM impostazioni.Errori WHERE Cod IS NOT NULL");
    while (s.Riga())
        codici.insert(s.Testo(0));
    Verifica(s);
    return codici;
}

void ScriviChiusa(IstruzioneSqlite& s, const OperazioneChiusa& o)
{
    s.Lega(1, o.Data);
    if (o.giornoDiSettimana)
        s.Lega(2, static_cast<qint64>(*o.giornoDiSettimana));
    else
        s.LegaNull(2);
    s.Lega(3, o.System);
    s.Lega(4, o.Cod);
    s.Lega(5, o.Titolo);
    s.Lega(6, o.PzoCarico);
    s.Lega(7, o.Qta);
    s.Lega(8, o.Prezzo);
    s.Lega(9, o.GP);
    s.Lega(10, o.GPPercentuale);
    s.Lega(11, o.Commissioni);
    s.Esegui();
    Verifica(s);
}

void ScriviPosizioni(sqlite3* portafoglio, const std::vector<PosizioneAperta>& posizioni)
{
    IstruzioneSqlite s(portafoglio, "INSERT INTO Portafoglio (System, Cod, Titolo, Qta, PzoCarico, Importo, Commissioni) "
                                    "VALUES (?, ?, ?, ?, ?, ?, ?)");
    Verifica(s);
    for (const PosizioneAperta& p : posizioni) {
        s.Lega(1, p.System);
        s.Lega(2, p.Cod);
        s.Lega(3, p.Titolo);
        s.Lega(4, p.Qta);
        s.Lega(5, p.PzoCarico);
        s.Lega(6, p.Importo);
        s.Lega(7, p.Commissioni);
        s.Esegui();
        Verifica(s);
    }
}

void ScriviContatori(sqlite3* db, const QHash<QString, qint64>& conteggi)
{
    Esegui(db, "UPDATE impostazioni.Errori SET Contatore = 0");
    IstruzioneSqlite s(db, "UPDATE impostazioni.Errori SET Contatore = ? WHERE Cod = ?");
    Verifica(s);
    for (auto it = conteggi.constBegin(); it != conteggi.constEnd(); ++it) {
        if (it.value() == 0)
            continue;
        s.Lega(1, it.value());
        s.Lega(2, it.key());
        s.Esegui();
        Verifica(s);
    }
}

// Streams the history through the replay, writing each closed operation as it comes;
// returns the message that stopped the replay, or "".
QString Riproduci(sqlite3* portafoglio, ReplayPosizioni& replay)
{
    IstruzioneSqlite chiuse(portafoglio, "INSERT INTO OperazioniChiuse (Data, giornoDiSettimana, System, Cod, Titolo, "
                                         "PzoCarico, Qta, Prezzo, GP, GPPercentuale, Commissioni) "
                                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    Verifica(chiuse);
    // Trades of one day replay in the order they were entered.
    IstruzioneSqlite eseguiti(portafoglio, "SELECT Data, Tipo, System, Cod, Titolo, Qta, Prezzo, Importo, Errore "
                                           "FROM Eseguiti ORDER BY Data, ID");
    Eseguito e;
    while (eseguiti.Riga()) {
        e.Data = eseguiti.Testo(0);
        e.Tipo = eseguiti.Testo(1);
        e.System = eseguiti.Testo(2);
        e.Cod = eseguiti.Testo(3);
        e.Titolo = eseguiti.Testo(4);
        e.Qta = eseguiti.Reale(5);
        e.Prezzo = eseguiti.Reale(6);
        e.Importo = eseguiti.Reale(7);
        e.Errore = eseguiti.Testo(8);
        const Passo passo = replay.Applica(e);
        if (passo.chiusa)
            ScriviChiusa(chiuse, *passo.chiusa);
        if (!passo.messaggio.isEmpty())
            return passo.messaggio;
    }
    Verifica(eseguiti);
    return QString();
}

} // namespace

QString RicalcolaPortafoglio(QSqlDatabase& dataset, QSqlDatabase& portafoglio)
{
    // The settings are attached to the portfolio connection, so one savepoint holds every
    // write of the run and its commit is one atomic commit of both files: a commit that
    // fails (the settings file held by another reader, say) leaves both as they were.
    std::optional<ImpostazioniAllegate> impostazioni;
    std::optional<PuntoSalvataggio> sp;
    try {
        sqlite3* pf = ManigliaSqlite(portafoglio);
        if (!pf || !ManigliaSqlite(dataset))
            throw ErroreDb{QStringLiteral("database non aperto")};
        impostazioni.emplace(portafoglio, dataset);
        if (!impostazioni->ok())
            throw ErroreDb{impostazioni->errore()};
        sp.emplace(portafoglio, QStringLiteral("ricalcolo_portafoglio"));
        if (!sp->aperto())
            throw ErroreDb{sp->errore()};
        ReplayPosizioni replay(LeggiTariffe(pf), LeggiCatalogo(pf));

        Esegui(pf, "DELETE FROM Portafoglio");
        Esegui(pf, "DELETE FROM OperazioniChiuse");
        // A stopped replay still keeps what it wrote up to the offending trade.
        const QString messaggio = Riproduci(pf, replay);
        ScriviPosizioni(pf, replay.Posizioni());
        ScriviContatori(pf, replay.Conteggi());

        if (!sp->conferma())
            throw ErroreDb{sp->errore()};
        return messaggio;
    } catch (const ErroreDb& errore) {
        if (sp)
            sp->annulla();
        return QStringLiteral("Errore del database: ") + errore.testo;
    }
}
