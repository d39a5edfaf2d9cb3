#include "semina_eseguiti.h"

#include "punto_salvataggio.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

RigaEseguito RigaDiProva(const QString& data, const QString& tipo, const QString& system, const QString& cod,
                      const QString& titolo, qint64 qta, double prezzo, const QString& errore)
{
    RigaEseguito r;
    r.Data = data;
    r.Tipo = tipo;
    r.System = system;
    r.Cod = cod;
    r.Titolo = titolo;
    r.Qta = qta;
    r.Prezzo = prezzo;
    r.Importo = static_cast<double>(qta) * prezzo;
    r.Errore = errore;
    r.PrezzoOttimale = prezzo;
    return r;
}

EsitoSemina SeminaEseguiti(QSqlDatabase& portafoglio, const std::vector<RigaEseguito>& righe, const QString& tabella)
{
    EsitoSemina semina;
    auto guasto = [&semina](const QString& testo) {
        semina.chiavi.clear();
        semina.esito = Esito::erroreDatabase(TestoErroreDatabase(testo));
        return semina;
    };
    static const QStringList ammesse = {"Eseguiti", "EseguitiTemp", "EseguitiBackup"};
    if (!ammesse.contains(tabella))
        return guasto(QStringLiteral("tabella %1 sconosciuta.").arg(tabella));

    PuntoSalvataggio punto(portafoglio, QStringLiteral("semina_eseguiti"));
    if (!punto.aperto())
        return guasto(punto.errore());
    QStringList segnaposti;
    for (int i = 0; i < ColEseguiti::Numero; ++i)
        segnaposti << QStringLiteral("?");
    QSqlQuery q(portafoglio);
    if (!q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                       .arg(tabella, SqlColonneEseguiti, segnaposti.join(QStringLiteral(", ")))))
        return guasto(q.lastError().text());

    for (const RigaEseguito& r : righe) {
        q.bindValue(ColEseguiti::ID, r.ID == 0 ? QVariant(QMetaType::fromType<qint64>()) : QVariant(r.ID));
        q.bindValue(ColEseguiti::Data, r.Data);
        q.bindValue(ColEseguiti::Tipo, r.Tipo);
        q.bindValue(ColEseguiti::System, r.System);
        q.bindValue(ColEseguiti::Cod, r.Cod);
        q.bindValue(ColEseguiti::Titolo, r.Titolo);
        q.bindValue(ColEseguiti::Qta, r.Qta);
        q.bindValue(ColEseguiti::Prezzo, r.Prezzo);
        q.bindValue(ColEseguiti::Importo, r.Importo);
        q.bindValue(ColEseguiti::Errore, r.Errore);
        q.bindValue(ColEseguiti::PrezzoOttimale,
                    r.PrezzoOttimale ? QVariant(*r.PrezzoOttimale) : QVariant(QMetaType::fromType<double>()));
        if (!q.exec())
            return guasto(q.lastError().text());
        semina.chiavi.push_back(q.lastInsertId().toLongLong());
    }
    if (!punto.conferma())
        return guasto(punto.errore());
    return semina;
}
