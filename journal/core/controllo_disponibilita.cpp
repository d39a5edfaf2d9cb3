#include "controllo_disponibilita.h"

QString VerificaDisponibilita(const QSqlDatabase&)
{
    return QString();
}

void ControlloDisponibilita(StatoApplicazione& stato)
{
    const QString messaggio = VerificaDisponibilita(stato.DbPortafoglio);
    if (!messaggio.isEmpty())
        stato.MessaggioDisponibilita = messaggio;
}
