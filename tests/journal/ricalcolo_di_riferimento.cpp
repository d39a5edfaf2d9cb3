#include "ricalcolo_di_riferimento.h"

#include "date.h"
#include "numeri.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using numeri::ArrotondaPari;

QString Testo(const QVariant& v)
{
    const QString t = v.toString();
    return t.isNull() ? QStringLiteral("") : t;
}

// Divisions by 0 (and results that are not finite) are written as 0.
double Dividi(double a, double b)
{
    if (b == 0)
        return 0;
    const double q = a / b;
    return std::isfinite(q) ? q : 0;
}

QSqlQuery Esegui(QSqlDatabase& db, const QString& sql, const QVariantList& valori = {})
{
    QSqlQuery q(db);
    EXPECT_TRUE(q.prepare(sql)) << sql.toStdString() << ": " << q.lastError().text().toStdString();
    for (const QVariant& v : valori)
        q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << sql.toStdString() << ": " << q.lastError().text().toStdString();
    return q;
}

} // namespace

QString RicalcoloDiRiferimento(QSqlDatabase& dataset, QSqlDatabase& portafoglio)
{
    QSqlQuery errori = Esegui(dataset, "SELECT *  FROM Errori");
    while (errori.next())
        Esegui(dataset, "UPDATE Errori SET Contatore = 0");

    Esegui(portafoglio, "DELETE FROM Portafoglio");
    Esegui(portafoglio, "DELETE FROM OperazioniChiuse");

    QSqlQuery eseguiti = Esegui(portafoglio, "SELECT *  FROM Eseguiti ORDER BY Data, ID");
    while (eseguiti.next()) {
        const QSqlRecord e = eseguiti.record();
        const QString data = Testo(e.value("Data"));
        const QString tipo = Testo(e.value("Tipo"));
        const QString system = Testo(e.value("System"));
        const QString cod = Testo(e.value("Cod"));
        const QString titolo = Testo(e.value("Titolo"));
        const qint64 qta = e.value("Qta").toLongLong();
        const double prezzo = e.value("Prezzo").toDouble();
        const double importo = e.value("Importo").toDouble();
        const QString errore = Testo(e.value("Errore"));

        double c = 0;
        QSqlQuery sistema = Esegui(dataset, "SELECT * FROM System WHERE Cod = ?", {system});
        if (sistema.next()) {
            c = static_cast<double>(qta) * prezzo * sistema.value("Commissioni").toDouble() / 1000;
            if (c < sistema.value("CommissioniMin").toDouble())
                c = sistema.value("CommissioniMin").toDouble();
        }

        QSqlQuery posizione = Esegui(portafoglio, "SELECT *  FROM portafoglio where Cod = ?", {cod});
        const bool posseduto = posizione.next();
        const qint64 pQta = posseduto ? posizione.value("Qta").toLongLong() : 0;
        const double pCarico = posseduto ? posizione.value("PzoCarico").toDouble() : 0;
        const double pComm = posseduto ? posizione.value("Commissioni").toDouble() : 0;
        posizione.finish();

        if (tipo.toUpper() == QLatin1String("BUY")) {
            if (!posseduto) {
                Esegui(portafoglio,
                       "INSERT INTO Portafoglio (System, Cod, Titolo, Qta, PzoCarico, Importo, Commissioni) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?)",
                       {system, cod, titolo, qta, ArrotondaPari(prezzo, 4), importo, c});
            } else {
                const qint64 nuovaQta = pQta + qta;
                const double nuovoCarico = Dividi(static_cast<double>(qta) * prezzo + static_cast<double>(pQta) * pCarico,
                                                  static_cast<double>(nuovaQta));
                Esegui(portafoglio, "UPDATE Portafoglio SET Qta = ?, PzoCarico = ?, Importo = ?, Commissioni = ? WHERE Cod = ?",
                       {nuovaQta, ArrotondaPari(nuovoCarico, 4), nuovoCarico * static_cast<double>(nuovaQta), pComm + c, cod});
            }
        } else {
            if (!posseduto)
                return cod + " e' stato venduto : " + date::IsoInUtente(data);
            const double g = prezzo * static_cast<double>(qta) - pCarico * static_cast<double>(qta);
            const double gPerc = Dividi(prezzo - pCarico, pCarico) * 100;
            const double s = Dividi(pComm * static_cast<double>(qta), static_cast<double>(pQta));
            const QDate giorno = date::DaIso(data);
            Esegui(portafoglio,
                   "INSERT INTO OperazioniChiuse (Data, giornoDiSettimana, System, Cod, Titolo, PzoCarico, Qta, Prezzo, GP, "
                   "GPPercentuale, Commissioni) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                   {giorno.isValid() ? date::DataIso(giorno) : data,
                    giorno.isValid() ? QVariant(date::GiornoSettimana(giorno)) : QVariant(), system, cod, titolo, pCarico, qta,
                    ArrotondaPari(prezzo, 4), ArrotondaPari(g, 4), ArrotondaPari(gPerc, 2), c + s});
            if (qta == pQta) {
                Esegui(portafoglio, "DELETE FROM Portafoglio WHERE Cod = ?", {cod});
            } else if (qta < pQta) {
                const qint64 resto = pQta - qta;
                Esegui(portafoglio, "UPDATE Portafoglio SET Qta = ?, Importo = ?, Commissioni = ? WHERE Cod = ?",
                       {resto, ArrotondaPari(static_cast<double>(resto) * pCarico, 1), pComm - s, cod});
            } else {
                return cod + " disponibili solo " + numeri::TestoNumero(static_cast<double>(pQta)) + " pezzi";
            }
        }

        QSqlQuery contatore = Esegui(dataset, "SELECT *  FROM Errori WHERE Cod = ?", {errore});
        if (contatore.next()) {
            const qint64 nuovo = contatore.value("Contatore").toLongLong() + 1;
            contatore.finish();
            Esegui(dataset, "UPDATE Errori SET  Contatore = ? WHERE Cod = ?", {nuovo, errore});
        }
    }
    return QString();
}
