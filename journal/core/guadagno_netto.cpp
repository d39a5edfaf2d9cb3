#include "guadagno_netto.h"

#include "esito.h"
#include "tabella_settaggi.h"
#include "tassa_capital_gain.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

Lettura<double> CalcolaGuadagnoNetto(const StatoApplicazione& stato)
{
    auto guasto = [](const QSqlQuery& q) {
        return Lettura<double>{{}, TestoErroreDatabase(q.lastError().text())};
    };
    auto valore = [](double v) { return Lettura<double>{{v}, {}}; };
    if (stato.PercorsoPortafoglio.isEmpty() || !stato.DbPortafoglio.isOpen())
        return valore(0);

    QSqlQuery chiuse(stato.DbPortafoglio);
    chiuse.setForwardOnly(true);
    if (!chiuse.exec(QStringLiteral("SELECT GP, Commissioni FROM OperazioniChiuse ORDER BY rowid")))
        return guasto(chiuse);
    double sommaGP = 0;
    double sommaComm = 0;
    bool nessuna = true;
    while (chiuse.next()) {
        nessuna = false;
        sommaGP += chiuse.value(0).toDouble();
        sommaComm += chiuse.value(1).toDouble();
    }
    // A page that cannot be read ends the walk early: a partial sum is no result.
    if (chiuse.lastError().isValid())
        return guasto(chiuse);
    if (nessuna)
        return valore(0);

    const Lettura<RigaSettaggi> settaggi = LeggiRigaSettaggi(stato.DbDataSet);
    if (!settaggi.ok())
        return Lettura<double>{{}, TestoErroreDatabase(settaggi.errore)};
    const double aliquota = settaggi.righe.empty() ? 0 : settaggi.righe.front().CapitalGain.value_or(0);

    return valore(sommaGP - sommaComm - TassaCapitalGain(sommaGP, sommaComm, aliquota));
}
