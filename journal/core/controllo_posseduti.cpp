#include "controllo_posseduti.h"

#include "date.h"
#include "eseguito_valido.h"
#include "numeri.h"
#include "tipo_eseguito.h"

std::optional<QString> PossedutaCodice::Applica(const QString& data, bool dataValida, const QString& cod, bool acquisto,
                                                double letta)
{
    if (!dataValida)
        return motore::EseguitoNonValido(data, cod, motore::DifettoData());
    const std::optional<qint64> qta = motore::QuantitaValida(letta);
    if (!qta)
        return motore::EseguitoNonValido(data, cod, motore::DifettoQuantita(letta).messaggio);
    if (acquisto) {
        if (pezzi_ > motore::QuantitaMassima - *qta)
            return motore::EseguitoNonValido(data, cod, motore::DifettoPosseduta());
        pezzi_ += *qta;
        nota_ = true;
        return std::nullopt;
    }
    if (!nota_)
        return cod + QStringLiteral(" non e' in portafoglio in data: ") + date::IsoInUtente(data);
    if (*qta > pezzi_)
        return cod + QStringLiteral(" disponibili solo ") + numeri::TestoNumero(static_cast<double>(pezzi_))
            + QStringLiteral(" pezzi");
    pezzi_ -= *qta;
    return std::nullopt;
}

std::optional<QString> ControlloPosseduti::Applica(const QString& data, const QString& tipo, const QString& cod,
                                                   double qta, const QDate* giorno)
{
    if (primaRiga_ || data != ultimaData_) {
        ultimaData_ = data;
        ultimaValida_ = (giorno ? *giorno : date::DaIso(data)).isValid();
        primaRiga_ = false;
    }
    return possedute_[cod].Applica(data, ultimaValida_, cod, motore::EAcquisto(tipo), qta);
}
