#include "copia_database.h"

#include "punto_salvataggio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QVariant>

#include <optional>

namespace {

const QString ConnessioneCopia = QStringLiteral("brunivox_copia_esportazione");

// The tables the copy keeps or drops; the scratch tables of the trade window and the
// import never go with it.
QString LavoraCopia(const QString& file, const TabelleScelte& scelte, ConteggiEsportazione& conteggi)
{
    QSqlDatabase copia = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnessioneCopia);
    copia.setDatabaseName(file);
    if (!copia.open())
        return copia.lastError().text();
    PuntoSalvataggio t(copia, QStringLiteral("copia_esportazione"));
    if (!t.aperto())
        return t.errore();
    QSqlQuery q(copia);
    struct Voce {
        const char* tabella;
        bool tenuta;
        std::optional<qint64>* conteggio;
    };
    const Voce voci[] = {
        {"EseguitiTemp", false, nullptr},
        {"EseguitiBackup", false, nullptr},
        {"OperazioniChiuse", scelte.OperazioniChiuse, &conteggi.OperazioniChiuse},
        {"Eseguiti", scelte.Eseguiti, &conteggi.Eseguiti},
        {"Portafoglio", scelte.Portafoglio, &conteggi.Portafoglio},
    };
    for (const Voce& v : voci) {
        const QString tabella = QLatin1String(v.tabella);
        if (!v.tenuta) {
            if (!q.exec(QStringLiteral("DROP TABLE %1").arg(tabella)))
                return q.lastError().text();
            continue;
        }
        if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabella)) || !q.next())
            return q.lastError().text();
        *v.conteggio = q.value(0).toLongLong();
        q.finish();
    }
    if (!t.conferma())
        return t.errore();
    return QString();
}

QString CopiaEPulisci(const QSqlDatabase& portafoglio, const QString& temporaneo, const TabelleScelte& scelte,
                      ConteggiEsportazione& conteggi)
{
    // One consistent snapshot of the open file, taken on its own connection's view.
    QSqlQuery q(portafoglio);
    if (!q.prepare(QStringLiteral("VACUUM INTO ?")))
        return q.lastError().text();
    q.addBindValue(temporaneo);
    if (!q.exec())
        return q.lastError().text();
    QString errore = LavoraCopia(temporaneo, scelte, conteggi);
    QSqlDatabase::database(ConnessioneCopia, false).close();
    QSqlDatabase::removeDatabase(ConnessioneCopia);
    return errore;
}

} // namespace

EsitoEsportazione EsportaCopiaDatabase(const QSqlDatabase& portafoglio, const QString& percorso,
                                       const TabelleScelte& scelte)
{
    EsitoEsportazione esito;
    auto fallito = [&](const QString& causa) {
        esito.conteggi = {};
        esito.esito = Esito::erroreDatabase(QStringLiteral("Copia del database non riuscita: %1").arg(causa));
        return esito;
    };
    if (!portafoglio.isOpen())
        return fallito(QStringLiteral("nessun portafoglio aperto."));

    const QFileInfo destinazione(percorso);
    QTemporaryFile riservato(destinazione.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(destinazione.fileName())));
    if (!riservato.open())
        return fallito(QStringLiteral("impossibile scrivere nella cartella %1 (%2).")
                           .arg(QDir::toNativeSeparators(destinazione.absolutePath()), riservato.errorString()));
    const QString temporaneo = riservato.fileName();
    riservato.close();   // left empty: the copy is written into it

    const QString errore = CopiaEPulisci(portafoglio, temporaneo, scelte, esito.conteggi);
    if (!errore.isEmpty())
        return fallito(errore);
    if (QFile::exists(percorso) && !QFile::remove(percorso))
        return fallito(QStringLiteral("impossibile sostituire il file %1.").arg(percorso));
    if (!QFile::rename(temporaneo, percorso))
        return fallito(QStringLiteral("impossibile scrivere il file %1.").arg(percorso));
    riservato.setAutoRemove(false);
    return esito;
}
