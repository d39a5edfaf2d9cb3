#pragma once
// The state every window shares for the whole run. One object, owned by the start-up
// and handed to whoever needs it.
#include <QSqlDatabase>
#include <QString>

#include <memory>

class BloccoFile;

struct StatoApplicazione {
    QString CartellaProgramma;           // the executable's folder
    QSqlDatabase DbDataSet;              // settings, open for the whole run
    QSqlDatabase DbPortafoglio;          // invalid until the first new or open command
    QString PercorsoPortafoglio;         // empty until the first new or open command
    QString MessaggioDisponibilita;      // failure text of the last holding check
    // Held for as long as this run uses the program folder and the open portfolio.
    std::shared_ptr<BloccoFile> BloccoProgramma;
    std::shared_ptr<BloccoFile> BloccoPortafoglio;
    bool PrimaAttivazione = false;
    int SceltaBenvenuto = 0;             // 1 new, 2 open, 3 open last
    bool AvvioInterrotto = false;        // the splash was closed without the password: the program ends

    bool portafoglioAperto() const { return !PercorsoPortafoglio.isEmpty() && DbPortafoglio.isOpen(); }
};

// Names of the two Qt SQL connections.
inline const QString ConnessioneDataSet = QStringLiteral("DbDataSet");
inline const QString ConnessionePortafoglio = QStringLiteral("DbPortafoglio");
