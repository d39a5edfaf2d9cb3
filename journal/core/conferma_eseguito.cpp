#include "conferma_eseguito.h"

#include "controllo_disponibilita.h"
#include "date.h"
#include "eseguito_valido.h"
#include "impostazioni_allegate.h"
#include "lettura_righe.h"
#include "motore.h"
#include "numeri.h"
#include "numero_scritto.h"
#include "punto_salvataggio.h"
#include "tabella_portafoglio.h"
#include "testi_ammessi.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>
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
bool SeguiModifica(const QSqlDatabase& db, Modo modo, qint64 id, const DatiPannello& d, bool rinomina, QString& errore)
{
    if (rinomina
        && !Esegui(db, QStringLiteral("UPDATE EseguitiTemp SET Titolo = ? WHERE Cod = ?"), {d.Titolo, d.Cod}, errore))
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

bool ContieneApice(const QString& testo)
{
    return testo.contains(QLatin1Char('\''));
}

struct Valori {
    QString data;
    long long qta = 0;
    double prezzo = 0;
    double importo = 0;
    double prezzoOttimale = 0;
};

// Numbers of an already checked panel. A changed trade's prices are rounded to 4 decimals;
// a new trade keeps them as typed. The amount always uses the typed price.
Valori Converti(const DatiPannello& d, Modo modo)
{
    Valori v;
    v.data = date::DataIso(d.Data);
    v.qta = *motore::QuantitaValida(*numeri::LeggiNumeroMostrato(d.Qta));
    const double prezzo = *numeri::LeggiNumeroMostrato(d.Prezzo);
    const double ottimale = *numeri::LeggiNumeroMostrato(d.PrezzoOttimale.isEmpty() ? d.Prezzo : d.PrezzoOttimale);
    const bool arrotonda = modo == Modo::Modifica;
    v.prezzo = arrotonda ? numeri::ArrotondaPari(prezzo, 4) : prezzo;
    v.prezzoOttimale = arrotonda ? numeri::ArrotondaPari(ottimale, 4) : ottimale;
    v.importo = static_cast<double>(v.qta) * prezzo;
    return v;
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

QString MessaggioPrezzo(const QString& testo, const QString& nome)
{
    // A stored trade comes back in the panel as the program wrote it ("3E+20").
    const auto valore = numeri::LeggiNumeroMostrato(testo);
    if (!valore)
        return QStringLiteral("%1 \"%2\" non è un numero valido: scrivere solo cifre, con la virgola per i decimali "
                              "(per esempio 12,5).")
            .arg(nome, testo);
    if (!std::isfinite(*valore))
        return QStringLiteral("%1 \"%2\" è troppo grande.").arg(nome, testo);
    if (*valore <= 0)
        return QStringLiteral("%1 deve essere maggiore di zero.").arg(nome);
    return QString();
}

} // namespace

Esito RicostruisciFotografia(QSqlDatabase& portafoglio)
{
    PuntoSalvataggio t(portafoglio, QStringLiteral("fotografia_eseguiti"));
    QString errore;
    if (!t.aperto())
        errore = t.errore();
    else if (CopiaTabella(portafoglio, QStringLiteral("Eseguiti"), QStringLiteral("EseguitiTemp"), errore) && !t.conferma())
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

Esito VerificaDati(const DatiPannello& d)
{
    if (!d.Data.isValid())
        return Esito::rifiutato(QStringLiteral("La data dell'eseguito non è valida."));
    if (d.Tipo != QLatin1String("Buy") && d.Tipo != QLatin1String("Sell"))
        return Esito::rifiutato(QStringLiteral("Il tipo dell'eseguito deve essere Buy o Sell."));
    const struct {
        const QString& testo;
        const char* nome;
    } testi[] = {{d.System, "il sistema"}, {d.Cod, "il codice del titolo"}, {d.Titolo, "il nome del titolo"}};
    for (const auto& t : testi) {
        if (t.testo.trimmed().isEmpty())
            return Esito::rifiutato(QStringLiteral("Indicare %1.").arg(QLatin1String(t.nome)));
        if (ContieneApice(t.testo))
            return Esito::rifiutato(QStringLiteral("Il testo \"%1\" non può contenere apici.").arg(t.testo));
        // The key filters keep these out of what is typed, not out of what is pasted.
        if (HaCaratteriDiControllo(t.testo)) {
            QString nome = QLatin1String(t.nome);
            nome[0] = nome[0].toUpper();
            return Esito::rifiutato(QStringLiteral("%1 non può contenere caratteri di controllo.").arg(nome));
        }
        if (IniziaComeFormula(t.testo))
            return Esito::rifiutato(
                QStringLiteral("Il testo \"%1\" non può cominciare con =, +, - o @.").arg(t.testo));
    }
    // The limit is the engine's: any quantity the panel shows for a stored trade that the
    // engine takes is taken back.
    const auto qta = numeri::LeggiNumeroMostrato(d.Qta);
    if (!qta || *qta < 1 || *qta != std::floor(*qta) || !motore::QuantitaValida(*qta))
        return Esito::rifiutato(QStringLiteral("La quantità deve essere un numero intero da 1 a %1.")
                                    .arg(numeri::TestoNumero(static_cast<double>(motore::QuantitaMassima))));
    QString errore = MessaggioPrezzo(d.Prezzo, QStringLiteral("Il prezzo"));
    if (!errore.isEmpty())
        return Esito::rifiutato(errore);
    if (!std::isfinite(*qta * *numeri::LeggiNumeroMostrato(d.Prezzo)))
        return Esito::rifiutato(QStringLiteral("L'importo (quantità per prezzo) è troppo grande."));
    if (!d.PrezzoOttimale.isEmpty()) {
        errore = MessaggioPrezzo(d.PrezzoOttimale, QStringLiteral("Il prezzo ottimale"));
        if (!errore.isEmpty())
            return Esito::rifiutato(errore);
    }
    // The code is free text: the catalogue may since have renamed or dropped it, and an
    // unknown code simply counts nothing. Only what cannot be stored safely is refused.
    if (d.Errore.isEmpty())
        return Esito::rifiutato(QStringLiteral("Indicare il codice errore (NE se l'operazione non ha errori)."));
    if (ContieneApice(d.Errore))
        return Esito::rifiutato(QStringLiteral("Il codice errore non può contenere apici."));
    if (d.Errore.size() > 2)
        return Esito::rifiutato(
            QStringLiteral("Il codice errore \"%1\" è troppo lungo: al massimo 2 caratteri.").arg(d.Errore));
    return Esito::accettato();
}

EsitoConferma ConfermaEseguito(StatoApplicazione& stato, const RichiestaConferma& richiesta,
                               const ControlloStoria& controllo)
{
    EsitoConferma esito;
    esito.RigaCorrente = richiesta.riga;
    QSqlDatabase& db = stato.DbPortafoglio;
    if (!db.isOpen())
        return Fallito(esito, QStringLiteral("nessun portafoglio aperto"));

    if (richiesta.modo != Modo::Elimina) {
        Esito motivo = VerificaDati(richiesta.dati);
        if (!motivo.ok()) {
            esito.esito = std::move(motivo);
            esito.datiNonValidi = true;
            return esito;
        }
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

    const DatiPannello& d = richiesta.dati;
    const Valori v = richiesta.modo == Modo::Elimina ? Valori{} : Converti(d, richiesta.modo);
    qint64 id = richiesta.id.value_or(0);
    bool rinomina = false;

    // The write.
    QSqlQuery q(db);
    switch (richiesta.modo) {
    case Modo::Nuovo:
        // A null key takes the next one.
        if (!Esegui(q,
                    QStringLiteral("INSERT INTO Eseguiti (%1) VALUES (NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                        .arg(SqlColonneEseguiti),
                    {v.data, d.Tipo, d.System, d.Cod, d.Titolo, v.qta, v.prezzo, v.importo, d.Errore, v.prezzoOttimale},
                    errore))
            return ErroreDatabase(esito, errore);
        id = q.lastInsertId().toLongLong();
        break;
    case Modo::Modifica: {
        // A new name is the name of the security: every trade of the code takes it.
        QSqlQuery prima(db);
        if (!Esegui(prima, QStringLiteral("SELECT Titolo FROM EseguitiTemp WHERE ID = ?"), {id}, errore))
            return ErroreDatabase(esito, errore);
        rinomina = !prima.next() || prima.value(0).toString() != d.Titolo;
        prima.finish();
        if (rinomina
            && !Esegui(db, QStringLiteral("UPDATE Eseguiti SET Titolo = ? WHERE Cod = ?"), {d.Titolo, d.Cod}, errore))
            return ErroreDatabase(esito, errore);
        if (!Esegui(q,
                    QStringLiteral("UPDATE Eseguiti SET Data = ?, Tipo = ?, System = ?, Cod = ?, Titolo = ?, Qta = ?, "
                                   "Prezzo = ?, Importo = ?, Errore = ?, PrezzoOttimale = ? WHERE ID = ?"),
                    {v.data, d.Tipo, d.System, d.Cod, d.Titolo, v.qta, v.prezzo, v.importo, d.Errore, v.prezzoOttimale, id},
                    errore))
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
    if (!(accettato ? SeguiModifica(db, richiesta.modo, id, d, rinomina, errore)
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
                                                              : RigaDi(db, v.data, id, errore);
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
        if (richiesta.modo != Modo::Elimina)
            esito.scritto = RigaEseguito{id,    v.data,   d.Tipo,    d.System, d.Cod,           d.Titolo,
                                         v.qta, v.prezzo, v.importo, d.Errore, v.prezzoOttimale};
        if (passaggio && passaggio->ricalcolo && *righe > 0) {
            passaggio->ricalcolo->portafoglio = *esito.fotografia;
            stato.ricalcoloPronto = passaggio->ricalcolo;
        }
    }
    return esito;
}

} // namespace eseguiti
