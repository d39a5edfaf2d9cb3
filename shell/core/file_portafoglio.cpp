#include "file_portafoglio.h"

#include "punto_salvataggio.h"
#include "scrittura_accanto.h"
#include "tabella_settaggi.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QString Nome(const QString& percorso)
{
    return QFileInfo(percorso).fileName();
}

} // namespace

Esito SvuotaPortafoglio(QSqlDatabase& portafoglio)
{
    static const char* const tabelle[] = {"Portafoglio", "OperazioniChiuse", "Eseguiti",
                                          "EseguitiBackup", "EseguitiTemp", "Conto"};
    PuntoSalvataggio t(portafoglio, QStringLiteral("svuota_portafoglio"));
    if (!t.aperto())
        return Esito::erroreDatabase(QStringLiteral("Impossibile svuotare il portafoglio: %1").arg(t.errore()));
    QSqlQuery q(portafoglio);
    for (const char* tabella : tabelle) {
        if (!q.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(tabella))))
            return Esito::erroreDatabase(QStringLiteral("Impossibile svuotare la tabella %1 del portafoglio: %2")
                                             .arg(QLatin1String(tabella), q.lastError().text()));
    }
    if (!t.conferma())
        return Esito::erroreDatabase(QStringLiteral("Impossibile svuotare il portafoglio: %1").arg(t.errore()));
    return Esito::accettato();
}

Esito CopiaDatabaseSicura(QSqlDatabase& sorgente, const QString& destinazione, const RifinituraCopia& rifinisci)
{
    return ScriviAccanto(destinazione, [&](const QString& temporaneo) {
        // VACUUM INTO wants an empty file, which it is given.
        QSqlQuery q(sorgente);
        q.prepare(QStringLiteral("VACUUM INTO ?"));
        q.addBindValue(temporaneo);
        if (!q.exec())
            return Esito::erroreDatabase(QStringLiteral("Impossibile copiare il portafoglio in %1: %2")
                                             .arg(Nome(destinazione), q.lastError().text()));
        q.finish();
        return rifinisci ? rifinisci(temporaneo) : Esito::accettato();
    });
}

QString LeggiApriUltimo(const QSqlDatabase& dataset)
{
    if (!dataset.isOpen())
        return QStringLiteral("0");
    const Lettura<RigaSettaggi> settaggi = LeggiRigaSettaggi(dataset);
    return settaggi.righe.empty() ? QStringLiteral("0") : settaggi.righe.front().ApriUltimo;
}

Esito ScriviApriUltimo(QSqlDatabase& dataset, const QString& percorso)
{
    const QString errore = ScriviRigaSettaggi(dataset, {{CampoSettaggi::ApriUltimo, percorso}});
    if (!errore.isEmpty())
        return Esito::erroreDatabase(TestoErroreDatabase(errore));
    return Esito::accettato();
}
