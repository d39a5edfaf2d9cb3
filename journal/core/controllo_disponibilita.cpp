#include "controllo_disponibilita.h"

#include "date.h"
#include "esito.h"
#include "eseguito_valido.h"
#include "istruzione_sqlite.h"
#include "numeri.h"
#include "tipo_eseguito.h"

std::optional<QString> ControlloPosseduti::Applica(const QString& data, const QString& tipo, const QString& cod,
                                                   double letta, const QDate* giorno)
{
    if (primaRiga_ || data != ultimaData_) {
        ultimaData_ = data;
        ultimaValida_ = (giorno ? *giorno : date::DaIso(data)).isValid();
        primaRiga_ = false;
    }
    if (!ultimaValida_)
        return motore::EseguitoNonValido(data, cod, motore::DifettoData());
    const std::optional<qint64> qta = motore::QuantitaValida(letta);
    if (!qta)
        return motore::EseguitoNonValido(data, cod, motore::DifettoQuantita(letta).messaggio);
    if (motore::EAcquisto(tipo)) {
        qint64& h = possedute_[cod];
        if (h > motore::QuantitaMassima - *qta)
            return motore::EseguitoNonValido(data, cod, motore::DifettoPosseduta());
        h += *qta;
        return std::nullopt;
    }
    const auto h = possedute_.find(cod);
    if (h == possedute_.end())
        return cod + QStringLiteral(" non e' in portafoglio in data: ") + date::IsoInUtente(data);
    if (*qta > *h)
        return cod + QStringLiteral(" disponibili solo ") + numeri::TestoNumero(static_cast<double>(*h))
            + QStringLiteral(" pezzi");
    *h -= *qta;
    return std::nullopt;
}

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
    return VerificaDisponibilita(stato.DbPortafoglio);
}
