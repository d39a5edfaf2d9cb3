#include "catalogo_errori.h"

#include "punto_salvataggio.h"

#include <QSqlError>
#include <QSqlQuery>

namespace catalogo {

Esito RipristinaErroriDefault(QSqlDatabase& dataset)
{
    const QString fallito
        = QStringLiteral("Impossibile ripristinare gli errori di default; il catalogo resta com'era.\n");
    PuntoSalvataggio punto(dataset, QStringLiteral("ripristino_errori"));
    if (!punto.aperto())
        return Esito::erroreDatabase(fallito + punto.errore());
    QSqlQuery q(dataset);
    for (const QString& sql :
         {QStringLiteral("DELETE FROM Errori"), QStringLiteral("INSERT INTO Errori SELECT * FROM ErroriDefault")}) {
        if (!q.exec(sql))
            return Esito::erroreDatabase(fallito + q.lastError().text());
    }
    if (!punto.conferma())
        return Esito::erroreDatabase(fallito + punto.errore());
    return Esito::accettato();
}

} // namespace catalogo
