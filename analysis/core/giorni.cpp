#include "giorni.h"

#include "date.h"

#include <QDate>

#include <map>

std::array<std::optional<double>, 5> TotaliPerGiorno(const std::vector<RigaOperazioneChiusa>& chiuse)
{
    // ISO text sorts as the dates do.
    std::map<QString, double> perData;
    for (const RigaOperazioneChiusa& o : chiuse)
        perData[o.Data] += o.GP;

    std::array<std::optional<double>, 5> totali;
    for (const auto& [data, somma] : perData) {
        // Parsed once per date, and by the fixed ISO form: a pattern parse per date costs more
        // than the whole sum.
        const QDate giorno = QDate::fromString(QStringView(data).left(10), Qt::ISODate);
        if (!giorno.isValid())
            continue;
        const int settimana = date::GiornoSettimana(giorno); // Sunday = 1
        if (settimana < 2 || settimana > 6)
            continue;
        std::optional<double>& totale = totali[static_cast<size_t>(settimana - 2)];
        totale = totale.value_or(0) + somma;
    }
    return totali;
}
