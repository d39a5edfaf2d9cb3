#pragma once
// Read-only model of the grids: ISO dates shown as dd/mm/yyyy, numbers in the Italian
// plain form, captions given by the window and kept across every reload.
#include "esito.h"

#include <QList>
#include <QSqlQueryModel>
#include <QStringList>

class ModelloGriglia : public QSqlQueryModel {
    Q_OBJECT
public:
    explicit ModelloGriglia(QObject* parent = nullptr);

    // Runs the query and fetches every row, so that no read stays pending on the
    // connection when a command writes afterwards. A failed read is a database error.
    [[nodiscard]] Esito carica(const QString& sql, const QSqlDatabase& db);

    // Captions by column, from column 0; columns without one show the field name.
    void impostaIntestazioni(const QStringList& intestazioni);
    // Columns holding dates as ISO text.
    void impostaColonneData(const QList<int>& colonne);

    // The stored value of a cell, by field name; invalid outside the rows.
    QVariant valore(int riga, const QString& campo) const;

    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo = Qt::DisplayRole) const override;

private:
    QStringList intestazioni_;
    QList<int> colonneData_;
};
