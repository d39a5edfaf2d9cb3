#include "giorni.h"

#include "date.h"

#include <map>

std::array<std::optional<double>, 5> TotaliPerGiorno(const std::vector<RigaOperazioneChiusa>& chiuse)
{
    // ISO text sorts as the dates do.
    std::map<QString, double> perData;
    for (const RigaOperazioneChiusa& o : chiuse)
        perData[o.Data] += o.GP;

    std::array<std::optional<double>, 5> totali;
    for (const auto& [data, somma] : perData) {
        const QDate giorno = date::DaIso(data);
        if (!giorno.isValid())
            continue;
        const int settimana = date::GiornoSettimana(giorno);   // Sunday = 1
        if (settimana < 2 || settimana > 6)
            continue;
        std::optional<double>& totale = totali[static_cast<size_t>(settimana - 2)];
        totale = totale.value_or(0) + somma;
    }
    return totali;
}
