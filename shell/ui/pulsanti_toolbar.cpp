#include "pulsanti_toolbar.h"

#include <array>

const std::vector<PulsanteToolbar>& PulsantiToolbar()
{
    static const std::vector<PulsanteToolbar> pulsanti = {
        {1, "Nuovo", "", 13, "Nuovo", "Nuovo"},
        {2, "Apri", "", 14, "Apri", "Apri"},
        {4, "Calcolatore", "Calcolatore", 1, "Calcolatore finanziario", "Calcolatore"},
        {5, "Conto", "frmContoTitoli", 15, "Conto titoli", "Conto"},
        {6, "Eseguiti", "frmEseguiti", 2, "Tabella eseguiti", "Eseguiti"},
        {7, "Portafoglio", "frmPortafoglio", 3, "Tabella titoli in portafoglio", "Portafoglio"},
        {8, "Op.Chiuse", "frmOperazioniChiuse", 4, "Tabella Operazioni Chiuse", "Op.Chiuse"},
        {10, "Report", "frmReport", 5, "Report", "Report"},
        {11, "Errori", "frmErrori", 7, "Statistiche errori", "St.errori"},
        {12, "Periodo", "frmStGiorno", 11, "Statistiche prestazioni per giorno settimanale", "St.Giorno"},
        {13, "Sequenze", "frmGrOperazioni", 6, "Grafico operazioni", "Operazioni"},
        {14, "GP", "frmCapitale", 12, "Grafico del capitale", "Capitale"},
        {15, "Risk", "frmRisk", 9, "Risk", "Risk"},
        {16, "MDD", "frmMDD", 8, "MDD", "MDD"},
        {17, "Medie", "frmMedie", 10, "Medie", "Medie"},
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
