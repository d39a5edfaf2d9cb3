#include "motore.h"

QString RicalcolaPortafoglio(QSqlDatabase&, QSqlDatabase&)
{
    return QString();
}
