#include "tabella_conto.h"

#include "date.h"
#include "lettura_righe.h"
#include "somme_conto.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cmath>

Lettura<RigaConto> LeggiConto(const QSqlDatabase& portafoglio, OrdineConto ordine)
{
    const QString sql = QStringLiteral("SELECT %1 FROM Conto ORDER BY %2")
                            .arg(SqlColonneConto,
                                 ordine == OrdineConto::PerDataEId ? QStringLiteral("Data, ID") : QStringLiteral("ID"));
    Lettura<RigaConto> lettura = LeggiRighe<RigaConto>(portafoglio, sql, [](const IstruzioneSqlite& s) {
        RigaConto r;
        r.ID = s.Intero(ColConto::ID);
        r.Data = s.Testo(ColConto::Data);
        r.Tipo = s.Testo(ColConto::Tipo);
        r.Importo = s.Numero(ColConto::Importo);
        r.Descrizione = s.Testo(ColConto::Descrizione);
        return r;
    });
    // An amount that is not a number (a text, say, from a file made elsewhere) must not
    // count as 0, nor make every sum not a number: the sums stop and name the movement.
    const auto difettoso = std::find_if(lettura.righe.begin(), lettura.righe.end(),
                                        [](const RigaConto& r) { return !std::isfinite(r.Importo); });
    if (difettoso != lettura.righe.end()) {
        lettura.errore = QStringLiteral("Il movimento del conto con data \"%1\" e tipo \"%2\" non è valido: "
                                        "l'importo non è un numero. Correggerlo o eliminarlo nella finestra "
                                        "Gestione conto titoli.")
                             .arg(date::IsoInUtente(difettoso->Data), difettoso->Tipo);
        lettura.righe.clear();
    }
    return lettura;
}

namespace {

const QString MovimentoNonTrovato = QStringLiteral("Il movimento non si trova piu' nel conto.");

Esito Controlla(const MovimentoConto& m)
{
    if (!conto::Tipi().contains(m.Tipo))
        return Esito::rifiutato(QStringLiteral("Tipo di movimento non valido: %1").arg(m.Tipo));
    if (!std::isfinite(m.Importo) || m.Importo < 0)
        return Esito::rifiutato(QStringLiteral("Importo non valido."));
    if (!m.Data.isValid())
        return Esito::rifiutato(QStringLiteral("Data non valida."));
    return Esito::accettato();
}

QString Descrizione(const MovimentoConto& m)
{
    return m.Descrizione.isEmpty() ? QStringLiteral(".") : m.Descrizione;
}

Esito Errore(const QSqlQuery& q)
{
    return Esito::erroreDatabase(TestoErroreDatabase(q.lastError().text()));
}

} // namespace

Esito InserisciMovimento(QSqlDatabase& portafoglio, const MovimentoConto& m, qint64* id)
{
    if (Esito e = Controlla(m); !e.ok())
        return e;
    QSqlQuery q(portafoglio);
    q.prepare(QStringLiteral("INSERT INTO Conto (Data, Tipo, Importo, Descrizione) VALUES (?, ?, ?, ?)"));
    q.addBindValue(date::DataIso(m.Data));
    q.addBindValue(m.Tipo);
    q.addBindValue(m.Importo);
    q.addBindValue(Descrizione(m));
    if (!q.exec())
        return Errore(q);
    if (id)
        *id = q.lastInsertId().toLongLong();
    return Esito::accettato();
}

Esito ModificaMovimento(QSqlDatabase& portafoglio, qint64 id, const MovimentoConto& m)
{
    if (Esito e = Controlla(m); !e.ok())
        return e;
    QSqlQuery q(portafoglio);
    q.prepare(QStringLiteral("UPDATE Conto SET Data = ?, Tipo = ?, Importo = ?, Descrizione = ? WHERE ID = ?"));
    q.addBindValue(date::DataIso(m.Data));
    q.addBindValue(m.Tipo);
    q.addBindValue(m.Importo);
    q.addBindValue(Descrizione(m));
    q.addBindValue(id);
    if (!q.exec())
        return Errore(q);
    if (q.numRowsAffected() < 1)
        return Esito::rifiutato(MovimentoNonTrovato);
    return Esito::accettato();
}

Esito EliminaMovimento(QSqlDatabase& portafoglio, qint64 id)
{
    QSqlQuery q(portafoglio);
    q.prepare(QStringLiteral("DELETE FROM Conto WHERE ID = ?"));
    q.addBindValue(id);
    if (!q.exec())
        return Errore(q);
    if (q.numRowsAffected() < 1)
        return Esito::rifiutato(MovimentoNonTrovato);
    return Esito::accettato();
}
