#pragma once
// Model of the editable grids: a table written straight to the database at every change
// of a cell, every new row and every deleted row. A write the database refuses takes the
// row back to what the table holds, and says so through scritturaRifiutata.
#include <QMap>
#include <QSqlTableModel>
#include <QVariantMap>

class ModelloTabella : public QSqlTableModel {
    Q_OBJECT
public:
    ModelloTabella(const QString& tabella, const QSqlDatabase& db, QObject* parent = nullptr);

    // The caption of a field's column, kept across every reload.
    void impostaIntestazione(const QString& campo, const QString& testo);
    // Drops a row added and never written; while it waits, the base class locks every other row.
    void scartaRigaNuova(int riga);
    // Whether a column holds decimal numbers, by the table's declared type.
    bool colonnaNumerica(int colonna) const;

    // Reads every row, so that no read stays pending on the connection when a write follows.
    bool select() override;
    bool setData(const QModelIndex& indice, const QVariant& valore, int ruolo = Qt::EditRole) override;
    bool removeRows(int riga, int quante, const QModelIndex& genitore = QModelIndex()) override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo = Qt::DisplayRole) const override;

Q_SIGNALS:
    // The database refused a write; `errore` is its own text. The grid shows the table again.
    void scritturaRifiutata(const QString& errore);

private:
    void PreparaRiga(QSqlRecord& record) const;

    QMap<QString, QString> intestazioni_;
    QVariantMap predefiniti_;
};
