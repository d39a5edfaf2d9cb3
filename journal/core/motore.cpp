#include "motore.h"

#include "controllo_posseduti.h"
#include "date.h"
#include "esito.h"
#include "impostazioni_allegate.h"
#include "istruzione_sqlite.h"
#include "punto_salvataggio.h"
#include "testi_ripetuti.h"

#include <sqlite3.h>

#include <algorithm>
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

// The first row of System for each code, as a lookup by code would find it. `schema`: where
// the settings are on this connection ("main" on their own, "impostazioni" when attached).
QHash<QString, Tariffa> LeggiTariffe(sqlite3* db, const QByteArray& schema)
{
    QHash<QString, Tariffa> tariffe;
    IstruzioneSqlite s(
        db, "SELECT Cod, Commissioni, CommissioniMin FROM " + schema + ".System WHERE Cod IS NOT NULL ORDER BY rowid");
    while (s.Riga()) {
        const QString cod = s.Testo(0);
        if (!tariffe.contains(cod))
            tariffe.insert(cod, {s.Reale(1), s.Reale(2)});
    }
    Verifica(s);
    return tariffe;
}

QSet<QString> LeggiCatalogo(sqlite3* db, const QByteArray& schema)
{
    QSet<QString> codici;
    IstruzioneSqlite s(db, "SELECT Cod FROM " + schema + ".Errori WHERE Cod IS NOT NULL");
    while (s.Riga())
        codici.insert(s.Testo(0));
    Verifica(s);
    return codici;
}

// Trades of one day replay in the order they were entered.
#define COLONNE_STORIA "SELECT Data, Tipo, System, Cod, Titolo, Qta, Prezzo, Importo, Errore, ID, PrezzoOttimale "
const char* const SqlStoria = COLONNE_STORIA "FROM Eseguiti ORDER BY Data, ID";
// Trades are mostly entered in date order: read by key, the history needs no sort of whole rows.
const char* const SqlStoriaPerChiave = COLONNE_STORIA "FROM Eseguiti ORDER BY ID";
#undef COLONNE_STORIA
enum Colonna { Data, Tipo, System, Cod, Titolo, Qta, Prezzo, Importo, Errore, ID, PrezzoOttimale };

// Whether the rows read by key come in the order SQLite sorts the dates: empty values first,
// then numbers by value, texts byte by byte, blobs byte by byte. Ties go by key, as read.
class OrdineDate {
public:
    // Call before the row's date is read any other way: reading converts its type.
    bool Segue(const IstruzioneSqlite& s)
    {
        const int tipo = s.Tipo(Data);
        const int classe = Classe(tipo);
        bool segue = primo_ || classe > classe_;
        if (classe == 1) {
            const bool intero = tipo == SQLITE_INTEGER;
            const qint64 n = intero ? s.Intero(Data) : 0;
            const double x = intero ? 0 : s.Reale(Data);
            if (!primo_ && classe == classe_)
                segue = intero && tipo_ == SQLITE_INTEGER ? n >= intero_ : (intero ? double(n) : x) >= Numero();
            intero_ = n;
            reale_ = x;
        } else if (classe > 1) {
            const QByteArrayView b = s.Byte(Data);
            const int confronto = !primo_ && classe == classe_ ? QByteArrayView(byte_).compare(b) : -1;
            if (!primo_ && classe == classe_)
                segue = confronto <= 0;
            if (confronto != 0)
                byte_ = b.toByteArray();
        } else if (!primo_ && classe == classe_) {
            segue = true;
        }
        primo_ = false;
        classe_ = classe;
        tipo_ = tipo;
        return segue;
    }

private:
    static int Classe(int tipo)
    {
        switch (tipo) {
        case SQLITE_NULL:
            return 0;
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            return 1;
        case SQLITE_TEXT:
            return 2;
        default:
            return 3;
        }
    }

    double Numero() const { return tipo_ == SQLITE_INTEGER ? double(intero_) : reale_; }

    bool primo_ = true;
    int classe_ = 0;
    int tipo_ = SQLITE_NULL;
    qint64 intero_ = 0;
    double reale_ = 0;
    QByteArray byte_;
};

class LettoreStoria {
public:
    Eseguito Leggi(const IstruzioneSqlite& s)
    {
        Eseguito e;
        // Dates come in order: only the last one is worth keeping.
        if (const QByteArrayView data = s.Byte(Data); !primo_ && data == ultimaData_ && !s.Nullo(Data)) {
            e.Data = ultimaDataTesto_;
        } else {
            e.Data = s.Testo(Data);
            ultimaData_ = data.toByteArray();
            ultimaDataTesto_ = e.Data;
            giorno_ = date::DaIso(e.Data);
            primo_ = s.Nullo(Data);
        }
        e.Tipo = testi_[0].Testo(s, Tipo);
        e.System = testi_[1].Testo(s, System);
        e.Cod = testi_[2].Testo(s, Cod);
        e.Titolo = testi_[3].Testo(s, Titolo);
        e.Qta = s.Numero(Qta);
        e.Prezzo = s.Numero(Prezzo);
        e.Importo = s.Numero(Importo);
        e.Errore = testi_[4].Testo(s, Errore);
        // Staged imports leave it empty; a text is no price.
        e.PrezzoOttimale = s.Nullo(PrezzoOttimale) ? 0 : s.Numero(PrezzoOttimale);
        return e;
    }

    // The date of the last trade read, read once for the check and the replay both.
    const QDate& Giorno() const { return giorno_; }

private:
    TestiRipetuti testi_[5];
    QDate giorno_;
    QByteArray ultimaData_;
    QString ultimaDataTesto_;
    bool primo_ = true;
};

bool Testo(const IstruzioneSqlite& s, int c, const QString& atteso)
{
    return s.Tipo(c) == SQLITE_TEXT && s.Testo(c) == atteso;
}

bool Reale(const IstruzioneSqlite& s, int c, double atteso)
{
    return s.Tipo(c) == SQLITE_FLOAT && s.Reale(c) == atteso;
}

bool Intero(const IstruzioneSqlite& s, int c, qint64 atteso)
{
    return s.Tipo(c) == SQLITE_INTEGER && s.Intero(c) == atteso;
}

// A stored closed operation is the one a run would write as row `rowid`, value types included.
bool Uguale(const IstruzioneSqlite& s, const RigaOperazioneChiusa& o, qint64 rowid)
{
    return Intero(s, 0, rowid) && Testo(s, 1, o.Data)
        && (o.giornoDiSettimana ? Intero(s, 2, *o.giornoDiSettimana) : s.Tipo(2) == SQLITE_NULL)
        && Testo(s, 3, o.System) && Testo(s, 4, o.Cod) && Testo(s, 5, o.Titolo) && Reale(s, 6, o.PzoCarico)
        && Intero(s, 7, o.Qta) && Reale(s, 8, o.Prezzo) && Reale(s, 9, o.GP) && Reale(s, 10, o.GPPercentuale)
        && Reale(s, 11, o.Commissioni) && s.Tipo(12) == SQLITE_NULL && s.Tipo(13) == SQLITE_NULL;
}

// The closed operations a run derives, written as the replay makes them. Emptying the table
// and writing every row gives rows 1 to n in replay order; the rows already there that are
// exactly that stay, and only the rest is written, so a change late in the history costs only
// what follows it. Taken one at a time, a long history's closed operations are never held.
class ScrittoreChiuse {
public:
    explicit ScrittoreChiuse(sqlite3* portafoglio) : db_(portafoglio)
    {
        salvate_.emplace(db_,
                         "SELECT rowid, Data, giornoDiSettimana, System, Cod, Titolo, PzoCarico, Qta, "
                         "Prezzo, GP, GPPercentuale, Commissioni, Errore, PrezzoOttimale "
                         "FROM OperazioniChiuse ORDER BY rowid");
        Verifica(*salvate_);
    }

    void Aggiungi(const RigaOperazioneChiusa& o)
    {
        if (salvate_) {
            if (salvate_->Riga() && Uguale(*salvate_, o, static_cast<qint64>(uguali_) + 1)) {
                ++uguali_;
                return;
            }
            Diverge();
        }
        Inserisci(o);
    }

    // After the last one: the stored rows beyond what the run derived go.
    void Chiudi()
    {
        if (salvate_)
            Diverge();
    }

private:
    void Diverge()
    {
        Verifica(*salvate_);
        salvate_.reset();
        if (uguali_ == 0) {
            Esegui(db_, "DELETE FROM OperazioniChiuse");
        } else {
            IstruzioneSqlite coda(db_, "DELETE FROM OperazioniChiuse WHERE rowid > ?");
            coda.Lega(1, static_cast<qint64>(uguali_));
            coda.Esegui();
            Verifica(coda);
        }
        inserisci_.emplace(db_,
                           "INSERT INTO OperazioniChiuse (Data, giornoDiSettimana, System, Cod, Titolo, "
                           "PzoCarico, Qta, Prezzo, GP, GPPercentuale, Commissioni) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Verifica(*inserisci_);
    }

    void Inserisci(const RigaOperazioneChiusa& o)
    {
        IstruzioneSqlite& s = *inserisci_;
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

    sqlite3* db_;
    std::optional<IstruzioneSqlite> salvate_; // while every row so far matched
    std::optional<IstruzioneSqlite> inserisci_;
    size_t uguali_ = 0;
};

// Feeds one trade to the replay; false once the replay has stopped. A closed operation goes to
// `scrittore` when there is one, otherwise it is kept in `esito`.
bool Applica(ReplayPosizioni& replay, const Eseguito& e, const QDate& giorno, RicalcoloPronto& esito,
             ScrittoreChiuse* scrittore = nullptr)
{
    Passo passo = replay.Applica(e, giorno);
    if (passo.chiusa) {
        if (scrittore)
            scrittore->Aggiungi(*passo.chiusa);
        else
            esito.chiuse.push_back(std::move(*passo.chiusa));
    }
    if (passo.messaggio.isEmpty())
        return true;
    esito.messaggio = std::move(passo.messaggio);
    return false;
}

void Concludi(const ReplayPosizioni& replay, RicalcoloPronto& esito)
{
    esito.posizioni = replay.Posizioni();
    esito.conteggi = replay.Conteggi();
}

// The whole history through the replay, up to the trade that stops it; the closed operations
// are written as they come.
void Riproduci(sqlite3* portafoglio, ReplayPosizioni& replay, RicalcoloPronto& esito)
{
    IstruzioneSqlite eseguiti(portafoglio, SqlStoria);
    LettoreStoria lettore;
    ScrittoreChiuse chiuse(portafoglio);
    while (eseguiti.Riga())
        if (!Applica(replay, lettore.Leggi(eseguiti), lettore.Giorno(), esito, &chiuse))
            break;
    Verifica(eseguiti);
    chiuse.Chiudi();
    Concludi(replay, esito);
}

void ScriviChiuse(sqlite3* portafoglio, const std::vector<RigaOperazioneChiusa>& chiuse)
{
    ScrittoreChiuse scrittore(portafoglio);
    for (const RigaOperazioneChiusa& o : chiuse)
        scrittore.Aggiungi(o);
    scrittore.Chiudi();
}

void ScriviPosizioni(sqlite3* portafoglio, const std::vector<RigaPortafoglio>& posizioni)
{
    Esegui(portafoglio, "DELETE FROM Portafoglio");
    IstruzioneSqlite s(portafoglio, "INSERT INTO Portafoglio (System, Cod, Titolo, Qta, PzoCarico, Importo, Commissioni) "
                                    "VALUES (?, ?, ?, ?, ?, ?, ?)");
    Verifica(s);
    for (const RigaPortafoglio& p : posizioni) {
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

// Every row of the catalogue gets the count of its code, 0 when none; a row already holding
// its count is not written, so an unchanged catalogue leaves the settings file untouched.
void ScriviContatori(sqlite3* db, const QHash<QString, qint64>& conteggi)
{
    std::vector<std::pair<qint64, qint64>> da_scrivere; // rowid, count
    {
        IstruzioneSqlite s(db, "SELECT rowid, Cod, Contatore FROM impostazioni.Errori");
        while (s.Riga()) {
            const qint64 conteggio = s.Nullo(1) ? 0 : conteggi.value(s.Testo(1), 0);
            if (!Intero(s, 2, conteggio))
                da_scrivere.emplace_back(s.Intero(0), conteggio);
        }
        Verifica(s);
    }
    IstruzioneSqlite s(db, "UPDATE impostazioni.Errori SET Contatore = ? WHERE rowid = ?");
    Verifica(s);
    for (const auto& [rowid, conteggio] : da_scrivere) {
        s.Lega(1, conteggio);
        s.Lega(2, rowid);
        s.Esegui();
        Verifica(s);
    }
}

} // namespace

Esito RicalcolaPortafoglio(QSqlDatabase& dataset, QSqlDatabase& portafoglio, RicalcoloPronto* pronto)
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
        const bool riuso
            = pronto && pronto->portafoglio == ImprontaDi(portafoglio) && pronto->dataset == ImprontaDi(dataset);
        impostazioni.emplace(portafoglio, dataset);
        if (!impostazioni->esito().ok())
            throw ErroreDb{impostazioni->esito().messaggio};
        sp.emplace(portafoglio, QStringLiteral("ricalcolo_portafoglio"));
        if (!sp->aperto())
            throw ErroreDb{sp->errore()};

        RicalcoloPronto proprio;
        if (!riuso) {
            ReplayPosizioni replay(LeggiTariffe(pf, "impostazioni"), LeggiCatalogo(pf, "impostazioni"));
            Riproduci(pf, replay, proprio);
        }
        const RicalcoloPronto& r = riuso ? *pronto : proprio;
        // A stopped replay still keeps what it wrote up to the offending trade.
        if (riuso)
            ScriviChiuse(pf, r.chiuse);
        ScriviPosizioni(pf, r.posizioni);
        ScriviContatori(pf, r.conteggi);

        if (!sp->conferma())
            throw ErroreDb{sp->errore()};
        if (riuso)
            pronto->dopo = ImprontaDi(portafoglio);
        return r.messaggio.isEmpty() ? Esito::accettato() : Esito::rifiutato(r.messaggio);
    } catch (const ErroreDb& errore) {
        if (sp)
            sp->annulla();
        return Esito::erroreDatabase(TestoErroreDatabase(errore.testo));
    }
}

namespace {

// One pass of the check and the replay over the history. Read by key (`ordine` given), none
// when a trade turns out to come before the one read ahead of it: only the sorted reading then
// tells. A refusal read by key stands only once the rest is seen to be in order too.
std::optional<PassaggioStoria> Passa(const QSqlDatabase& dataset, sqlite3* pf, std::optional<qint64> cercato,
                                     OrdineDate* ordine)
{
    PassaggioStoria passaggio;
    auto pronto = std::make_shared<RicalcoloPronto>();
    pronto->dataset = ImprontaDi(dataset);
    // The check needs no settings: without them there is only no replay to hand on, and
    // the refresh replays on its own and tells what failed.
    std::optional<ReplayPosizioni> replay;
    if (sqlite3* ds = ManigliaSqlite(dataset)) {
        try {
            replay.emplace(LeggiTariffe(ds, "main"), LeggiCatalogo(ds, "main"));
        } catch (const ErroreDb&) {
        }
    }
    if (replay) {
        // The last refresh stored about as many as this replay makes: room for them at once,
        // and they are not moved again and again as the vector grows. Bounded, for a file whose
        // keys run far past its rows.
        IstruzioneSqlite ultima(pf, "SELECT MAX(rowid) FROM OperazioniChiuse");
        if (ultima.Riga() && !ultima.Nullo(0) && ultima.Intero(0) > 0)
            pronto->chiuse.reserve(size_t(std::min<qint64>(ultima.Intero(0), qint64(1) << 19)));
    }
    ControlloPosseduti controllo;
    bool replayFermo = !replay;
    IstruzioneSqlite eseguiti(pf, ordine ? SqlStoriaPerChiave : SqlStoria);
    LettoreStoria lettore;
    while (eseguiti.Riga()) {
        if (ordine && !ordine->Segue(eseguiti))
            return std::nullopt;
        const Eseguito e = lettore.Leggi(eseguiti);
        if (auto rifiuto = controllo.Applica(e.Data, e.Tipo, e.Cod, e.Qta, &lettore.Giorno())) {
            while (ordine && eseguiti.Riga())
                if (!ordine->Segue(eseguiti))
                    return std::nullopt;
            if (!eseguiti.ok())
                break;
            passaggio.controllo = Esito::rifiutato(std::move(*rifiuto));
            return passaggio;
        }
        if (cercato && eseguiti.Intero(ID) == *cercato)
            passaggio.rigaCercato = passaggio.righe;
        ++passaggio.righe;
        if (!replayFermo)
            replayFermo = !Applica(*replay, e, lettore.Giorno(), *pronto);
    }
    if (!eseguiti.ok())
        return PassaggioStoria{Esito::erroreDatabase(TestoErroreDatabase(eseguiti.errore())), {}, 0, {}};
    if (replay) {
        Concludi(*replay, *pronto);
        passaggio.ricalcolo = std::move(pronto);
    }
    return passaggio;
}

} // namespace

PassaggioStoria ControllaERiproduci(const QSqlDatabase& dataset, const QSqlDatabase& portafoglio,
                                    std::optional<qint64> cercato)
{
    try {
        sqlite3* pf = ManigliaSqlite(portafoglio);
        if (!pf)
            throw ErroreDb{QStringLiteral("database non aperto")};
        OrdineDate ordine;
        if (std::optional<PassaggioStoria> perChiave = Passa(dataset, pf, cercato, &ordine))
            return std::move(*perChiave);
        return *Passa(dataset, pf, cercato, nullptr);
    } catch (const ErroreDb& errore) {
        return {Esito::erroreDatabase(TestoErroreDatabase(errore.testo)), {}, 0, {}};
    }
}
