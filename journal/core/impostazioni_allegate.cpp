#include "impostazioni_allegate.h"

#include "istruzione_sqlite.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace {

const char* const Schema = "impostazioni";

QString Canonico(const QString& percorso)
{
    const QString c = QFileInfo(percorso).canonicalFilePath();
    return c.isEmpty() ? percorso : c;
}

} // namespace

ImpostazioniAllegate::ImpostazioniAllegate(const QSqlDatabase& portafoglio, const QSqlDatabase& dataset)
    : db_(ManigliaSqlite(portafoglio))
{
    sqlite3* ds = ManigliaSqlite(dataset);
    if (!db_ || !ds) {
        esito_ = Esito::erroreDatabase(QStringLiteral("database non aperto"));
        return;
    }
    const char* fileDataSet = sqlite3_db_filename(ds, "main");
    if (!fileDataSet || !*fileDataSet) {
        esito_ = Esito::erroreDatabase(QStringLiteral("il database delle impostazioni non è un file"));
        return;
    }
    const QString percorso = QString::fromUtf8(fileDataSet);
    if (const char* gia = sqlite3_db_filename(db_, Schema)) {
        if (Canonico(QString::fromUtf8(gia)) == Canonico(percorso))
            return;
        esito_ = Esito::erroreDatabase(QStringLiteral("un altro file è già collegato come impostazioni"));
        return;
    }

    IstruzioneSqlite attacca(db_, "ATTACH DATABASE ? AS impostazioni");
    attacca.Lega(1, percorso);
    if (!attacca.Esegui()) {
        esito_ = Esito::erroreDatabase(attacca.errore());
        return;
    }
    allegato_ = true;

    // The settings file keeps the durability its own connection was given.
    IstruzioneSqlite leggi(ds, "PRAGMA synchronous");
    if (leggi.Riga()) {
        const QByteArray sql = "PRAGMA impostazioni.synchronous = " + QByteArray::number(leggi.Intero(0));
        IstruzioneSqlite(db_, sql.constData()).Esegui();
    }
}

ImpostazioniAllegate::~ImpostazioniAllegate()
{
    // Inside a transaction that is still open the file cannot leave; a later attachment
    // of the same file then finds it there and uses it.
    if (allegato_)
        IstruzioneSqlite(db_, "DETACH DATABASE impostazioni").Esegui();
}
