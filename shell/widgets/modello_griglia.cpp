#include "modello_griglia.h"

#include "date.h"
#include "numeri.h"
#include "testo_cella.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

ModelloGriglia::ModelloGriglia(QObject* parent) : QAbstractTableModel(parent) { }

Esito ModelloGriglia::carica(const QString& sql, const QSqlDatabase& db)
{
    return leggi(sql, db, std::nullopt);
}

Esito ModelloGriglia::caricaDopo(const QString& sql, const QSqlDatabase& db, int tenute)
{
    if (tenute < 0 || tenute > righe_)
        return leggi(sql, db, std::nullopt);
    return leggi(sql, db, tenute);
}

Esito ModelloGriglia::leggi(const QString& sql, const QSqlDatabase& db, std::optional<int> salta)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QStringList campi;
    const auto esegui = [&] {
        campi.clear();
        bool eseguita = false;
        if (salta) {
            eseguita = q.prepare(sql + QStringLiteral(" LIMIT -1 OFFSET ?"));
            q.addBindValue(*salta);
            eseguita = eseguita && q.exec();
        } else {
            eseguita = q.exec(sql);
        }
        if (eseguita) {
            const QSqlRecord record = q.record();
            for (int c = 0; c < record.count(); ++c)
                campi << record.fieldName(c);
        }
        return eseguita;
    };
    // Rows kept only under the same columns; anything unexpected reads them all.
    if (!esegui() && salta) {
        salta.reset();
        esegui();
    } else if (salta && campi != campi_) {
        salta.reset();
        esegui();
    }

    beginResetModel();
    const int tenute = salta.value_or(0);
    const bool continua = salta && celleRaccolte_;
    campi_ = campi;
    valori_.resize(size_t(tenute) * size_t(campi_.size()));
    righe_ = tenute;
    while (q.isActive() && q.next()) {
        for (int c = 0; c < campi_.size(); ++c)
            valori_.push_back(q.value(c));
        ++righe_;
    }
    const QSqlError errore = q.lastError();
    if (fontCelle_)
        raccogliCelleLarghe(continua ? tenute : 0);
    else
        celleRaccolte_ = false;
    endResetModel();
    if (errore.isValid())
        return Esito::erroreDatabase(TestoErroreDatabase(errore.text()));
    return Esito::accettato();
}

const CelleLarghe& ModelloGriglia::celleLarghe(int colonna, const QFont& font)
{
    if (!celleRaccolte_ || !fontCelle_ || *fontCelle_ != font) {
        fontCelle_ = font;
        raccogliCelleLarghe(0);
    }
    static const CelleLarghe nessuna;
    return colonna >= 0 && colonna < int(celleLarghe_.size()) ? celleLarghe_[size_t(colonna)] : nessuna;
}

void ModelloGriglia::raccogliCelleLarghe(int da)
{
    // Each cell is estimated as data() shows it; a number without building its text, and a
    // text like the one above it (a date, a code of a run of rows) by the estimate it had.
    StimaTesto stima{QFontMetrics(*fontCelle_)};
    const int colonne = columnCount();
    if (da == 0)
        celleLarghe_.assign(size_t(colonne), CelleLarghe());
    struct Precedente {
        const QVariant* valore = nullptr;
        int stima = 0;
    };
    std::vector<Precedente> precedenti(static_cast<size_t>(colonne));
    std::vector<bool> diData(static_cast<size_t>(colonne));
    for (int c = 0; c < colonne; ++c)
        diData[size_t(c)] = colonneData_.contains(c);
    char numero[numeri::TestoNumeroMassimo];
    for (int r = da; r < righe_; ++r) {
        for (int c = 0; c < colonne; ++c) {
            const QVariant& v = cella(r, c);
            int s = 0;
            if (v.isNull()) {
                s = 0;
            } else if (!diData[size_t(c)] && ValoreNumerico(v)) {
                s = stima(numero, numeri::ScriviNumero(v.toDouble(), numero));
            } else {
                Precedente& p = precedenti[size_t(c)];
                if (p.valore && p.valore->typeId() == v.typeId() && *p.valore == v) {
                    s = p.stima;
                } else {
                    s = stima(diData[size_t(c)] ? date::IsoInUtente(v.toString()) : v.toString());
                    p = {&v, s};
                }
            }
            celleLarghe_[size_t(c)].aggiungi(s, r);
        }
    }
    celleRaccolte_ = true;
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
    celleRaccolte_ = false;
}

QVariant ModelloGriglia::valore(int riga, const QString& campo) const
{
    const int colonna = int(campi_.indexOf(campo));
    if (riga < 0 || riga >= righe_ || colonna < 0)
        return {};
    return cella(riga, colonna);
}

int ModelloGriglia::rowCount(const QModelIndex& genitore) const
{
    return genitore.isValid() ? 0 : righe_;
}

int ModelloGriglia::columnCount(const QModelIndex& genitore) const
{
    return genitore.isValid() ? 0 : int(campi_.size());
}

QVariant ModelloGriglia::data(const QModelIndex& indice, int ruolo) const
{
    if (!indice.isValid() || indice.row() >= righe_ || indice.column() >= columnCount())
        return {};
    if (ruolo != Qt::DisplayRole && ruolo != Qt::EditRole && ruolo != Qt::TextAlignmentRole)
        return {};
    const QVariant& v = cella(indice.row(), indice.column());
    if (ruolo == Qt::EditRole)
        return v;
    const bool numero = !v.isNull() && ValoreNumerico(v);
    if (ruolo == Qt::TextAlignmentRole)
        return numero ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    if (!v.isNull() && colonneData_.contains(indice.column()))
        return date::IsoInUtente(v.toString());
    return TestoCella(v);
}

QVariant ModelloGriglia::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const
{
    if (orientamento == Qt::Horizontal && ruolo == Qt::DisplayRole) {
        if (sezione >= 0 && sezione < intestazioni_.size())
            return intestazioni_.at(sezione);
        if (sezione >= 0 && sezione < campi_.size())
            return campi_.at(sezione);
    }
    return QAbstractTableModel::headerData(sezione, orientamento, ruolo);
}
