#include "database.h"

#include "colonne_portafoglio.h"
#include "schema_spedito.h"
#include "tabella_settaggi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QUuid>

#include <utility>
#include <vector>

namespace {

using Tabella = std::pair<QString, QStringList>;

const std::vector<Tabella>& TabelleRichieste(TipoDatabase tipo)
{
    static const QStringList colonneEseguiti = ListaColonne(ColonneEseguiti);
    static const QStringList colonneErrori = {"Cod", "Descrizione", "Note", "Contatore", "Importo"};
    static const std::vector<Tabella> impostazioni = {
        {"Settaggi", ListaColonne(ColonneSettaggi)},
        {"Colori", {"ColoreSfondo", "ColoreTesto", "ClockLancette"}},
        {"System", {"Cod", "Commissioni", "CommissioniMin"}},
        {"Errori", colonneErrori},
        {"ErroriDefault", colonneErrori},
        {"Consiglio", {"Consiglio"}},
    };
    static const std::vector<Tabella> portafoglio = {
        {"Eseguiti", colonneEseguiti},
        {"EseguitiTemp", colonneEseguiti},
        {"EseguitiBackup", colonneEseguiti},
        {"Portafoglio", ListaColonne(ColonnePortafoglio)},
        {"OperazioniChiuse", ListaColonne(ColonneOperazioniChiuse)},
        {"Conto", ListaColonne(ColonneConto)},
    };
    return tipo == TipoDatabase::Impostazioni ? impostazioni : portafoglio;
}

QString NonNostro(const QString& nome, TipoDatabase tipo)
{
    return tipo == TipoDatabase::Impostazioni
        ? QStringLiteral("Il file %1 non è un file di impostazioni di Brunivox.").arg(nome)
        : QStringLiteral("Il file %1 non è un portafoglio di Brunivox.").arg(nome);
}

bool IntestazioneSqlite(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

QString Descrizione(const OggettoSchema& o)
{
    if (o.tipo == QLatin1String("trigger"))
        return QStringLiteral("il trigger %1").arg(o.nome);
    if (o.tipo == QLatin1String("view"))
        return QStringLiteral("la vista %1").arg(o.nome);
    if (o.tipo == QLatin1String("index"))
        return QStringLiteral("l'indice %1").arg(o.nome);
    return QStringLiteral("la tabella %1").arg(o.nome);
}

QString Estraneo(const QString& nome, const QString& oggetto)
{
    return QStringLiteral("Il file %1 contiene %2, che Brunivox non crea: per proteggere i dati il file non viene "
                          "usato.")
        .arg(nome, oggetto);
}

// What the database-copy export leaves of a portfolio: the working tables dropped, Conto
// kept, and of the three exported tables those that were ticked.
bool CopiaEsportata(const QStringList& mancanti)
{
    static const QStringList tolteSempre = {QStringLiteral("EseguitiTemp"), QStringLiteral("EseguitiBackup")};
    static const QStringList tolteSeNonScelte
        = {QStringLiteral("OperazioniChiuse"), QStringLiteral("Eseguiti"), QStringLiteral("Portafoglio")};
    for (const QString& t : tolteSempre)
        if (!mancanti.contains(t))
            return false;
    for (const QString& m : mancanti)
        if (!tolteSempre.contains(m) && !tolteSeNonScelte.contains(m))
            return false;
    return true;
}

int LeggiPragma(QSqlDatabase& db, const QString& pragma, bool* ok)
{
    QSqlQuery q(db);
    *ok = q.exec(QStringLiteral("PRAGMA ") + pragma) && q.next();
    return *ok ? q.value(0).toInt() : 0;
}

QString VerificaAperto(QSqlDatabase& db, const QString& nome, TipoDatabase tipo)
{
    bool ok = false;
    const int appId = LeggiPragma(db, QStringLiteral("application_id"), &ok);
    const int attesa = tipo == TipoDatabase::Impostazioni ? ApplicationIdImpostazioni : ApplicationIdPortafoglio;
    if (!ok || appId != attesa)
        return NonNostro(nome, tipo);
    const int versione = LeggiPragma(db, QStringLiteral("user_version"), &ok);
    if (!ok || versione < 1)
        return NonNostro(nome, tipo);
    if (versione > VersioneSchema)
        return QStringLiteral("Il file %1 è stato creato da una versione più recente di Brunivox.").arg(nome);
    // Our files are UTF-8; a copy rebuilt in UTF-16 reads as ours but fails later in SQLite's words.
    QSqlQuery codifica(db);
    if (!codifica.exec(QStringLiteral("PRAGMA encoding")) || !codifica.next())
        return QStringLiteral("Il file %1 è danneggiato e non può essere usato.").arg(nome);
    if (codifica.value(0).toString() != QLatin1String("UTF-8"))
        return QStringLiteral("Il file %1 è scritto nella codifica %2, che Brunivox non usa: non può essere aperto.")
            .arg(nome, codifica.value(0).toString());

    const Lettura<OggettoSchema> spedito = SchemaSpedito(tipo);
    if (!spedito.ok())
        return QStringLiteral("Impossibile verificare il file %1: %2").arg(nome, spedito.errore);
    const Lettura<OggettoSchema> schema = LeggiSchema(db);
    if (!schema.ok())
        return QStringLiteral("Il file %1 è danneggiato e non può essere usato.").arg(nome);
    const DifferenzeSchema differenze = ConfrontaSchema(schema.righe, spedito.righe);
    // A trigger would run its own statements on every write of the program, against this
    // file and the settings; a view or a table of another make would answer for ours.
    if (differenze.estraneo)
        return Estraneo(nome, Descrizione(*differenze.estraneo));
    if (tipo == TipoDatabase::Portafoglio && differenze.diversi.isEmpty() && CopiaEsportata(differenze.mancanti))
        return QStringLiteral("Il file %1 è una copia del database esportata da Brunivox e non può essere aperto "
                              "come portafoglio. Per lavorare su un portafoglio, aprire un file salvato con Salva "
                              "con nome.")
            .arg(nome);

    for (const auto& [tabella, colonne] : TabelleRichieste(tipo)) {
        const QSqlRecord record = db.record(tabella);
        if (record.isEmpty())
            return QStringLiteral("Il file %1 è danneggiato: manca la tabella %2.").arg(nome, tabella);
        for (const QString& colonna : colonne)
            if (record.indexOf(colonna) < 0)
                return QStringLiteral("Il file %1 è danneggiato: manca il campo %2 della tabella %3.")
                    .arg(nome, colonna, tabella);
    }

    if (!differenze.mancanti.isEmpty())
        return QStringLiteral("Il file %1 è danneggiato: manca la tabella %2.").arg(nome, differenze.mancanti.first());
    if (!differenze.diversi.isEmpty())
        return Estraneo(nome, QStringLiteral("la tabella %1 in una forma diversa").arg(differenze.diversi.first()));

    // The schema can be intact while data pages are not; such a file is refused before
    // anything reads it.
    QSqlQuery controllo(db);
    if (!controllo.exec(QStringLiteral("PRAGMA quick_check")) || !controllo.next()
        || controllo.value(0).toString() != QLatin1String("ok"))
        return QStringLiteral("Il file %1 è danneggiato e non può essere usato.").arg(nome);
    return QString();
}

// A second wall behind the check of the schema: whatever a file's schema holds may call no
// function that has effects beyond its value, nor reach a virtual table.
bool SchemaNonFidato(QSqlDatabase& db)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("PRAGMA trusted_schema = OFF"));
}

// Each replay reads the whole history sorted by date: with room for a long history's pages
// and its sort in memory, it neither reads the file again nor sorts through temporary files.
// The default is 2 MiB, less than a history of 20,000 trades.
void MemoriaDiLettura(QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA cache_size = -32768"));
}

// Root may write whatever the permissions say: the owner's write bit tells what the user meant.
bool Scrivibile(const QFileInfo& info)
{
    return info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

Esito VerificaScrivibile(const QString& percorso)
{
    const QFileInfo info(percorso);
    const QString cartella = info.absolutePath();
    const QFileInfo infoCartella(cartella);
    if (!infoCartella.isDir())
        return Esito::rifiutato(QStringLiteral("La cartella %1 non esiste.").arg(QDir::toNativeSeparators(cartella)));
    // SQLite writes its journal beside the file: the folder must take new files too.
    if (!Scrivibile(infoCartella))
        return Esito::rifiutato(QStringLiteral("La cartella %1 è di sola lettura: Brunivox ha bisogno di scriverci.")
                                    .arg(QDir::toNativeSeparators(cartella)));
    if (info.exists() && !Scrivibile(info))
        return Esito::rifiutato(QStringLiteral("Il file %1 è di sola lettura: Brunivox ha bisogno di scriverci.")
                                    .arg(QDir::toNativeSeparators(info.absoluteFilePath())));
    return Esito::accettato();
}

Esito VerificaDatabase(const QString& percorso, TipoDatabase tipo)
{
    const QFileInfo info(percorso);
    const QString nome = info.fileName();
    if (!info.exists() || !info.isFile())
        return Esito::rifiutato(QStringLiteral("Il file %1 non esiste.").arg(percorso));
    if (!info.isReadable())
        return Esito::rifiutato(QStringLiteral("Il file %1 non può essere letto.").arg(percorso));
    if (!IntestazioneSqlite(percorso))
        return Esito::rifiutato(NonNostro(nome, tipo));
    if (Esito scrivibile = VerificaScrivibile(percorso); !scrivibile.ok())
        return scrivibile;

    const QString connessione = QStringLiteral("verifica-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString errore;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connessione);
        db.setDatabaseName(percorso);
        // Read-write, so that SQLite rolls back the journal a crashed writer left behind;
        // a read-only connection cannot, and would take a sound file for a foreign one.
        errore = db.open() && SchemaNonFidato(db) ? VerificaAperto(db, nome, tipo) : NonNostro(nome, tipo);
        db.close();
    }
    QSqlDatabase::removeDatabase(connessione);
    return errore.isEmpty() ? Esito::accettato() : Esito::rifiutato(errore);
}

EsitoApertura ApriDatabase(const QString& nomeConnessione, const QString& percorso, TipoDatabase tipo)
{
    EsitoApertura esito;
    esito.esito = VerificaDatabase(percorso, tipo);
    if (!esito.esito.ok())
        return esito;

    // The named connection is reused rather than removed, so that every copy of its
    // handle held elsewhere follows it to the new file.
    QSqlDatabase db = QSqlDatabase::contains(nomeConnessione)
        ? QSqlDatabase::database(nomeConnessione, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nomeConnessione);
    db.close();
    db.setConnectOptions(QString());
    db.setDatabaseName(percorso);
    if (!db.open() || !SchemaNonFidato(db)) {
        esito.esito = Esito::erroreDatabase(QStringLiteral("Impossibile aprire il file %1: %2")
                                                .arg(QFileInfo(percorso).fileName(), db.lastError().text()));
        db.close();
        return esito;
    }
    MemoriaDiLettura(db);
    esito.db = db;
    return esito;
}

void ChiudiDatabase(const QString& nomeConnessione)
{
    if (QSqlDatabase::contains(nomeConnessione))
        QSqlDatabase::database(nomeConnessione, false).close();
}
