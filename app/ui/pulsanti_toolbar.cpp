#include "pulsanti_toolbar.h"

#include <array>

const std::vector<PulsanteToolbar>& PulsantiToolbar()
{
    static const std::vector<PulsanteToolbar> pulsanti = {
        {1, "Nuovo", 13, "Nuovo", "Nuovo"},
        {2, "Apri", 14, "Apri", "Apri"},
        {4, "Calcolatore", 1, "Calcolatore finanziario", "Calcolatore"},
        {5, "Conto", 15, "Conto titoli", "Conto"},
        {6, "Eseguiti", 2, "Tabella eseguiti", "Eseguiti"},
        {7, "Portafoglio", 3, "Tabella titoli in portafoglio", "Portafoglio"},
        {8, "Op.Chiuse", 4, "Tabella Operazioni Chiuse", "Op.Chiuse"},
        {10, "Report", 5, "Report", "Report"},
        {11, "Errori", 7, "Statistiche errori", "St.errori"},
        {12, "Periodo", 11, "Statistiche prestazioni per giorno settimanale", "St.Giorno"},
        {13, "Sequenze", 6, "Grafico operazioni", "Operazioni"},
        {14, "GP", 12, "Grafico del capitale", "Capitale"},
        {15, "Risk", 9, "Risk", "Risk"},
        {16, "MDD", 8, "MDD", "MDD"},
        {17, "Medie", 10, "Medie", "Medie"},
    };
    return pulsanti;
}

QIcon ImmagineToolbar(int numero)
{
    static const std::array<const char*, 15> file = {
        "calcolatore", "eseguiti", "portafoglio", "operazioni_chiuse", "report",
        "grafico_operazioni", "errori", "mdd", "risk", "medie",
        "giorno", "capitale", "nuovo", "apri", "conto",
    };
    if (numero < 1 || numero > int(file.size()))
        return QIcon();
    return QIcon(QStringLiteral(":/icone/%1.svg").arg(QLatin1String(file[numero - 1])));
}
