#include "avvio.h"

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
    EsitoApertura esito = ApriDatabase(ConnessioneDataSet, percorso, TipoDatabase::Impostazioni);
    if (!esito.errore.isEmpty())
        return QStringLiteral("Impossibile avviare Brunivox. %1").arg(esito.errore);
    stato.DbDataSet = esito.db;
    return QString();
}
