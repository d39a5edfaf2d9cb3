#pragma once
// The settings file attached to the portfolio connection under one schema name, so that a
// single transaction, committed by SQLite across both files at once, covers the derived
// tables and the error counters: a failed commit leaves both files as they were.
#include "esito.h"

#include <QSqlDatabase>
#include <QString>

struct sqlite3;

// While attached, the portfolio connection reads and writes the settings tables as
// impostazioni.Errori, impostazioni.System and so on.
class ImpostazioniAllegate {
public:
    // Attaches the file of `dataset` to `portafoglio`; an attachment already there for the
    // same file (a caller's) is used as it is and left in place.
    ImpostazioniAllegate(const QSqlDatabase& portafoglio, const QSqlDatabase& dataset);
    // Detaches what this object attached.
    ~ImpostazioniAllegate();
    ImpostazioniAllegate(const ImpostazioniAllegate&) = delete;
    ImpostazioniAllegate& operator=(const ImpostazioniAllegate&) = delete;

    // Accepted once attached (or found attached); a database error, with its text, otherwise.
    [[nodiscard]] const Esito& esito() const { return esito_; }

private:
    sqlite3* db_ = nullptr;
    bool allegato_ = false;
    Esito esito_;
};
