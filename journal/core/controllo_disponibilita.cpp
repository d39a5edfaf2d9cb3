#include "controllo_disponibilita.h"

#include "date.h"
#include "eseguito_valido.h"
#include "istruzione_sqlite.h"
#include "numeri.h"
#include "tipo_eseguito.h"

#include <QHash>

Esito VerificaDisponibilita(const QSqlDatabase& portafoglio)
{
    // No transaction of its own: the trade window runs the check on the history it has
    // just written and not yet committed on this same connection.
    IstruzioneSqlite q(ManigliaSqlite(portafoglio), "SELECT Data, Tipo, Cod, Qta FROM Eseguiti ORDER BY Data, ID");

    // A sold-out code keeps its entry at 0, so a later sell reports what is left.
    QHash<QString, qint64> possedute;
    // Trades come by date: the last date read is nearly always the next one.
    QByteArray ultimaData;
    bool ultimaValida = false;
    bool primaRiga = true;
    while (q.Riga()) {
        const QString cod = q.Testo(2);
        if (primaRiga || q.Byte(0) != ultimaData) {
            ultimaData = q.Byte(0).toByteArray();
            ultimaValida = date::DaIso(q.Testo(0)).isValid();
            primaRiga = false;
        }
        if (!ultimaValida)
            return Esito::rifiutato(motore::EseguitoNonValido(q.Testo(0), cod, motore::DifettoData()));
        const double letta = q.Reale(3);
        const std::optional<qint64> qta = motore::QuantitaValida(letta);
        if (!qta)
            return Esito::rifiutato(motore::EseguitoNonValido(q.Testo(0), cod, motore::DifettoQuantita(letta)));
        if (motore::EAcquisto(q.Testo(1))) {
            qint64& h = possedute[cod];
            if (h > motore::QuantitaMassima - *qta)
                return Esito::rifiutato(motore::EseguitoNonValido(q.Testo(0), cod, motore::DifettoPosseduta()));
            h += *qta;
            continue;
        }
        const auto h = possedute.find(cod);
        if (h == possedute.end())
            return Esito::rifiutato(cod + QStringLiteral(" non e' in portafoglio in data: ") +
                                    date::IsoInUtente(q.Testo(0)));
        if (*qta > *h)
            return Esito::rifiutato(cod + QStringLiteral(" disponibili solo ") +
                                    numeri::TestoNumero(static_cast<double>(*h)) + QStringLiteral(" pezzi"));
        *h -= *qta;
    }
    // A read that broke off part-way must not pass for a consistent history.
    if (!q.ok())
        return Esito::erroreDatabase(QStringLiteral("Errore del database: ") + q.errore());
    return Esito::accettato();
}

Esito ControlloDisponibilita(StatoApplicazione& stato)
{
    Esito esito = VerificaDisponibilita(stato.DbPortafoglio);
    if (esito.rifiutato())
        stato.MessaggioDisponibilita = esito.messaggio;
    return esito;
}
