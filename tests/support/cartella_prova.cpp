#include "cartella_prova.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <gtest/gtest.h>

QString CartellaShipped()
{
    return QStringLiteral(BRUNIVOX_BIN_DIR);
}

CartellaProva::CartellaProva()
{
    for (const char* nome : {"DataSet.gvx", "DataExe.gvx"}) {
        const QString da = QDir(CartellaShipped()).filePath(QLatin1String(nome));
        const QString a = percorso(QLatin1String(nome));
        EXPECT_TRUE(QFile::copy(da, a)) << "missing shipped database " << da.toStdString();
        QFile(a).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
}

CartellaProva::~CartellaProva()
{
    for (const QString& c : connessioni_) {
        QSqlDatabase::database(c, false).close();
        QSqlDatabase::removeDatabase(c);
    }
}

QString CartellaProva::nuovoPortafoglio(const QString& nome) const
{
    const QString a = percorso(nome);
    QFile::remove(a);
    EXPECT_TRUE(QFile::copy(QDir(CartellaShipped()).filePath(QStringLiteral("DataExe.gvx")), a));
    QFile(a).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return a;
}

QSqlDatabase CartellaProva::apri(const QString& percorso)
{
    const QString nome = QStringLiteral("prova-") + percorso;
    if (QSqlDatabase::contains(nome))
        return QSqlDatabase::database(nome);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
    db.setDatabaseName(percorso);
    EXPECT_TRUE(db.open());
    connessioni_ << nome;
    return db;
}

void CartellaProva::esegui(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    EXPECT_TRUE(q.exec(sql)) << sql.toStdString() << ": " << q.lastError().text().toStdString();
}

QVariant CartellaProva::valore(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    EXPECT_TRUE(q.exec(sql) && q.next()) << sql.toStdString() << ": " << q.lastError().text().toStdString();
    return q.value(0);
}
