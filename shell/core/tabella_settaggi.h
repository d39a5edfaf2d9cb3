#pragma once
// The settings row (Settaggi), its one reader and its one writer: every subsystem reads its
// settings through it and takes the fields it needs, and writes the fields it changes
// (password, view options, last portfolio, initial parameters) through it.
#include "colonne_portafoglio.h"
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <array>
#include <optional>

// Indexes into ColonneSettaggi.
enum class CampoSettaggi {
    CapitaleIniziale,
    CapitalGain,
    SLMM,
    SLP,
    Pwd,
    Tip,
    Benvenuto,
    Clock,
    Menu,
    Icone32,
    IconeName,
    ApriUltimo
};

inline constexpr std::array ColonneSettaggi
    = {"CapitaleIniziale", "CapitalGain", "SLMM", "SLP",     "Pwd",       "Tip",
       "Benvenuto",        "Clock",       "Menu", "Icone32", "IconeName", "ApriUltimo"};

struct RigaSettaggi {
    // None when NULL or not a number.
    std::optional<double> CapitaleIniziale;
    std::optional<double> CapitalGain; // tax rate, per cent
    std::optional<double> SLMM; // money-management stop loss
    std::optional<double> SLP; // stop loss, per cent of the buy price
    QString Pwd; // scrambled; NULL reads as ""
    // The display flags; NULL reads as 0.
    int Tip = 0;
    int Benvenuto = 0;
    int Clock = 0;
    int Menu = 0;
    int Icone32 = 0;
    int IconeName = 0;
    QString ApriUltimo = QStringLiteral("0"); // the last portfolio's path; "0" (also for NULL or "") for none
};

// The first row: one row, none when the table is empty, or the database's own error text.
Lettura<RigaSettaggi> LeggiRigaSettaggi(const QSqlDatabase& dataset);

// One field written: a null value under tieniSeNullo keeps what is stored (an empty input
// means "unchanged").
struct ValoreSettaggi {
    CampoSettaggi campo;
    QVariant valore;
    bool tieniSeNullo = false;
};

// Writes the fields into every row; the database's own error text, empty when written.
QString ScriviRigaSettaggi(const QSqlDatabase& dataset, std::initializer_list<ValoreSettaggi> valori);
