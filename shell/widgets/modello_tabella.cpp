#include "modello_tabella.h"

#include "valori_predefiniti.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

ModelloTabella::ModelloTabella(const QString& tabella, const QSqlDatabase& db, QObject* parent)
    : QSqlTableModel(parent, db)
{
    setEditStrategy(QSqlTableModel::OnFieldChange);
    setTable(tabella);
    predefiniti_ = ValoriPredefiniti(db, tabella);
    // Rows carry no key: a written row is found again by all its values, so a new row
    // must hold the defaults the database will give it.
    connect(this, &QSqlTableModel::primeInsert, this, [this](int, QSqlRecord& record) { PreparaRiga(record); });
}

void ModelloTabella::PreparaRiga(QSqlRecord& record) const
{
    for (auto it = predefiniti_.cbegin(); it != predefiniti_.cend(); ++it) {
        const int i = record.indexOf(it.key());
        if (i < 0)
            continue;
        QVariant valore = it.value();
        if (valore.convert(record.field(i).metaType()))
            record.setValue(i, valore);
    }
}

void ModelloTabella::impostaIntestazione(const QString& campo, const QString& testo)
{
    intestazioni_.insert(campo, testo);
}

void ModelloTabella::scartaRigaNuova(int riga)
{
    // Every change of an existing row is written at once (or taken back), so a row still
    // dirty can only be a new one with nothing in the table yet.
    if (riga >= 0 && riga < rowCount() && isDirty(index(riga, 0)))
        revertRow(riga);
}

bool ModelloTabella::colonnaNumerica(int colonna) const
{
    return record().field(colonna).metaType().id() == QMetaType::Double;
}

bool ModelloTabella::select()
{
    const bool ok = QSqlTableModel::select();
    while (canFetchMore())
        fetchMore();
    return ok;
}

bool ModelloTabella::setData(const QModelIndex& indice, const QVariant& valore, int ruolo)
{
    if (ruolo != Qt::EditRole)
        return QSqlTableModel::setData(indice, valore, ruolo);
    bool scritto = QSqlTableModel::setData(indice, valore, ruolo);
    // The base class holds a new row back until the view leaves it; it is written at its first value.
    if (scritto && isDirty(indice))
        scritto = submitAll();

    if (scritto)
        return true;
    const QString errore = lastError().text();
    revertRow(indice.row());
    Q_EMIT scritturaRifiutata(errore);
    return false;
}

bool ModelloTabella::removeRows(int riga, int quante, const QModelIndex& genitore)
{
    if (QSqlTableModel::removeRows(riga, quante, genitore)) {
        // The base class keeps a deleted row on show, empty, until the next read.
        select();
        return true;
    }
    const QString errore = lastError().text();
    revertAll();
    select();
    Q_EMIT scritturaRifiutata(errore);
    return false;
}

QVariant ModelloTabella::data(const QModelIndex& indice, int ruolo) const
{
    if (ruolo == Qt::TextAlignmentRole && colonnaNumerica(indice.column()))
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return QSqlTableModel::data(indice, ruolo);
}

QVariant ModelloTabella::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const
{
    if (orientamento == Qt::Horizontal && ruolo == Qt::DisplayRole) {
        const auto trovata = intestazioni_.find(record().fieldName(sezione));
        if (trovata != intestazioni_.end())
            return trovata.value();
    }
    return QSqlTableModel::headerData(sezione, orientamento, ruolo);
}
