#pragma once
// Model of the editable grids: a settings table written straight to the database at every
// change of a cell, every new row and every deleted row. Each row is held with its rowid,
// so a write reaches exactly the row the user edited, whatever the other rows hold.
// Below the rows stands the new-row line, marked "*": a value written in one of its cells
// adds a row; left untouched it writes nothing. A write the database refuses leaves the
// rows as the table holds them and says so through scritturaRifiutata.
#include "esito.h"
#include "righe_tabella.h"

#include <QAbstractTableModel>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QSqlDatabase>
#include <QStringList>

#include <vector>

class ModelloTabella : public QAbstractTableModel {
    Q_OBJECT
public:
    ModelloTabella(const QString& tabella, const QSqlDatabase& db, QObject* parent = nullptr);

    // Reads every row afresh; a failed read leaves the grid empty and says why.
    [[nodiscard]] Esito carica();

    // The caption of a field's column, kept across every reload.
    void impostaIntestazione(const QString& campo, const QString& testo);
    // The column of a field, or -1; the field of a column.
    int colonna(const QString& campo) const;
    QString campo(int colonna) const;
    // Whether a column holds decimal numbers, by the table's declared type.
    bool colonnaNumerica(int colonna) const;
    // The new-row line is the last row of the model, after every row of the table.
    bool rigaNuova(int riga) const;
    int righeTabella() const { return int(righe_.size()); }

    // Deletes these rows of the table in one transaction; the new-row line is left out.
    // False, with scritturaRifiutata, when the database refuses.
    bool eliminaRighe(QList<int> righe);

    int rowCount(const QModelIndex& genitore = QModelIndex()) const override;
    int columnCount(const QModelIndex& genitore = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& indice, const QVariant& valore, int ruolo = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo = Qt::DisplayRole) const override;
    bool removeRows(int riga, int quante, const QModelIndex& genitore = QModelIndex()) override;

    // The marker in the row header of the new-row line.
    static inline const QString SegnoRigaNuova = QStringLiteral("*");

Q_SIGNALS:
    // The database refused a write; `errore` is its text. The grid shows the table again.
    void scritturaRifiutata(const QString& errore);

private:
    bool aggiungi(int colonna, const QVariant& valore);
    void rileggiRiga(int riga);
    void rifiuta(const Esito& esito);

    QSqlDatabase db_;
    QString tabella_;
    QStringList campi_;
    QList<QMetaType> tipi_;
    QMap<QString, QString> intestazioni_;
    std::vector<RigaTabella> righe_;
};
