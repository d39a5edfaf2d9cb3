#include "modello_griglia.h"

#include "date.h"
#include "testo_cella.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

ModelloGriglia::ModelloGriglia(QObject* parent) : QSqlQueryModel(parent) { }

Esito ModelloGriglia::carica(const QString& sql, const QSqlDatabase& db)
{
    setQuery(sql, db);
    while (canFetchMore())
        fetchMore();
    if (lastError().isValid())
        return Esito::erroreDatabase(TestoErroreDatabase(lastError().text()));
    return Esito::accettato();
}

void ModelloGriglia::impostaIntestazioni(const QStringList& intestazioni)
{
    intestazioni_ = intestazioni;
    if (columnCount() > 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void ModelloGriglia::impostaColonneData(const QList<int>& colonne)
{
    colonneData_ = colonne;
}

QVariant ModelloGriglia::valore(int riga, const QString& campo) const
{
    if (riga < 0 || riga >= rowCount())
        return {};
    return record(riga).value(campo);
}

QVariant ModelloGriglia::data(const QModelIndex& indice, int ruolo) const
{
    if (ruolo != Qt::DisplayRole && ruolo != Qt::TextAlignmentRole)
        return QSqlQueryModel::data(indice, ruolo);
    const QVariant v = QSqlQueryModel::data(indice, Qt::DisplayRole);
    const bool numero = !v.isNull() && ValoreNumerico(v);
    if (ruolo == Qt::TextAlignmentRole)
        return numero ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QSqlQueryModel::data(indice, ruolo);
    if (!v.isNull() && colonneData_.contains(indice.column()))
        return date::IsoInUtente(v.toString());
    return TestoCella(v);
}

QVariant ModelloGriglia::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const
{
    if (orientamento == Qt::Horizontal && ruolo == Qt::DisplayRole && sezione >= 0 && sezione < intestazioni_.size())
        return intestazioni_.at(sezione);
    return QSqlQueryModel::headerData(sezione, orientamento, ruolo);
}
