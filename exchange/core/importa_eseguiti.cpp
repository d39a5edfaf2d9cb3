#include "importa_eseguiti.h"

#include "disponibilita_in_memoria.h"
#include "punto_salvataggio.h"
#include "tabella_eseguiti.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

QString DomandaDisponibilita(const QString& messaggio)
{
    return QStringLiteral("Errore nei dati ") + messaggio + QStringLiteral(" importare comunque?");
}

EsitoImportazione ImportaEseguiti(QSqlDatabase& portafoglio, const std::vector<RigaImportata>& righe,
                                  const DomandaImportazione& domanda, const PassoImportazione& passo)
{
    EsitoImportazione esito;
    if (righe.empty())
        return esito;

    PuntoSalvataggio transazione(portafoglio, QStringLiteral("importa_eseguiti"));
    if (!transazione.aperto()) {
        esito.esito = Esito::erroreDatabase(
            QStringLiteral("Importazione non eseguita: errore del database (%1).").arg(transazione.errore()));
        return esito;
    }
    // The history is read once; every row after is checked in memory.
    const Lettura<RigaEseguito> storia = LeggiEseguiti(portafoglio, OrdineEseguiti::PerDataEId);
    if (!storia.ok()) {
        esito.esito = Esito::erroreDatabase(QStringLiteral("Importazione non eseguita: %1").arg(storia.errore));
        return esito;
    }
    DisponibilitaInMemoria disponibilita(storia.righe);

    QSqlQuery inserisci(portafoglio);
    if (!inserisci.prepare(SqlInserisciEseguito)) {
        esito.esito = Esito::erroreDatabase(
            QStringLiteral("Importazione non eseguita: errore del database (%1).").arg(inserisci.lastError().text()));
        return esito;
    }

    for (std::size_t i = 0; i < righe.size(); ++i) {
        const RigaImportata& r = righe[i];
        PuntoSalvataggio riga(portafoglio, QStringLiteral("importa_riga"));
        const double prezzo = PrezzoImportato(r);
        const double importo = ImportoImportato(r);
        for (const QVariant& v : QVariantList{r.Data, r.Tipo, r.System, r.Cod, r.Titolo, r.Qta, prezzo, importo,
                                              QStringLiteral("NE"), prezzo})
            inserisci.addBindValue(v);
        if (!riga.aperto() || !inserisci.exec()) {
            const QString causa = riga.aperto() ? inserisci.lastError().text() : riga.errore();
            riga.annulla();
            // What came before stays: the user was asked about it row by row.
            if (!transazione.conferma()) {
                esito.importati = 0;
                esito.esito = Esito::erroreDatabase(
                    QStringLiteral("Importazione non eseguita: errore del database (%1).").arg(transazione.errore()));
                return esito;
            }
            esito.esito = Esito::erroreDatabase(
                QStringLiteral("Importazione interrotta alla riga %1 (%2 %3): errore del database (%4). "
                               "Le %5 righe precedenti sono state importate.")
                    .arg(i + 1)
                    .arg(r.Tipo, r.Cod, causa)
                    .arg(esito.importati));
            return esito;
        }
        const qint64 id = inserisci.lastInsertId().toLongLong();
        disponibilita.aggiungi(id, r.Data, r.Tipo, r.Cod, r.Qta);
        if (passo)
            passo();

        const Esito controllo = disponibilita.verifica();
        if (!controllo.ok() && !(domanda && domanda(DomandaDisponibilita(controllo.messaggio)))) {
            riga.annulla();
            disponibilita.togli(id);
            ++esito.annullati;
            continue;
        }
        if (!riga.conferma()) {
            esito.esito = Esito::erroreDatabase(
                QStringLiteral("Importazione non eseguita: errore del database (%1).").arg(riga.errore()));
            return esito;
        }
        ++esito.importati;
    }
    if (!transazione.conferma()) {
        esito.importati = 0;
        esito.esito = Esito::erroreDatabase(
            QStringLiteral("Importazione non eseguita: errore del database (%1).").arg(transazione.errore()));
    }
    return esito;
}
