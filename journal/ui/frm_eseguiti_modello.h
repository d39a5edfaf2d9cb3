#pragma once
// The trade grid's rows: the snapshot as typed rows, shown as the other grids show theirs
// (dates dd/mm/yyyy, numbers in the Italian plain form). After a confirmation the rows take
// the change itself instead of being read again.
#include "conferma_eseguito.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

class ModelloEseguiti : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModelloEseguiti(QObject* parent = nullptr);

    // An accepted change of the trade at grid row `riga` (the key `id`), as the confirmation
    // reported it; `rigaNuova` is where the written trade now stands.
    struct Variazione {
        eseguiti::Modo modo = eseguiti::Modo::Nuovo;
        qint64 id = 0;
        int riga = 0;
        int rigaNuova = 0;
        std::optional<RigaEseguito> scritto;
        bool rinominato = false;
    };

    void imposta(std::vector<RigaEseguito> righe);
    // False, with the rows unchanged, when the change does not fit the rows held (they were
    // then not the snapshot the change was made on): the caller reads them again.
    [[nodiscard]] bool applica(const Variazione& v);

    // The row at a grid position; nullptr outside the rows.
    const RigaEseguito* riga(int indice) const;
    // A cell as the grid shows it; empty outside the rows.
    QString testo(int indice, int colonna) const;

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo = Qt::DisplayRole) const override;

private:
    std::vector<RigaEseguito> righe_;
};
