#include "conferma_eseguito.h"

#include "controllo_disponibilita.h"
#include "date.h"
#include "impostazioni_allegate.h"
#include "lettura_righe.h"
#include "motore.h"
#include "numeri.h"
#include "punto_salvataggio.h"
#include "tabella_portafoglio.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <exception>
#include <utility>

namespace eseguiti {

namespace {

// One statement with bound values; on failure `errore` gets the database's text.
bool Esegui(QSqlQuery& q, const QString& sql, const QVariantList& valori, QString& errore)
{
    if (!q.prepare(sql)) {
        errore = q.lastError().text();
        return false;
    }
    for (const QVariant& v : valori)
        q.addBindValue(v);
    if (!q.exec()) {
        errore = q.lastError().text();
        return false;
    }
    return true;
}

bool Esegui(const QSqlDatabase& db, const QString& sql, const QVariantList& valori, QString& errore)
{
    QSqlQuery q(db);
    return Esegui(q, sql, valori, errore);
}

std::optional<long long> Conta(const QSqlDatabase& db, const QString& sql, const QVariantList& valori, QString& errore)
{
    QSqlQuery q(db);
    if (!Esegui(q, sql, valori, errore))
        return std::nullopt;
    if (!q.next()) {
        errore = QStringLiteral("nessun risultato");
        return std::nullopt;
    }
    return q.value(0).toLongLong();
}

bool CopiaTabella(const QSqlDatabase& db, const QString& da, const QString& a, QString& errore)
{
    return Esegui(db, QStringLiteral("DELETE FROM ") + a, {}, errore)
        && Esegui(db, QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3").arg(a, SqlColonneEseguiti, da), {},
                  errore);
}

// Whether the snapshot already holds the history row for row, keys and stored values alike, as
// it does on opening a file closed after a confirmation: copying it again would write the
// same rows. A check that cannot be made leaves the copy to tell what is wrong.
bool FotografiaIdentica(const QSqlDatabase& db)
{
    QStringList diversi;
    for (const QString& c : ListaColonne(ColonneEseguiti))
        if (c != QLatin1String("ID"))
            diversi << QStringLiteral("a.%1 IS NOT b.%1").arg(c);
    QString errore;
    const auto identica = Conta(
        db,
        QStringLiteral("SELECT (SELECT COUNT(*) FROM Eseguiti) = (SELECT COUNT(*) FROM EseguitiTemp) AND NOT EXISTS "
                       "(SELECT 1 FROM Eseguiti a LEFT JOIN EseguitiTemp b ON b.ID = a.ID WHERE b.ID IS NULL OR %1)")
            .arg(diversi.join(QStringLiteral(" OR "))),
        {}, errore);
    return identica && *identica == 1;
}

// The snapshot is the only source of a rollback: it must still be the history the user
// is looking at, or a restore would write back something else.
std::optional<bool> FotografiaAllineata(const QSqlDatabase& db, QString& errore)
{
    const auto diverse = Conta(
        db,
        QStringLiteral("SELECT (SELECT COUNT(*) FROM (SELECT %1 FROM Eseguiti EXCEPT SELECT %1 FROM EseguitiTemp))"
                       " + (SELECT COUNT(*) FROM (SELECT %1 FROM EseguitiTemp EXCEPT SELECT %1 FROM Eseguiti))")
            .arg(SqlColonneEseguiti),
        {}, errore);
    if (!diverse)
        return std::nullopt;
    return *diverse == 0;
}

// The snapshot takes an accepted change the way Eseguiti took it, so the two stay equal
// without copying the history again: the trade's row as stored, and a renaming.
bool SeguiModifica(const QSqlDatabase& db, Modo modo, qint64 id, const RigaEseguito& r, bool rinomina,
                   QString& errore)
{
    if (rinomina
        && !Esegui(db, QStringLiteral("UPDATE EseguitiTemp SET Titolo = ? WHERE Cod = ?"), {r.Titolo, r.Cod}, errore))
        return false;
    if (modo != Modo::Nuovo && !Esegui(db, QStringLiteral("DELETE FROM EseguitiTemp WHERE ID = ?"), {id}, errore))
        return false;
    return modo == Modo::Elimina
        || Esegui(db,
                  QStringLiteral("INSERT INTO EseguitiTemp (%1) SELECT %1 FROM Eseguiti WHERE ID = ?")
                      .arg(SqlColonneEseguiti),
                  {id}, errore);
}

// Position of a trade in the grid's order (date, then key).
std::optional<long long> RigaDi(const QSqlDatabase& db, const QString& dataIso, qint64 id, QString& errore)
{
    return Conta(db, QStringLiteral("SELECT COUNT(*) FROM Eseguiti WHERE Data < ? OR (Data = ? AND ID < ?)"),
                 {dataIso, dataIso, id}, errore);
}

// The row the statements store of a trade read from the panel. A changed trade's prices are
// rounded to 4 decimals; a new trade keeps them as typed. The amount always uses the typed price.
RigaEseguito RigaDaScrivere(const EseguitoPannello& e, Modo modo)
{
    const bool arrotonda = modo == Modo::Modifica;
    return {0,
            date::DataIso(e.Data),
            e.Tipo,
            e.System,
            e.Cod,
            e.Titolo,
            e.Qta,
            arrotonda ? numeri::ArrotondaPari(e.Prezzo, 4) : e.Prezzo,
            e.Importo,
            e.Errore,
            arrotonda ? numeri::ArrotondaPari(e.PrezzoOttimale, 4) : e.PrezzoOttimale};
}

QString Prefisso(Modo modo)
{
    switch (modo) {
    case Modo::Nuovo:
        return QStringLiteral("Impossibile inserire : ");
    case Modo::Modifica:
        return QStringLiteral("Impossibile modificare ");
    case Modo::Elimina:
        break;
    }
    return QStringLiteral("Impossibile eliminare ");
}

EsitoConferma Fallito(EsitoConferma esito, const QString& causa)
{
    esito.esito = Esito::erroreDatabase(
        QStringLiteral("Operazione non eseguita: %1. Lo storico degli eseguiti non è stato modificato.").arg(causa));
    return esito;
}

EsitoConferma ErroreDatabase(EsitoConferma esito, const QString& testo)
{
    return Fallito(std::move(esito), QStringLiteral("errore del database (%1)").arg(testo));
}

} // namespace

Esito RicostruisciFotografia(QSqlDatabase& portafoglio)
{
    PuntoSalvataggio t(portafoglio, QStringLiteral("fotografia_eseguiti"));
    QString errore;
    if (!t.aperto())
        errore = t.errore();
    else if ((FotografiaIdentica(portafoglio)
              || CopiaTabella(portafoglio, QStringLiteral("Eseguiti"), QStringLiteral("EseguitiTemp"), errore))
             && !t.conferma())
        errore = t.errore();
    if (errore.isEmpty())
        return Esito::accettato();
    return Esito::erroreDatabase(QStringLiteral("Impossibile aggiornare l'elenco degli eseguiti: %1").arg(errore));
}

Lettura<RigaEseguito> LeggiFotografia(const QSqlDatabase& portafoglio)
{
    return LeggiEseguiti(portafoglio, OrdineEseguiti::PerDataEId, QStringLiteral("EseguitiTemp"));
}

namespace {

Lettura<QString> LeggiCodici(const QSqlDatabase& dataset, const QString& sql)
{
    return LeggiRighe<QString>(dataset, sql, [](const IstruzioneSqlite& s) { return s.Testo(0); });
}

} // namespace

Lettura<QString> LeggiCodiciSystem(const QSqlDatabase& dataset)
{
    return LeggiCodici(dataset, QStringLiteral("SELECT Cod FROM System ORDER BY rowid"));
}

Lettura<QString> LeggiCodiciErrori(const QSqlDatabase& dataset)
{
    return LeggiCodici(dataset, QStringLiteral("SELECT Cod FROM Errori ORDER BY rowid"));
}

std::optional<long long> QuantitaPosseduta(const QSqlDatabase& portafoglio, const QString& cod)
{
    // The first position of the code, as a lookup by code finds it.
    for (const RigaPortafoglio& p : LeggiPortafoglio(portafoglio).righe)
        if (p.Cod == cod)
            return p.Qta;
    return std::nullopt;
}

EsitoConferma ConfermaEseguito(StatoApplicazione& stato, const RichiestaConferma& richiesta,
                               const ControlloStoria& controllo)
{
    EsitoConferma esito;
    esito.RigaCorrente = richiesta.riga;
    QSqlDatabase& db = stato.DbPortafoglio;
    if (!db.isOpen())
        return Fallito(esito, QStringLiteral("nessun portafoglio aperto"));

    // The panel read once: what is checked below is what is written.
    std::optional<RigaEseguito> scritta;
    if (richiesta.modo != Modo::Elimina) {
        const LetturaPannello letto = LeggiPannello(richiesta.dati);
        if (!letto.eseguito) {
            esito.esito = Esito::rifiutato(letto.rifiuto);
            esito.datiNonValidi = true;
            return esito;
        }
        scritta = RigaDaScrivere(*letto.eseguito, richiesta.modo);
    }

    QString errore;
    // Changing or deleting needs a trade of the grid; with none there is nothing to do.
    if (richiesta.modo != Modo::Nuovo && !richiesta.id) {
        const auto righe = Conta(db, QStringLiteral("SELECT COUNT(*) FROM Eseguiti"), {}, errore);
        if (!righe)
            return ErroreDatabase(esito, errore);
        esito.storicoVuoto = *righe == 0;
        return esito;
    }

    // Unchanged since the caller made it equal: no need to compare it. Taken before the
    // transaction opens, as a fingerprint only holds outside one.
    const bool fotografiaInvariata = richiesta.fotografia && *richiesta.fotografia == ImprontaDi(db);
    // Attached only when the history ends up empty; it must outlive the transaction.
    std::optional<ImpostazioniAllegate> impostazioni;
    // One transaction for the write, the check and the restore: rolled back on any early return.
    PuntoSalvataggio t(db, QStringLiteral("conferma_eseguito"));
    if (!t.aperto())
        return ErroreDatabase(esito, t.errore());
    const auto allineata = fotografiaInvariata ? std::optional<bool>(true) : FotografiaAllineata(db, errore);
    if (!allineata)
        return ErroreDatabase(esito, errore);
    if (!*allineata)
        return Fallito(esito, QStringLiteral("l'elenco mostrato non corrisponde più allo storico; "
                                             "l'elenco è stato aggiornato, ripetere l'operazione"));

    qint64 id = richiesta.id.value_or(0);
    bool rinomina = false;

    // The write.
    QSqlQuery q(db);
    switch (richiesta.modo) {
    case Modo::Nuovo:
        if (!Esegui(q, SqlInserisciEseguito, ValoriEseguito(*scritta), errore))
            return ErroreDatabase(esito, errore);
        id = q.lastInsertId().toLongLong();
        break;
    case Modo::Modifica: {
        // A new name is the name of the security: every trade of the code takes it.
        QSqlQuery prima(db);
        if (!Esegui(prima, QStringLiteral("SELECT Titolo FROM EseguitiTemp WHERE ID = ?"), {id}, errore))
            return ErroreDatabase(esito, errore);
        rinomina = !prima.next() || prima.value(0).toString() != scritta->Titolo;
        prima.finish();
        if (rinomina
            && !Esegui(db, QStringLiteral("UPDATE Eseguiti SET Titolo = ? WHERE Cod = ?"), {scritta->Titolo, scritta->Cod},
                       errore))
            return ErroreDatabase(esito, errore);
        if (!Esegui(q, SqlAggiornaEseguito, ValoriEseguito(*scritta) << id, errore))
            return ErroreDatabase(esito, errore);
        if (q.numRowsAffected() != 1)
            return Fallito(esito, QStringLiteral("l'eseguito da modificare non è più nello storico"));
        break;
    }
    case Modo::Elimina:
        if (!Esegui(q, QStringLiteral("DELETE FROM Eseguiti WHERE ID = ?"), {id}, errore))
            return ErroreDatabase(esito, errore);
        if (q.numRowsAffected() != 1)
            return Fallito(esito, QStringLiteral("l'eseguito da eliminare non è più nello storico"));
        break;
    }

    // The check sees the uncommitted history of this same connection.
    stato.MessaggioDisponibilita.clear();
    Esito verifica;
    // The check's own pass replays the engine as well; a check given by the caller does not.
    std::optional<PassaggioStoria> passaggio;
    try {
        if (controllo) {
            verifica = controllo(stato);
        } else {
            passaggio = ControllaERiproduci(stato.DbDataSet, db,
                                            richiesta.modo == Modo::Elimina ? std::nullopt : std::optional<qint64>(id));
            verifica = passaggio->controllo;
        }
    } catch (const std::exception& e) {
        stato.MessaggioDisponibilita.clear();
        return Fallito(esito, QStringLiteral("errore nel controllo della disponibilità (%1)").arg(QString::fromUtf8(e.what())));
    } catch (...) {
        stato.MessaggioDisponibilita.clear();
        return Fallito(esito, QStringLiteral("errore nel controllo della disponibilità"));
    }
    stato.MessaggioDisponibilita.clear();
    // A check that could not read the history has refused nothing: the change is taken back
    // and the user told that the database failed.
    if (verifica.erroreDatabase()) {
        esito.esito = Esito::erroreDatabase(verifica.messaggio
                                            + QStringLiteral(". Lo storico degli eseguiti non è stato modificato."));
        return esito;
    }
    const QString rifiuto = verifica.ok() ? QString() : verifica.messaggio;

    // Refused: back to the history the user was looking at, keys included.
    // Accepted: the snapshot follows the history.
    const bool accettato = rifiuto.isEmpty();
    if (!(accettato ? SeguiModifica(db, richiesta.modo, id, scritta.value_or(RigaEseguito{}), rinomina, errore)
                    : CopiaTabella(db, QStringLiteral("EseguitiTemp"), QStringLiteral("Eseguiti"), errore)))
        return ErroreDatabase(esito, errore);
    // An accepting pass has read every trade.
    const auto righe = accettato && passaggio ? std::optional<long long>(passaggio->righe)
                                              : Conta(db, QStringLiteral("SELECT COUNT(*) FROM Eseguiti"), {}, errore);
    if (!righe)
        return ErroreDatabase(esito, errore);

    if (!accettato) {
        esito.esito = Esito::rifiutato(Prefisso(richiesta.modo) + rifiuto);
    } else if (richiesta.modo == Modo::Elimina) {
        // The trade that followed the deleted one, or the new last one.
        if (richiesta.riga + 1 > *righe)
            esito.RigaCorrente = richiesta.riga - 1;
    } else {
        const auto riga = passaggio && passaggio->rigaCercato ? std::optional<long long>(*passaggio->rigaCercato)
                                                              : RigaDi(db, scritta->Data, id, errore);
        if (!riga)
            return ErroreDatabase(esito, errore);
        esito.RigaCorrente = static_cast<int>(*riga);
    }

    // The refresh runs no engine on an empty history: what the engine derives from none
    // (nothing held, nothing closed, every counter 0) is written here, in this transaction.
    if (accettato && *righe == 0) {
        impostazioni.emplace(db, stato.DbDataSet);
        if (!impostazioni->esito().ok())
            return ErroreDatabase(esito, impostazioni->esito().messaggio);
        // An empty history stops at nothing: any text is the database's.
        const Esito ricalcolo = RicalcolaPortafoglio(stato.DbDataSet, db);
        if (!ricalcolo.ok()) {
            esito.esito = Esito::erroreDatabase(
                ricalcolo.messaggio + QStringLiteral(". Lo storico degli eseguiti non è stato modificato."));
            return esito;
        }
    }

    if (!t.conferma())
        return ErroreDatabase(esito, t.errore());
    esito.storicoVuoto = *righe == 0;
    esito.fotografia = ImprontaDi(db);
    if (accettato) {
        esito.rinominato = rinomina;
        // As the statements above stored it, so as a read of the snapshot would give it.
        if (scritta) {
            esito.scritto = std::move(scritta);
            esito.scritto->ID = id;
        }
        if (passaggio && passaggio->ricalcolo && *righe > 0) {
            passaggio->ricalcolo->portafoglio = *esito.fotografia;
            esito.ricalcolo = passaggio->ricalcolo;
        }
    }
    return esito;
}

} // namespace eseguiti
