#include "avvio.h"

#include "blocco_file.h"
#include "database.h"

#include <QDir>
#include <QFileInfo>

QString ApriImpostazioni(StatoApplicazione& stato, const QString& cartella)
{
    stato.CartellaProgramma = cartella;
    const QString percorso = QDir(cartella).filePath(NomeFileDataSet);
    if (!QFileInfo::exists(percorso))
        return QStringLiteral("Impossibile avviare Brunivox: il file delle impostazioni %1 non si trova "
                              "nella cartella del programma (%2).")
            .arg(NomeFileDataSet, QDir::toNativeSeparators(cartella));
    // Read-only places first: the lock itself is a file written beside DataSet.gvx.
    if (const QString errore = VerificaScrivibile(percorso); !errore.isEmpty())
        return QStringLiteral("Impossibile avviare Brunivox. %1").arg(errore);
    EsitoBlocco blocco = BloccaCartellaProgramma(cartella);
    if (!blocco.blocco)
        return blocco.errore;
    EsitoApertura esito = ApriDatabase(ConnessioneDataSet, percorso, TipoDatabase::Impostazioni);
    if (!esito.errore.isEmpty())
        return QStringLiteral("Impossibile avviare Brunivox. %1").arg(esito.errore);
    stato.DbDataSet = esito.db;
    stato.BloccoProgramma = std::move(blocco.blocco);
    return QString();
}
