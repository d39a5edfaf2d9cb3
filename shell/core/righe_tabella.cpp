#include "righe_tabella.h"

#include "punto_salvataggio.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString Nome(const QSqlDatabase& db, const QString& nome, QSqlDriver::IdentifierType tipo)
{
    return db.driver()->escapeIdentifier(nome, tipo);
}

QString Selezione(const QSqlDatabase& db, const QString& tabella, const QStringList& campi)
{
    QStringList colonne{QStringLiteral("rowid")};
    for (const QString& c : campi)
        colonne << Nome(db, c, QSqlDriver::FieldName);
    return QStringLiteral("SELECT %1 FROM %2")
        .arg(colonne.join(QStringLiteral(", ")), Nome(db, tabella, QSqlDriver::TableName));
}

Esito Errore(const QSqlQuery& q)
{
    return Esito::erroreDatabase(TestoErroreDatabase(q.lastError().text()));
}

Lettura<RigaTabella> Leggi(QSqlQuery& q, int campi)
{
    Lettura<RigaTabella> lettura;
    if (!q.exec()) {
        lettura.errore = Errore(q).messaggio;
        return lettura;
    }
    while (q.next()) {
        RigaTabella r;
        r.rowid = q.value(0).toLongLong();
        for (int c = 1; c <= campi; ++c)
            r.valori << q.value(c);
        lettura.righe.push_back(std::move(r));
    }
    if (q.lastError().isValid())
        lettura.errore = Errore(q).messaggio;
    return lettura;
}

} // namespace

Lettura<RigaTabella> LeggiRigheTabella(const QSqlDatabase& db, const QString& tabella, const QStringList& campi)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(Selezione(db, tabella, campi) + QStringLiteral(" ORDER BY rowid"));
    return Leggi(q, int(campi.size()));
}

Lettura<RigaTabella> LeggiRigaTabella(const QSqlDatabase& db, const QString& tabella, const QStringList& campi,
                                      qint64 rowid)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(Selezione(db, tabella, campi) + QStringLiteral(" WHERE rowid = ?"));
    q.addBindValue(rowid);
    return Leggi(q, int(campi.size()));
}

Esito ScriviCampoTabella(QSqlDatabase& db, const QString& tabella, qint64 rowid, const QString& campo,
                         const QVariant& valore)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                  .arg(Nome(db, tabella, QSqlDriver::TableName), Nome(db, campo, QSqlDriver::FieldName)));
    q.addBindValue(valore);
    q.addBindValue(rowid);
    if (!q.exec())
        return Errore(q);
    return q.numRowsAffected() == 1 ? Esito::accettato() : Esito::rifiutato(RigaTabellaSparita);
}

Esito AggiungiRigaTabella(QSqlDatabase& db, const QString& tabella, const QString& campo, const QVariant& valore,
                          qint64* rowid)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)")
                  .arg(Nome(db, tabella, QSqlDriver::TableName), Nome(db, campo, QSqlDriver::FieldName)));
    q.addBindValue(valore);
    if (!q.exec())
        return Errore(q);
    if (rowid)
        *rowid = q.lastInsertId().toLongLong();
    return Esito::accettato();
}

Esito EliminaRigheTabella(QSqlDatabase& db, const QString& tabella, const QList<qint64>& rowid)
{
    PuntoSalvataggio punto(db, QStringLiteral("elimina_righe"));
    if (!punto.aperto())
        return Esito::erroreDatabase(TestoErroreDatabase(punto.errore()));
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(Nome(db, tabella, QSqlDriver::TableName)));
    for (qint64 r : rowid) {
        q.addBindValue(r);
        if (!q.exec())
            return Errore(q);
        if (q.numRowsAffected() != 1)
            return Esito::rifiutato(RigaTabellaSparita);
    }
    if (!punto.conferma())
        return Esito::erroreDatabase(TestoErroreDatabase(punto.errore()));
    return Esito::accettato();
}
