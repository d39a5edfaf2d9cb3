#include "copia_database.h"

#include "file_portafoglio.h"
#include "punto_salvataggio.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <optional>

namespace {

const QString ConnessioneCopia = QStringLiteral("brunivox_copia_esportazione");

// The tables the copy keeps or drops; the scratch tables of the trade window and the
// import never go with it. Done on the temporary copy, so that the copy has its final name
// only once it holds what was asked for.
Esito LavoraCopia(const QString& file, const TabelleScelte& scelte, ConteggiEsportazione& conteggi)
{
    QSqlDatabase copia = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnessioneCopia);
    copia.setDatabaseName(file);
    const Esito esito = [&] {
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
    }();
    copia.close();
    copia = QSqlDatabase();
    QSqlDatabase::removeDatabase(ConnessioneCopia);
    return esito;
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
    const Esito copia = CopiaDatabaseSicura(
        sorgente, percorso, [&](const QString& temporaneo) { return LavoraCopia(temporaneo, scelte, esito.conteggi); });
    if (!copia.ok())
        return fallito(copia.messaggio);
    return esito;
}
