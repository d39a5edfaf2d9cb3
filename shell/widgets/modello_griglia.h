#pragma once
// Read-only model of the grids: ISO dates shown as dd/mm/yyyy, numbers in the Italian
// plain form, captions given by the window and kept across every reload.
#include "esito.h"
#include "stima_larghezza.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

class ModelloGriglia : public QAbstractTableModel, public CelleLargheDelModello {
    Q_OBJECT
public:
    explicit ModelloGriglia(QObject* parent = nullptr);

    // Runs the query and reads every row, so that no read stays pending on the connection
    // when a command writes afterwards. A failed read is a database error.
    // Once a grid has been sized on it, the load gathers the widest cells for the grid's font.
    [[nodiscard]] Esito carica(const QString& sql, const QSqlDatabase& db);
    // The same, for a caller that knows the first `tenute` rows the query returns now to be
    // the first rows held, value for value: only the rows after them are read. `sql` has no
    // LIMIT of its own. The grid sees a reload, as after carica.
    [[nodiscard]] Esito caricaDopo(const QString& sql, const QSqlDatabase& db, int tenute);

    // Captions by column, from column 0; columns without one show the field name.
    void impostaIntestazioni(const QStringList& intestazioni);
    // Columns holding dates as ISO text.
    void impostaColonneData(const QList<int>& colonne);

    // The stored value of a cell, by field name; invalid outside the rows.
    QVariant valore(int riga, const QString& campo) const;

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo = Qt::DisplayRole) const override;

    const CelleLarghe& celleLarghe(int colonna, const QFont& font) override;

private:
    // Reads the rows of `sql` after the first `salta` held, bound as its one parameter when
    // `salta` is set.
    Esito leggi(const QString& sql, const QSqlDatabase& db, std::optional<int> salta);
    const QVariant& cella(int riga, int colonna) const { return valori_[size_t(riga) * size_t(campi_.size()) + size_t(colonna)]; }
    // Adds the rows from `da` on to what the columns' widest cells are.
    void raccogliCelleLarghe(int da);

    QStringList intestazioni_;
    QList<int> colonneData_;
    QStringList campi_;
    std::vector<QVariant> valori_; // row by row
    int righe_ = 0;
    // The font the sizing measures in, and what the rows held give for it.
    std::optional<QFont> fontCelle_;
    std::vector<CelleLarghe> celleLarghe_;
    bool celleRaccolte_ = false;
};
