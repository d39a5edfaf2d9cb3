#include "avvio.h"

#include "blocco_file.h"
#include "database.h"
#include "scrittura_accanto.h"

#include <QDir>
#include <QFileInfo>

namespace {

Esito NonAvviato(const Esito& causa)
{
    return {causa.tipo, QStringLiteral("Impossibile avviare Brunivox. %1").arg(causa.messaggio)};
}

} // namespace

Esito ApriImpostazioni(StatoApplicazione& stato, const QString& cartella)
{
    stato.CartellaProgramma = cartella;
    const QString percorso = QDir(cartella).filePath(NomeFileDataSet);
    if (!QFileInfo::exists(percorso))
        return Esito::rifiutato(QStringLiteral("Impossibile avviare Brunivox: il file delle impostazioni %1 non si "
                                               "trova nella cartella del programma (%2).")
                                    .arg(NomeFileDataSet, QDir::toNativeSeparators(cartella)));
    // Read-only places first: the lock itself is a file written beside DataSet.gvx.
    if (const Esito scrivibile = VerificaScrivibile(percorso); !scrivibile.ok())
        return NonAvviato(scrivibile);
    EsitoBlocco blocco = BloccaCartellaProgramma(cartella);
    if (!blocco.esito.ok())
        return blocco.esito;
    EsitoApertura apertura = ApriDatabase(ConnessioneDataSet, percorso, TipoDatabase::Impostazioni);
    if (!apertura.esito.ok())
        return NonAvviato(apertura.esito);
    stato.DbDataSet = apertura.db;
    stato.BloccoProgramma = std::move(blocco.blocco);
    // What a copy killed while writing a file here left behind.
    RimuoviAvanzi(cartella);
    return Esito::accettato();
}
