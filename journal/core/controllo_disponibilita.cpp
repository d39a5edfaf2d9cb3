#include "controllo_disponibilita.h"

#include "date.h"
#include "istruzione_sqlite.h"
#include "numeri.h"
#include "tipo_eseguito.h"

#include <QHash>

QString VerificaDisponibilita(const QSqlDatabase& portafoglio)
{
    // No transaction of its own: the trade window runs the check on the history it has
    // just written and not yet committed on this same connection.
    IstruzioneSqlite q(ManigliaSqlite(portafoglio), "SELECT Data, Tipo, Cod, Qta FROM Eseguiti ORDER BY Data, ID");

    // A sold-out code keeps its entry at 0, so a later sell reports what is left.
    QHash<QString, qint64> possedute;
    while (q.Riga()) {
        const QString cod = q.Testo(2);
        const qint64 qta = q.Intero(3);
        if (motore::EAcquisto(q.Testo(1))) {
            possedute[cod] += qta;
            continue;
        }
        const auto h = possedute.find(cod);
        if (h == possedute.end())
            return cod + QStringLiteral(" non e' in portafoglio in data: ") + date::IsoInUtente(q.Testo(0));
        if (qta > *h)
            return cod + QStringLiteral(" disponibili solo ") + numeri::TestoNumero(static_cast<double>(*h)) +
                   QStringLiteral(" pezzi");
        *h -= qta;
    }
    // A read that broke off part-way must not pass for a consistent history.
    if (!q.ok())
        return QStringLiteral("Errore del database: ") + q.errore();
    return QString();
}

void ControlloDisponibilita(StatoApplicazione& stato)
{
    const QString messaggio = VerificaDisponibilita(stato.DbPortafoglio);
    if (!messaggio.isEmpty())
        stato.MessaggioDisponibilita = messaggio;
}
