#include "avvio.h"

#include "blocco_file.h"
#include "database.h"
#include "scrittura_accanto.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

namespace {

Esito NonAvviato(const Esito& causa)
{
    return {causa.tipo, QStringLiteral("Impossibile avviare Brunivox. %1").arg(causa.messaggio)};
}

// Every new trade takes the code "NE" (no error); without it in the catalogue each one
// would count as an error of another kind.
Esito VerificaCatalogoErrori(QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM Errori WHERE Cod = ?"));
    q.addBindValue(QStringLiteral("NE"));
    if (!q.exec() || !q.next())
        return Esito::erroreDatabase(
            QStringLiteral("Il file %1 è danneggiato e non può essere usato.").arg(NomeFileDataSet));
    if (q.value(0).toLongLong() == 0)
        return Esito::rifiutato(QStringLiteral("Il file %1 è danneggiato: nella tabella Errori manca il codice NE "
                                               "(nessun errore), che ogni nuovo eseguito riceve.")
                                    .arg(NomeFileDataSet));
    return Esito::accettato();
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
    if (const Esito catalogo = VerificaCatalogoErrori(apertura.db); !catalogo.ok()) {
        apertura.db = QSqlDatabase();
        ChiudiDatabase(ConnessioneDataSet);
        return NonAvviato(catalogo);
    }
    stato.DbDataSet = apertura.db;
    stato.BloccoProgramma = std::move(blocco.blocco);
    // What a copy killed while writing a file here left behind.
    RimuoviAvanzi(cartella);
    return Esito::accettato();
}
