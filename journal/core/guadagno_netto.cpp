#include "guadagno_netto.h"

#include "esito.h"
#include "numeri.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>

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

    double aliquota = 0;
    QSqlQuery settaggi(stato.DbDataSet);
    if (!settaggi.exec(QStringLiteral("SELECT CapitalGain FROM Settaggi ORDER BY rowid LIMIT 1")))
        return guasto(settaggi);
    if (settaggi.next())
        aliquota = settaggi.value(0).toDouble();

    // The tax is due when the gross result is a gain, on the size of the net result,
    // cut down to a whole unit of money: a true fraction, not the noise of the binary form.
    const double tassa
        = sommaGP > 0 ? numeri::Int(numeri::SenzaRumore(std::fabs((sommaGP - sommaComm) * aliquota / 100))) : 0;
    return valore(sommaGP - sommaComm - tassa);
}
