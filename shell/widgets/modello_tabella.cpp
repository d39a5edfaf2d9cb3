#include "modello_tabella.h"

#include "testo_cella.h"

#include <algorithm>

#include <QMetaObject>
#include <QSqlField>
#include <QSqlRecord>

namespace {

bool Vuoto(const QVariant& v)
{
    return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
}

} // namespace

ModelloTabella::ModelloTabella(const QString& tabella, const QSqlDatabase& db, QObject* parent)
    : QAbstractTableModel(parent), db_(db), tabella_(tabella)
{
    const QSqlRecord record = db_.record(tabella_);
    for (int c = 0; c < record.count(); ++c) {
        campi_ << record.fieldName(c);
        tipi_ << record.field(c).metaType();
    }
}

Esito ModelloTabella::carica()
{
    Lettura<RigaTabella> lettura = LeggiRigheTabella(db_, tabella_, campi_);
    beginResetModel();
    righe_ = std::move(lettura.righe);
    endResetModel();
    return lettura.ok() ? Esito::accettato() : Esito::erroreDatabase(lettura.errore);
}

void ModelloTabella::impostaIntestazione(const QString& campo, const QString& testo)
{
    intestazioni_.insert(campo, testo);
}

int ModelloTabella::colonna(const QString& campo) const
{
    return int(campi_.indexOf(campo));
}

QString ModelloTabella::campo(int colonna) const
{
    return campi_.value(colonna);
}

bool ModelloTabella::colonnaNumerica(int colonna) const
{
    return colonna >= 0 && colonna < tipi_.size() && tipi_.at(colonna).id() == QMetaType::Double;
}

bool ModelloTabella::rigaNuova(int riga) const
{
    return riga == righeTabella();
}

int ModelloTabella::rowCount(const QModelIndex& genitore) const
{
    return genitore.isValid() ? 0 : righeTabella() + 1;
}

int ModelloTabella::columnCount(const QModelIndex& genitore) const
{
    return genitore.isValid() ? 0 : int(campi_.size());
}

QVariant ModelloTabella::data(const QModelIndex& indice, int ruolo) const
{
    if (!indice.isValid())
        return {};
    if (ruolo == Qt::TextAlignmentRole && colonnaNumerica(indice.column()))
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (rigaNuova(indice.row()))
        return ruolo == Qt::ToolTipRole ? QStringLiteral("Scrivere qui per aggiungere una riga") : QVariant();
    const QVariant valore = righe_[size_t(indice.row())].valori.value(indice.column());
    switch (ruolo) {
    case Qt::EditRole:
        return valore;
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        // Screen readers read what the screen shows: numbers with the decimal comma.
        return TestoCella(valore);
    default:
        return {};
    }
}

Qt::ItemFlags ModelloTabella::flags(const QModelIndex& indice) const
{
    if (!indice.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant ModelloTabella::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const
{
    if (orientamento == Qt::Horizontal) {
        if (ruolo == Qt::DisplayRole && sezione >= 0 && sezione < campi_.size())
            return intestazioni_.value(campi_.at(sezione), campi_.at(sezione));
        return QAbstractTableModel::headerData(sezione, orientamento, ruolo);
    }
    if (!rigaNuova(sezione))
        return QAbstractTableModel::headerData(sezione, orientamento, ruolo);
    switch (ruolo) {
    case Qt::DisplayRole:
        return SegnoRigaNuova;
    case Qt::AccessibleTextRole:
        return QStringLiteral("Nuova riga");
    case Qt::ToolTipRole:
        return QStringLiteral("Nuova riga: scrivere in una sua cella per aggiungerla");
    default:
        return QAbstractTableModel::headerData(sezione, orientamento, ruolo);
    }
}

bool ModelloTabella::setData(const QModelIndex& indice, const QVariant& valore, int ruolo)
{
    if (ruolo != Qt::EditRole || !indice.isValid() || indice.column() >= campi_.size())
        return false;
    if (rigaNuova(indice.row()))
        return aggiungi(indice.column(), valore);

    const int riga = indice.row();
    const Esito esito
        = ScriviCampoTabella(db_, tabella_, righe_[size_t(riga)].rowid, campi_.at(indice.column()), valore);
    if (!esito.ok()) {
        rifiuta(esito);
        return false;
    }
    rileggiRiga(riga);
    return true;
}

bool ModelloTabella::aggiungi(int colonna, const QVariant& valore)
{
    // An untouched new-row line writes nothing.
    if (Vuoto(valore))
        return false;
    qint64 rowid = 0;
    const Esito esito = AggiungiRigaTabella(db_, tabella_, campi_.at(colonna), valore, &rowid);
    if (!esito.ok()) {
        rifiuta(esito);
        return false;
    }
    // The new-row line becomes the new row, and a fresh new-row line opens below it.
    const int riga = righeTabella();
    beginInsertRows(QModelIndex(), riga + 1, riga + 1);
    righe_.push_back(RigaTabella{rowid, QVariantList(campi_.size())});
    endInsertRows();
    rileggiRiga(riga);
    Q_EMIT headerDataChanged(Qt::Vertical, riga, riga + 1);
    return true;
}

// Shows the row as the table now holds it, with the defaults and conversions of the database.
void ModelloTabella::rileggiRiga(int riga)
{
    const Lettura<RigaTabella> lettura = LeggiRigaTabella(db_, tabella_, campi_, righe_[size_t(riga)].rowid);
    if (!lettura.ok()) {
        rifiuta(Esito::erroreDatabase(lettura.errore));
        return;
    }
    if (lettura.righe.size() != 1) {
        rifiuta(Esito::rifiutato(RigaTabellaSparita));
        return;
    }
    righe_[size_t(riga)] = lettura.righe.front();
    Q_EMIT dataChanged(index(riga, 0), index(riga, columnCount() - 1));
}

void ModelloTabella::rifiuta(const Esito& esito)
{
    // A refused write changed nothing, and the rows held here are still the table's; only a
    // row gone from the table calls for a new reading. It waits for the event loop, since the
    // view may be in the middle of handing over a cell.
    if (esito.rifiutato()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (const Esito lettura = carica(); !lettura.ok())
                    Q_EMIT scritturaRifiutata(lettura.messaggio);
            },
            Qt::QueuedConnection);
    }
    Q_EMIT scritturaRifiutata(esito.messaggio);
}

bool ModelloTabella::eliminaRighe(QList<int> righe)
{
    righe.removeIf([this](int r) { return r < 0 || r >= righeTabella(); });
    std::sort(righe.begin(), righe.end());
    righe.erase(std::unique(righe.begin(), righe.end()), righe.end());
    if (righe.isEmpty())
        return false;
    QList<qint64> rowid;
    for (int r : righe)
        rowid << righe_[size_t(r)].rowid;
    const Esito esito = EliminaRigheTabella(db_, tabella_, rowid);
    if (!esito.ok()) {
        rifiuta(esito);
        return false;
    }
    // From the bottom, so the rows still to take away keep their places.
    for (auto r = righe.crbegin(); r != righe.crend(); ++r) {
        beginRemoveRows(QModelIndex(), *r, *r);
        righe_.erase(righe_.begin() + *r);
        endRemoveRows();
    }
    return true;
}

bool ModelloTabella::removeRows(int riga, int quante, const QModelIndex& genitore)
{
    if (genitore.isValid() || quante < 1)
        return false;
    QList<int> righe;
    for (int r = riga; r < riga + quante; ++r)
        righe << r;
    return eliminaRighe(righe);
}
