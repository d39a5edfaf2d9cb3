#include "ambiente_portafoglio.h"

#include "avvio.h"
#include "conferma_eseguito.h"
#include "database.h"
#include "esito_prova.h"
#include "semina_eseguiti.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

AmbientePortafoglio::AmbientePortafoglio()
{
    EXPECT_EQ(ApriImpostazioni(stato, cartella.cartella()).messaggio, QString());
    const QString percorso = cartella.nuovoPortafoglio(QStringLiteral("prova.gvf"));
    EsitoApertura esito = ApriDatabase(ConnessionePortafoglio, percorso, TipoDatabase::Portafoglio);
    EXPECT_EQ(esito.esito.messaggio, QString());
    stato.DbPortafoglio = esito.db;
    stato.PercorsoPortafoglio = percorso;
}

AmbientePortafoglio::~AmbientePortafoglio()
{
    stato.DbPortafoglio = QSqlDatabase();
    stato.DbDataSet = QSqlDatabase();
    ChiudiDatabase(ConnessionePortafoglio);
    ChiudiDatabase(ConnessioneDataSet);
}

qint64 AmbientePortafoglio::inserisci(const Eseguito& e)
{
    const EsitoSemina semina = SeminaEseguiti(
        stato.DbPortafoglio, {RigaDiProva(e.data, e.tipo, e.system, e.cod, e.titolo, e.qta, e.prezzo, e.errore)});
    EXPECT_TRUE(semina.esito.ok()) << semina.esito.messaggio.toStdString();
    return semina.chiavi.empty() ? 0 : semina.chiavi.front();
}

void AmbientePortafoglio::allinea()
{
    EXPECT_TRUE(EsitoAccettato(eseguiti::RicostruisciFotografia(stato.DbPortafoglio)));
}

QList<QVariantList> AmbientePortafoglio::righe(const QString& tabella)
{
    QList<QVariantList> tutte;
    QSqlQuery q(stato.DbPortafoglio);
    EXPECT_TRUE(q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(tabella)));
    while (q.next()) {
        QVariantList riga;
        for (int i = 0; i < q.record().count(); ++i)
            riga << q.value(i);
        tutte << riga;
    }
    return tutte;
}

QVariant AmbientePortafoglio::valore(const QString& sql)
{
    return CartellaProva::valore(stato.DbPortafoglio, sql);
}

long long AmbientePortafoglio::conta(const QString& tabella)
{
    return valore(QStringLiteral("SELECT COUNT(*) FROM ") + tabella).toLongLong();
}
