#pragma once
// A savepoint that is rolled back unless confirmed. Outside a transaction it is one
// transaction of its own; inside a caller's transaction it nests, and the caller decides.
#include <QSqlDatabase>
#include <QString>

class PuntoSalvataggio {
public:
    PuntoSalvataggio(QSqlDatabase& db, const QString& nome);
    ~PuntoSalvataggio();
    PuntoSalvataggio(const PuntoSalvataggio&) = delete;
    PuntoSalvataggio& operator=(const PuntoSalvataggio&) = delete;

    bool aperto() const { return aperto_; }
    // Keeps what was written since the savepoint; false (with `errore`) when the database refuses.
    bool conferma();
    // Takes back what was written since the savepoint.
    void annulla();
    QString errore() const { return errore_; }

private:
    bool Esegui(const QString& sql);

    QSqlDatabase& db_;
    QString nome_;
    bool aperto_ = false;
    QString errore_;
};
