#include "schema_spedito.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

// The resource of a static library is registered by hand, outside any namespace.
static void RegistraSchema()
{
    Q_INIT_RESOURCE(schema);
}

namespace {

QString Testo(sqlite3_stmt* s, int colonna)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, colonna)),
                             sqlite3_column_bytes(s, colonna));
}

// Runs the script in a database of memory and reads back what it made.
Lettura<OggettoSchema> CostruisciSchema(const QString& risorsa)
{
    RegistraSchema();
    QFile f(risorsa);
    if (!f.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("manca lo schema di riferimento %1").arg(risorsa)};
    const QByteArray script = f.readAll();

    sqlite3* db = nullptr;
    Lettura<OggettoSchema> esito;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK
        || sqlite3_exec(db, script.constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        esito.errore = QString::fromUtf8(db ? sqlite3_errmsg(db) : "memoria esaurita");
        sqlite3_close(db);
        return esito;
    }
    sqlite3_stmt* s = nullptr;
    int rc
        = sqlite3_prepare_v2(db, "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY rowid", -1, &s, nullptr);
    if (rc == SQLITE_OK)
        while ((rc = sqlite3_step(s)) == SQLITE_ROW)
            esito.righe.push_back({Testo(s, 0), Testo(s, 1), Testo(s, 2), Testo(s, 3)});
    if (rc != SQLITE_DONE)
        esito.errore = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(s);
    sqlite3_close(db);
    return esito;
}

const OggettoSchema* Trova(const std::vector<OggettoSchema>& oggetti, const OggettoSchema& cercato)
{
    for (const OggettoSchema& o : oggetti)
        if (o.nome == cercato.nome && o.tipo == cercato.tipo)
            return &o;
    return nullptr;
}

} // namespace

Lettura<OggettoSchema> SchemaSpedito(TipoDatabase tipo)
{
    static const Lettura<OggettoSchema> impostazioni = CostruisciSchema(QStringLiteral(":/schema/dataset.sql"));
    static const Lettura<OggettoSchema> portafoglio = CostruisciSchema(QStringLiteral(":/schema/dataexe.sql"));
    return tipo == TipoDatabase::Impostazioni ? impostazioni : portafoglio;
}

Lettura<OggettoSchema> LeggiSchema(const QSqlDatabase& db)
{
    Lettura<OggettoSchema> esito;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY rowid"))) {
        esito.errore = q.lastError().text();
        return esito;
    }
    while (q.next())
        esito.righe.push_back(
            {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
    return esito;
}

DifferenzeSchema ConfrontaSchema(const std::vector<OggettoSchema>& file, const std::vector<OggettoSchema>& spedito)
{
    DifferenzeSchema d;
    for (const OggettoSchema& o : file) {
        const OggettoSchema* nostro = Trova(spedito, o);
        if (!nostro) {
            if (!d.estraneo)
                d.estraneo = o;
        } else if (o.tabella != nostro->tabella || SqlNormalizzato(o.sql) != SqlNormalizzato(nostro->sql)) {
            d.diversi << o.nome;
        }
    }
    for (const OggettoSchema& o : spedito)
        if (!Trova(file, o))
            d.mancanti << o.nome;
    return d;
}

QString SqlNormalizzato(const QString& sql)
{
    QString uscita;
    uscita.reserve(sql.size());
    bool spazio = false;
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = sql[i];
        const QChar dopo = i + 1 < n ? sql[i + 1] : QChar();
        if (c.isSpace()) {
            spazio = true;
            ++i;
        } else if (c == u'-' && dopo == u'-') {
            while (i < n && sql[i] != u'\n')
                ++i;
            spazio = true;
        } else if (c == u'/' && dopo == u'*') {
            const qsizetype fine = sql.indexOf(QStringLiteral("*/"), i + 2);
            i = fine < 0 ? n : fine + 2;
            spazio = true;
        } else {
            if (spazio && !uscita.isEmpty())
                uscita += u' ';
            spazio = false;
            // A quoted text or name is kept exactly, blanks and dashes included; a doubled
            // quote inside it closes and reopens, which copies it unchanged.
            const QChar chiusura = c == u'[' ? QChar(u']') : c;
            if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
                const qsizetype fine = sql.indexOf(chiusura, i + 1);
                const qsizetype fino = fine < 0 ? n : fine + 1;
                uscita += QStringView(sql).mid(i, fino - i);
                i = fino;
            } else {
                uscita += c;
                ++i;
            }
        }
    }
    return uscita;
}
