#include "istruzione_sqlite.h"

#include "numeri.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

#include <limits>

sqlite3* ManigliaSqlite(const QSqlDatabase& db)
{
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

IstruzioneSqlite::IstruzioneSqlite(sqlite3* db, const char* sql) : db_(db)
{
    if (!db_) {
        errore_ = QStringLiteral("la connessione non è un database SQLite aperto");
        return;
    }
    ok_ = sqlite3_prepare_v2(db_, sql, -1, &stmt_, nullptr) == SQLITE_OK;
    if (!ok_)
        Fallito();
}

IstruzioneSqlite::~IstruzioneSqlite()
{
    sqlite3_finalize(stmt_);
}

void IstruzioneSqlite::Fallito()
{
    ok_ = false;
    errore_ = QString::fromUtf8(sqlite3_errmsg(db_));
}

void IstruzioneSqlite::Lega(int indice, qint64 valore)
{
    if (ok_ && sqlite3_bind_int64(stmt_, indice, valore) != SQLITE_OK)
        Fallito();
}

void IstruzioneSqlite::Lega(int indice, double valore)
{
    if (ok_ && sqlite3_bind_double(stmt_, indice, valore) != SQLITE_OK)
        Fallito();
}

void IstruzioneSqlite::Lega(int indice, const QString& valore)
{
    // The data of an empty QByteArray is still a valid pointer, so '' stays ''.
    const QByteArray utf8 = valore.toUtf8();
    if (ok_ && sqlite3_bind_text(stmt_, indice, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT) !=
                   SQLITE_OK)
        Fallito();
}

void IstruzioneSqlite::LegaNull(int indice)
{
    if (ok_ && sqlite3_bind_null(stmt_, indice) != SQLITE_OK)
        Fallito();
}

bool IstruzioneSqlite::Esegui()
{
    if (!ok_)
        return false;
    const int esito = sqlite3_step(stmt_);
    if (esito != SQLITE_DONE && esito != SQLITE_ROW) {
        Fallito();
        sqlite3_reset(stmt_);
        return false;
    }
    sqlite3_reset(stmt_);
    return true;
}

bool IstruzioneSqlite::Riga()
{
    if (!ok_)
        return false;
    const int esito = sqlite3_step(stmt_);
    if (esito == SQLITE_ROW)
        return true;
    if (esito != SQLITE_DONE)
        Fallito();
    return false;
}

QString IstruzioneSqlite::Testo(int colonna) const
{
    const unsigned char* testo = sqlite3_column_text(stmt_, colonna);
    if (!testo)
        return QStringLiteral("");
    return QString::fromUtf8(reinterpret_cast<const char*>(testo), sqlite3_column_bytes(stmt_, colonna));
}

QByteArrayView IstruzioneSqlite::Byte(int colonna) const
{
    const unsigned char* testo = sqlite3_column_text(stmt_, colonna);
    if (!testo)
        return QByteArrayView();
    return QByteArrayView(reinterpret_cast<const char*>(testo), sqlite3_column_bytes(stmt_, colonna));
}

qint64 IstruzioneSqlite::Intero(int colonna) const
{
    if (sqlite3_column_type(stmt_, colonna) == SQLITE_FLOAT)
        return numeri::InteroPari(sqlite3_column_double(stmt_, colonna));
    return sqlite3_column_int64(stmt_, colonna);
}

double IstruzioneSqlite::Reale(int colonna) const
{
    return sqlite3_column_double(stmt_, colonna);
}

double IstruzioneSqlite::Numero(int colonna) const
{
    const int tipo = sqlite3_column_type(stmt_, colonna);
    if (tipo != SQLITE_INTEGER && tipo != SQLITE_FLOAT)
        return std::numeric_limits<double>::quiet_NaN();
    return sqlite3_column_double(stmt_, colonna);
}

bool IstruzioneSqlite::Nullo(int colonna) const
{
    return sqlite3_column_type(stmt_, colonna) == SQLITE_NULL;
}

int IstruzioneSqlite::Tipo(int colonna) const
{
    return sqlite3_column_type(stmt_, colonna);
}
