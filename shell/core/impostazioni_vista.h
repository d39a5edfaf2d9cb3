#pragma once
// The display settings of the Settaggi row that the main window reads at start-up.
#include <QSqlDatabase>
#include <QString>
#include <optional>

// The defaults are what a window shows when the row cannot be read: both bars, small icons.
struct ImpostazioniVista {
    int Tip = 0;        // tips at start-up when 1
    int Benvenuto = 0;  // welcome window at start-up when 1
    int Clock = 1;      // clock bar shown when not 0
    int Menu = 1;       // icon toolbar shown when not 0
    int Icone32 = 0;    // 32-pixel icons when 1
    int IconeName = 0;  // with 32-pixel icons, captions when 1
    QString ApriUltimo = QStringLiteral("0");
};

// Read afresh at every call; no value when the row cannot be read.
std::optional<ImpostazioniVista> LeggiImpostazioniVista(const QSqlDatabase& dataset);
