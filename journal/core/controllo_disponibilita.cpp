#include "controllo_disponibilita.h"

#include "controllo_posseduti.h"
#include "esito.h"
#include "istruzione_sqlite.h"

Esito VerificaDisponibilita(const QSqlDatabase& portafoglio)
{
    // No transaction of its own: the trade window runs the check on the history it has
    // just written and not yet committed on this same connection.
    IstruzioneSqlite q(ManigliaSqlite(portafoglio), "SELECT Data, Tipo, Cod, Qta FROM Eseguiti ORDER BY Data, ID");
    ControlloPosseduti controllo;
    while (q.Riga())
        if (auto rifiuto = controllo.Applica(q.Testo(0), q.Testo(1), q.Testo(2), q.Numero(3)))
            return Esito::rifiutato(std::move(*rifiuto));
    // A read that broke off part-way must not pass for a consistent history.
    if (!q.ok())
        return Esito::erroreDatabase(TestoErroreDatabase(q.errore()));
    return Esito::accettato();
}

Esito ControlloDisponibilita(StatoApplicazione& stato)
{
    Esito esito = VerificaDisponibilita(stato.DbPortafoglio);
    if (esito.rifiutato())
        stato.MessaggioDisponibilita = esito.messaggio;
    return esito;
}
