#include "frm_eseguiti_modello.h"

#include "date.h"
#include "numeri.h"

#include <algorithm>
#include <tuple>

namespace {

const QStringList Intestazioni
    = {QStringLiteral("ID"),      QStringLiteral("Data"),   QStringLiteral("Tipo"),           QStringLiteral("Sistema"),
       QStringLiteral("Codice"),  QStringLiteral("Titolo"), QStringLiteral("Quantita'"),      QStringLiteral("Prezzo"),
       QStringLiteral("Importo"), QStringLiteral("Errore"), QStringLiteral("Prezzo Ottimale")};

// The grid's order: by date, same-day trades by key.
bool Prima(const RigaEseguito& a, const RigaEseguito& b)
{
    return std::tie(a.Data, a.ID) < std::tie(b.Data, b.ID);
}

bool Numerica(int colonna)
{
    switch (colonna) {
    case ColEseguiti::ID:
    case ColEseguiti::Qta:
    case ColEseguiti::Prezzo:
    case ColEseguiti::Importo:
    case ColEseguiti::PrezzoOttimale:
        return true;
    default:
        return false;
    }
}

} // namespace

ModelloEseguiti::ModelloEseguiti(QObject* parent) : QAbstractTableModel(parent) { }

void ModelloEseguiti::imposta(std::vector<RigaEseguito> righe)
{
    beginResetModel();
    righe_ = std::move(righe);
    endResetModel();
}

bool ModelloEseguiti::applica(const Variazione& v)
{
    int tolta = -1;
    if (v.modo != eseguiti::Modo::Nuovo) {
        if (v.riga >= 0 && v.riga < rowCount() && righe_[size_t(v.riga)].ID == v.id) {
            tolta = v.riga;
        } else {
            const auto trovata
                = std::find_if(righe_.begin(), righe_.end(), [&](const RigaEseguito& r) { return r.ID == v.id; });
            if (trovata == righe_.end())
                return false;
            tolta = int(trovata - righe_.begin());
        }
    }
    if (v.scritto) {
        // The trade must fall between its neighbours once its old row is gone.
        const int n = rowCount() - (tolta >= 0 ? 1 : 0);
        if (v.rigaNuova < 0 || v.rigaNuova > n)
            return false;
        const auto vicina = [&](int i) -> const RigaEseguito* {
            if (i < 0 || i >= n)
                return nullptr;
            return &righe_[size_t(tolta >= 0 && i >= tolta ? i + 1 : i)];
        };
        if (const RigaEseguito* p = vicina(v.rigaNuova - 1); p && !Prima(*p, *v.scritto))
            return false;
        if (const RigaEseguito* s = vicina(v.rigaNuova); s && !Prima(*v.scritto, *s))
            return false;
    }

    if (tolta >= 0) {
        beginRemoveRows({}, tolta, tolta);
        righe_.erase(righe_.begin() + tolta);
        endRemoveRows();
    }
    if (v.rinominato && v.scritto) {
        for (RigaEseguito& r : righe_)
            if (r.Cod == v.scritto->Cod)
                r.Titolo = v.scritto->Titolo;
        if (!righe_.empty())
            Q_EMIT dataChanged(index(0, ColEseguiti::Titolo), index(rowCount() - 1, ColEseguiti::Titolo));
    }
    if (v.scritto) {
        beginInsertRows({}, v.rigaNuova, v.rigaNuova);
        righe_.insert(righe_.begin() + v.rigaNuova, *v.scritto);
        endInsertRows();
    }
    return true;
}

const RigaEseguito* ModelloEseguiti::riga(int indice) const
{
    return indice >= 0 && indice < rowCount() ? &righe_[size_t(indice)] : nullptr;
}

QString ModelloEseguiti::testo(int indice, int colonna) const
{
    return data(index(indice, colonna)).toString();
}

int ModelloEseguiti::rowCount(const QModelIndex& genitore) const
{
    return genitore.isValid() ? 0 : int(righe_.size());
}

int ModelloEseguiti::columnCount(const QModelIndex& genitore) const
{
    return genitore.isValid() ? 0 : ColEseguiti::Numero;
}

QVariant ModelloEseguiti::data(const QModelIndex& indice, int ruolo) const
{
    const RigaEseguito* r = indice.isValid() ? riga(indice.row()) : nullptr;
    if (!r)
        return {};
    const int colonna = indice.column();
    const bool vuota = colonna == ColEseguiti::PrezzoOttimale && !r->PrezzoOttimale;
    if (ruolo == Qt::TextAlignmentRole)
        return Numerica(colonna) && !vuota ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    if (ruolo != Qt::DisplayRole)
        return {};
    switch (colonna) {
    case ColEseguiti::ID:
        return numeri::TestoNumero(double(r->ID));
    case ColEseguiti::Data:
        return date::IsoInUtente(r->Data);
    case ColEseguiti::Tipo:
        return r->Tipo;
    case ColEseguiti::System:
        return r->System;
    case ColEseguiti::Cod:
        return r->Cod;
    case ColEseguiti::Titolo:
        return r->Titolo;
    case ColEseguiti::Qta:
        return numeri::TestoNumero(double(r->Qta));
    case ColEseguiti::Prezzo:
        return numeri::TestoNumero(r->Prezzo);
    case ColEseguiti::Importo:
        return numeri::TestoNumero(r->Importo);
    case ColEseguiti::Errore:
        return r->Errore;
    case ColEseguiti::PrezzoOttimale:
        return vuota ? QString() : numeri::TestoNumero(*r->PrezzoOttimale);
    default:
        return {};
    }
}

QVariant ModelloEseguiti::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const
{
    if (orientamento == Qt::Horizontal && ruolo == Qt::DisplayRole && sezione >= 0 && sezione < Intestazioni.size())
        return Intestazioni.at(sezione);
    return QAbstractTableModel::headerData(sezione, orientamento, ruolo);
}
