#pragma once
// The import preview: the staged trades, headed by their field names, dates as
// dd/mm/yyyy and numbers in the Italian form.
#include "file_real_tick.h"

#include <QAbstractTableModel>

#include <vector>

class ModelloAnteprima : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void imposta(std::vector<RigaImportata> righe);
    const std::vector<RigaImportata>& righe() const { return righe_; }

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo = Qt::DisplayRole) const override;

private:
    std::vector<RigaImportata> righe_;
};
