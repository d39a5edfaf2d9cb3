#include "eseguito_valido.h"

#include "date.h"
#include "numeri.h"

#include <cmath>

namespace motore {

std::optional<qint64> QuantitaValida(double qta)
{
    if (!std::isfinite(qta) || qta < -0.5 || qta > static_cast<double>(QuantitaMassima))
        return std::nullopt;
    const qint64 intera = numeri::InteroPari(qta);
    if (intera < 0 || intera > QuantitaMassima)
        return std::nullopt;
    return intera;
}

Esito DifettoQuantita(double qta)
{
    if (QuantitaValida(qta))
        return Esito::accettato();
    if (!std::isfinite(qta))
        return Esito::rifiutato(QStringLiteral("la quantità non è un numero"));
    return Esito::rifiutato(
        QStringLiteral("la quantità %1 non è un numero intero da 0 a %2")
            .arg(numeri::TestoNumero(qta), numeri::TestoNumero(static_cast<double>(QuantitaMassima))));
}

Esito DifettoPrezzo(double prezzo)
{
    if (!std::isfinite(prezzo))
        return Esito::rifiutato(QStringLiteral("il prezzo non è un numero"));
    if (prezzo < 0)
        return Esito::rifiutato(QStringLiteral("il prezzo %1 è negativo").arg(numeri::TestoNumero(prezzo)));
    return Esito::accettato();
}

QString DifettoData()
{
    return QStringLiteral("la data non è una data valida");
}

QString DifettoImporto()
{
    return QStringLiteral("l'importo non è un numero");
}

QString DifettoPrezzoOttimale()
{
    return QStringLiteral("il prezzo ottimale non è un numero");
}

QString DifettoPosseduta()
{
    return QStringLiteral("la quantità posseduta supererebbe %1 pezzi")
        .arg(numeri::TestoNumero(static_cast<double>(QuantitaMassima)));
}

QString DifettoCalcolo()
{
    return QStringLiteral("gli importi calcolati sono troppo grandi per essere registrati");
}

QString EseguitoNonValido(const QString& data, const QString& cod, const QString& difetto)
{
    return QStringLiteral("L'eseguito con data \"%1\" e codice \"%2\" non è valido: %3. "
                          "Correggerlo o eliminarlo nella finestra Eseguiti.")
        .arg(date::IsoInUtente(data), cod, difetto);
}

} // namespace motore
