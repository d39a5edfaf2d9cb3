#include "file_portafoglio.h"

#include "blocco_contenuto.h"
#include "errore_sistema.h"
#include "file_utili.h"
#include "punto_salvataggio.h"
#include "scrittura_accanto.h"
#include "tabella_settaggi.h"

#include <QFile>
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

Esito ScriviFileSicuro(QIODevice& sorgente, const QString& destinazione)
{
    return ScriviAccanto(destinazione, [&](const QString& temporaneo) {
        QFile uscita(temporaneo);
        if (!uscita.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return Esito::erroreDatabase(
                QStringLiteral("Impossibile scrivere il file %1: %2").arg(destinazione, TestoErroreFile(uscita)));
        QByteArray blocco(64 * 1024, Qt::Uninitialized);
        for (;;) {
            const qint64 letti = sorgente.read(blocco.data(), blocco.size());
            if (letti < 0)
                return Esito::erroreDatabase(
                    QStringLiteral("Impossibile leggere il portafoglio da copiare: %1").arg(TestoErroreFile(sorgente)));
            if (letti == 0)
                break;
            if (uscita.write(blocco.constData(), letti) != letti)
                return Esito::erroreDatabase(
                    QStringLiteral("Impossibile scrivere il file %1: %2").arg(destinazione, TestoErroreFile(uscita)));
        }
        if (!uscita.flush())
            return Esito::erroreDatabase(
                QStringLiteral("Impossibile completare il file %1: %2").arg(destinazione, TestoErroreFile(uscita)));
        return Esito::accettato();
    });
}

Esito CopiaFileSicura(const QString& da, const QString& a)
{
    QFile sorgente(da);
    if (!sorgente.open(QIODevice::ReadOnly))
        return Esito::erroreDatabase(
            QStringLiteral("Impossibile leggere il file %1: %2").arg(Nome(da), TestoErroreFile(sorgente)));
    return ScriviFileSicuro(sorgente, a);
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
    QSqlQuery q(dataset);
    q.prepare(QStringLiteral("UPDATE Settaggi SET ApriUltimo = ?"));
    q.addBindValue(percorso);
    if (!q.exec())
        return Esito::erroreDatabase(TestoErroreDatabase(q.lastError().text()));
    return Esito::accettato();
}
