#pragma once
// A throw-away program folder holding fresh copies of the shipped databases.
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

class CartellaProva {
public:
    CartellaProva();
    ~CartellaProva();

    QString cartella() const { return dir_.path(); }
    QString percorso(const QString& nome) const { return dir_.filePath(nome); }
    QString dataset() const { return percorso(QStringLiteral("DataSet.gvx")); }
    QString dataexe() const { return percorso(QStringLiteral("DataExe.gvx")); }

    // Copies the empty shipped portfolio to `nome` in this folder and returns its path.
    QString nuovoPortafoglio(const QString& nome) const;

    // Opens (once) and returns a plain connection to a file of this folder, for checks.
    QSqlDatabase apri(const QString& percorso);

    // Runs one statement, failing the test on error.
    static void esegui(QSqlDatabase& db, const QString& sql);
    // First column of the first row of a query.
    static QVariant valore(QSqlDatabase& db, const QString& sql);

private:
    QTemporaryDir dir_;
    QStringList connessioni_;
};

QString CartellaShipped();
