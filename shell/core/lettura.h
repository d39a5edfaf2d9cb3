#pragma once
// The rows a reader got from a table, or why it could not read them.
#include <QString>

#include <vector>

template <class Riga>
struct [[nodiscard]] Lettura {
    std::vector<Riga> righe;
    QString errore;   // empty when every row was read

    bool ok() const { return errore.isEmpty(); }
};
