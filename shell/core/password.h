#pragma once
// The start-up password of the Settaggi row: read, checked, scrambled and written.
#include "esito.h"
#include "lettura.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

// The stored (scrambled) text, one row; NULL reads as "". A row that cannot be read is an error.
Lettura<QString> LeggiPwd(const QSqlDatabase& dataset);
// The stored text unscrambled; "0" means no password.
QString PasswordInChiaro(const QString& cifrata);
// The first character the scrambling cannot keep (outside Latin-1, or a control character),
// or nothing when the whole text can be a password.
std::optional<QChar> CarattereNonAmmesso(const QString& password);
// The password scrambled so that it unscrambles to itself; nothing for a text that cannot be kept.
std::optional<QString> CifraPassword(const QString& password);
// One UPDATE of the row.
Esito ScriviPwd(const QSqlDatabase& dataset, const QString& cifrata);
