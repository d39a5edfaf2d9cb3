#include "modello_anteprima.h"

#include "date.h"
#include "numeri.h"

#include <QStringList>

namespace {

const QStringList& Campi()
{
    static const QStringList campi = {"Data", "Tipo", "System", "Cod", "Titolo", "Qta", "Prezzo"};
    return campi;
}

} // namespace

void ModelloAnteprima::imposta(std::vector<RigaImportata> righe)
{
    beginResetModel();
    righe_ = std::move(righe);
    endResetModel();
}

int ModelloAnteprima::rowCount(const QModelIndex& genitore) const
{
    return genitore.isValid() ? 0 : static_cast<int>(righe_.size());
}

int ModelloAnteprima::columnCount(const QModelIndex& genitore) const
{
    return genitore.isValid() ? 0 : static_cast<int>(Campi().size());
}

QVariant ModelloAnteprima::data(const QModelIndex& indice, int ruolo) const
{
    if (ruolo != Qt::DisplayRole || !indice.isValid() || indice.row() >= rowCount())
        return {};
    const RigaImportata& r = righe_[static_cast<std::size_t>(indice.row())];
    switch (indice.column()) {
    case 0:
        return date::IsoInUtente(r.Data);
    case 1:
        return r.Tipo;
    case 2:
        return r.System;
    case 3:
        return r.Cod;
    case 4:
        return r.Titolo;
    case 5:
        return numeri::TestoNumero(static_cast<double>(r.Qta));
    case 6:
        return numeri::TestoNumero(r.Prezzo);
    default:
        return {};
    }
}

QVariant ModelloAnteprima::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const
{
    if (ruolo != Qt::DisplayRole || orientamento != Qt::Horizontal || sezione < 0 || sezione >= Campi().size())
        return QAbstractTableModel::headerData(sezione, orientamento, ruolo);
    return Campi().at(sezione);
}
