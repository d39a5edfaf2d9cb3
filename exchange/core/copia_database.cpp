#include "copia_database.h"

#include "file_portafoglio.h"
#include "punto_salvataggio.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <optional>

namespace {

const QString ConnessioneCopia = QStringLiteral("brunivox_copia_esportazione");

// The tables the copy keeps or drops; the scratch tables of the trade window and the
// import never go with it.
Esito LavoraCopia(const QString& file, const TabelleScelte& scelte, ConteggiEsportazione& conteggi)
{
    QSqlDatabase copia = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnessioneCopia);
    copia.setDatabaseName(file);
    if (!copia.open())
        return Esito::erroreDatabase(copia.lastError().text());
    PuntoSalvataggio t(copia, QStringLiteral("copia_esportazione"));
    if (!t.aperto())
        return Esito::erroreDatabase(t.errore());
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
                return Esito::erroreDatabase(q.lastError().text());
            continue;
        }
        if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabella)) || !q.next())
            return Esito::erroreDatabase(q.lastError().text());
        *v.conteggio = q.value(0).toLongLong();
        q.finish();
    }
    if (!t.conferma())
        return Esito::erroreDatabase(t.errore());
    return Esito::accettato();
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

    // A consistent snapshot of the open file, which stays open and unchanged.
    QSqlDatabase sorgente = portafoglio;
    if (const Esito copia = CopiaDatabaseSicura(sorgente, percorso); !copia.ok())
        return fallito(copia.messaggio);
    const Esito lavoro = LavoraCopia(percorso, scelte, esito.conteggi);
    QSqlDatabase::database(ConnessioneCopia, false).close();
    QSqlDatabase::removeDatabase(ConnessioneCopia);
    if (!lavoro.ok()) {
        // A copy holding tables that were not asked for is no export.
        QFile::remove(percorso);
        return fallito(lavoro.messaggio);
    }
    return esito;
}
