#include "tabella_errori.h"

#include "esito.h"
#include "punto_salvataggio.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

Lettura<RigaErrore> LeggiErrori(const QSqlDatabase& dataset)
{
    Lettura<RigaErrore> lettura;
    QSqlQuery q(dataset);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT Cod, Descrizione, Contatore, Importo FROM Errori ORDER BY rowid"))) {
        lettura.errore = TestoErroreDatabase(q.lastError().text());
        return lettura;
    }
    while (q.next())
        lettura.righe.push_back(
            {q.value(0).toString(), q.value(1).toString(), q.value(2).toLongLong(), q.value(3).toDouble()});
    return lettura;
}

Esito ScriviContatoriErrori(QSqlDatabase& dataset, const std::vector<RigaErrore>& catalogo)
{
    PuntoSalvataggio punto(dataset, QStringLiteral("contatori_errori"));
    if (!punto.aperto())
        return Esito::erroreDatabase(TestoErroreDatabase(punto.errore()));
    QSqlQuery azzera(dataset);
    if (!azzera.exec(QStringLiteral("UPDATE Errori SET Contatore = 0, Importo = 0")))
        return Esito::erroreDatabase(TestoErroreDatabase(azzera.lastError().text()));
    QSqlQuery scrivi(dataset);
    scrivi.prepare(QStringLiteral("UPDATE Errori SET Contatore = ?, Importo = ? WHERE Cod = ?"));
    for (const RigaErrore& r : catalogo) {
        if (r.Contatore == 0 && r.Importo == 0)
            continue;
        scrivi.addBindValue(r.Contatore);
        scrivi.addBindValue(r.Importo);
        scrivi.addBindValue(r.Cod);
        if (!scrivi.exec())
            return Esito::erroreDatabase(TestoErroreDatabase(scrivi.lastError().text()));
    }
    if (!punto.conferma())
        return Esito::erroreDatabase(TestoErroreDatabase(punto.errore()));
    return Esito::accettato();
}
