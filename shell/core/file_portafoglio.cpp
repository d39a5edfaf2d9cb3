#include "file_portafoglio.h"

#include "blocco_contenuto.h"
#include "errore_sistema.h"
#include "file_utili.h"
#include "punto_salvataggio.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>
#include <unistd.h>

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
    // QSaveFile writes beside the target and renames over it on commit; it never falls
    // back to writing the target in place.
    QSaveFile uscita(destinazione);
    if (!uscita.open(QIODevice::WriteOnly))
        return Esito::erroreDatabase(
            QStringLiteral("Impossibile scrivere il file %1: %2").arg(destinazione, TestoErroreFile(uscita)));
    QByteArray blocco(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 letti = sorgente.read(blocco.data(), blocco.size());
        if (letti < 0) {
            uscita.cancelWriting();
            return Esito::erroreDatabase(
                QStringLiteral("Impossibile leggere il portafoglio da copiare: %1").arg(TestoErroreFile(sorgente)));
        }
        if (letti == 0)
            break;
        if (uscita.write(blocco.constData(), letti) != letti) {
            const QString motivo = TestoErroreFile(uscita);
            uscita.cancelWriting();
            return Esito::erroreDatabase(
                QStringLiteral("Impossibile scrivere il file %1: %2").arg(destinazione, motivo));
        }
    }
    if (!uscita.commit())
        return Esito::erroreDatabase(
            QStringLiteral("Impossibile completare il file %1: %2").arg(destinazione, TestoErroreFile(uscita)));
    return Esito::accettato();
}

Esito CopiaFileSicura(const QString& da, const QString& a)
{
    QFile sorgente(da);
    if (!sorgente.open(QIODevice::ReadOnly))
        return Esito::erroreDatabase(
            QStringLiteral("Impossibile leggere il file %1: %2").arg(Nome(da), TestoErroreFile(sorgente)));
    return ScriviFileSicuro(sorgente, a);
}

QString PercorsoTemporaneo(const QString& destinazione)
{
    const QFileInfo info(PercorsoReale(destinazione));
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".tmp");
}

Esito CopiaDatabaseSicura(QSqlDatabase& sorgente, const QString& destinazione, const RifinituraCopia& rifinisci)
{
    // A link keeps naming the file it names: the copy replaces that file, not the link.
    const QString finale = PercorsoReale(destinazione);
    const QString temporaneo = PercorsoTemporaneo(destinazione);
    const QString giornale = temporaneo + QStringLiteral("-journal");

    // The temporary file is named after its target, so that what a killed copy left there is
    // taken up by the next one; its lock keeps two copies of the program off the same name.
    const BloccoContenuto blocco(temporaneo, true);
    if (blocco.stato() == BloccoContenuto::Stato::Occupato)
        return Esito::rifiutato(QStringLiteral("Il file %1 è in corso di scrittura in un'altra copia di Brunivox.")
                                    .arg(Nome(destinazione)));
    if (blocco.stato() == BloccoContenuto::Stato::Errore)
        return Esito::erroreDatabase(
            QStringLiteral("Impossibile scrivere nella cartella di %1: %2").arg(Nome(destinazione), blocco.errore()));
    auto fallito = [&](const QString& motivo) {
        QFile::remove(temporaneo);
        QFile::remove(giornale);
        return Esito::erroreDatabase(motivo);
    };
    // VACUUM INTO wants a file that is empty: what a killed copy left is dropped, its journal too.
    if (::ftruncate(blocco.descrittore(), 0) != 0 || (QFile::exists(giornale) && !QFile::remove(giornale)))
        return fallito(QStringLiteral("Impossibile scrivere nella cartella di %1.").arg(Nome(destinazione)));

    QSqlQuery q(sorgente);
    q.prepare(QStringLiteral("VACUUM INTO ?"));
    q.addBindValue(temporaneo);
    if (!q.exec())
        return fallito(QStringLiteral("Impossibile copiare il portafoglio in %1: %2")
                           .arg(Nome(destinazione), q.lastError().text()));
    q.finish();
    if (rifinisci) {
        if (const Esito rifinito = rifinisci(temporaneo); !rifinito.ok())
            return fallito(rifinito.messaggio);
    }

    // On disk before it takes the target's name, so that a power loss leaves one whole file.
    if (::fsync(blocco.descrittore()) != 0)
        return fallito(QStringLiteral("Impossibile completare il file %1.").arg(Nome(destinazione)));
    if (std::rename(QFile::encodeName(temporaneo).constData(), QFile::encodeName(finale).constData()) != 0)
        return fallito(QStringLiteral("Impossibile sostituire il file %1.").arg(Nome(destinazione)));
    return Esito::accettato();
}

QString LeggiApriUltimo(const QSqlDatabase& dataset)
{
    QSqlQuery q(dataset);
    if (!dataset.isOpen() || !q.exec(QStringLiteral("SELECT ApriUltimo FROM Settaggi LIMIT 1")) || !q.next())
        return QStringLiteral("0");
    const QString valore = q.value(0).toString();
    return valore.isEmpty() ? QStringLiteral("0") : valore;
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
