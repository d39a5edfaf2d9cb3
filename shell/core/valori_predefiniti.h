#pragma once
// The default values a table's columns declare, for models that must know what a new row
// will hold once the database has written it.
#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>

// Column name -> default value, for the columns whose default is a plain number or a quoted
// text; columns without one, or with an expression, are left out.
QVariantMap ValoriPredefiniti(const QSqlDatabase& db, const QString& tabella);
