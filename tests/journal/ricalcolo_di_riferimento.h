#pragma once
// The position rebuild done the slow, literal way: one lookup and one statement at a time
// against the databases, trade by trade. Kept as the reference the engine must match.
#include <QSqlDatabase>
#include <QString>

QString RicalcoloDiRiferimento(QSqlDatabase& dataset, QSqlDatabase& portafoglio);
