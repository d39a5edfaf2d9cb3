#include "storia_prova.h"

#include "semina_eseguiti.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <gtest/gtest.h>

namespace {

QSqlQuery Leggi(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    EXPECT_TRUE(q.exec(sql)) << sql.toStdString() << ": " << q.lastError().text().toStdString();
    return q;
}

QString Testo(const QVariant& v)
{
    if (v.isNull())
        return QStringLiteral("NULL");
    if (v.typeId() == QMetaType::Double)
        return QStringLiteral("R:") + QString::number(v.toDouble(), 'g', 17);
    return QString::fromLatin1(v.typeName()) + QLatin1Char(':') + v.toString();
}

} // namespace

StoriaProva::StoriaProva(CartellaProva& cartella, const QString& nomePortafoglio, const QString& nomeDataSet)
{
    QString percorsoDataSet = cartella.dataset();
    if (nomeDataSet != QLatin1String("DataSet.gvx")) {
        percorsoDataSet = cartella.percorso(nomeDataSet);
        EXPECT_TRUE(QFile::copy(cartella.dataset(), percorsoDataSet));
    }
    dataset = cartella.apri(percorsoDataSet);
    portafoglio = cartella.apri(cartella.nuovoPortafoglio(nomePortafoglio));
    // Durability is not under test; without it the many small runs stay fast.
    CartellaProva::esegui(dataset, QStringLiteral("PRAGMA synchronous = OFF"));
    CartellaProva::esegui(portafoglio, QStringLiteral("PRAGMA synchronous = OFF"));
}

void StoriaProva::SistemiDiProva()
{
    CartellaProva::esegui(dataset, QStringLiteral("DELETE FROM System"));
    CartellaProva::esegui(dataset, QStringLiteral("INSERT INTO System (Cod, Descrizione, Commissioni, CommissioniMin) VALUES "
                                                  "('PCT', '', 1, 0), ('MIN', '', 1, 2.5), ('FIX', '', 0, 5), "
                                                  "('WEB', '', 1.9, 2.95)"));
}

void StoriaProva::Inserisci(const Operazione& o)
{
    Inserisci(std::vector<Operazione>{o});
}

void StoriaProva::Inserisci(const std::vector<Operazione>& storia)
{
    std::vector<RigaEseguito> righe;
    for (const Operazione& o : storia)
        righe.push_back(RigaDiProva(o.data, o.tipo, o.system, o.cod, o.titolo, o.qta, o.prezzo, o.errore));
    const EsitoSemina semina = SeminaEseguiti(portafoglio, righe);
    EXPECT_TRUE(semina.esito.ok()) << semina.esito.messaggio.toStdString();
}

std::vector<RigaPortafoglio> StoriaProva::Portafoglio()
{
    std::vector<RigaPortafoglio> righe;
    QSqlQuery q = Leggi(portafoglio, QStringLiteral("SELECT System, Cod, Titolo, Qta, PzoCarico, Importo, Commissioni "
                                                    "FROM Portafoglio ORDER BY rowid"));
    while (q.next())
        righe.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toLongLong(),
                         q.value(4).toDouble(), q.value(5).toDouble(), q.value(6).toDouble()});
    return righe;
}

std::vector<RigaOperazioneChiusa> StoriaProva::Chiuse()
{
    std::vector<RigaOperazioneChiusa> righe;
    QSqlQuery q = Leggi(portafoglio, QStringLiteral("SELECT Data, giornoDiSettimana, System, Cod, Titolo, PzoCarico, Qta, "
                                                    "Prezzo, GP, GPPercentuale, Commissioni FROM OperazioniChiuse "
                                                    "ORDER BY rowid"));
    while (q.next()) {
        RigaOperazioneChiusa o;
        o.Data = q.value(0).toString();
        if (!q.value(1).isNull())
            o.giornoDiSettimana = q.value(1).toInt();
        o.System = q.value(2).toString();
        o.Cod = q.value(3).toString();
        o.Titolo = q.value(4).toString();
        o.PzoCarico = q.value(5).toDouble();
        o.Qta = q.value(6).toLongLong();
        o.Prezzo = q.value(7).toDouble();
        o.GP = q.value(8).toDouble();
        o.GPPercentuale = q.value(9).toDouble();
        o.Commissioni = q.value(10).toDouble();
        righe.push_back(o);
    }
    return righe;
}

std::map<QString, qint64> StoriaProva::Contatori()
{
    std::map<QString, qint64> contatori;
    QSqlQuery q = Leggi(dataset, QStringLiteral("SELECT Cod, Contatore FROM Errori ORDER BY rowid"));
    while (q.next())
        contatori.emplace(q.value(0).toString(), q.value(1).toLongLong());
    return contatori;
}

QStringList StoriaProva::Righe(QSqlDatabase& db, const QString& sql)
{
    QStringList righe;
    QSqlQuery q = Leggi(db, sql);
    while (q.next()) {
        QStringList valori;
        for (int i = 0; i < q.record().count(); ++i)
            valori << Testo(q.value(i));
        righe << valori.join(QLatin1Char('|'));
    }
    return righe;
}

QStringList StoriaProva::Risultati()
{
    QStringList tutto;
    tutto << QStringLiteral("Portafoglio") << Righe(portafoglio, QStringLiteral("SELECT * FROM Portafoglio ORDER BY rowid"));
    tutto << QStringLiteral("OperazioniChiuse")
          << Righe(portafoglio, QStringLiteral("SELECT * FROM OperazioniChiuse ORDER BY rowid"));
    tutto << QStringLiteral("Errori") << Righe(dataset, QStringLiteral("SELECT Cod, Contatore FROM Errori ORDER BY rowid"));
    return tutto;
}

void PrintTo(const RigaPortafoglio& p, std::ostream* os)
{
    os->precision(17);
    *os << '{' << p.System.toStdString() << ", " << p.Cod.toStdString() << ", " << p.Titolo.toStdString() << ", " << p.Qta
        << ", " << p.PzoCarico << ", " << p.Importo << ", " << p.Commissioni << '}';
}

void PrintTo(const RigaOperazioneChiusa& o, std::ostream* os)
{
    os->precision(17);
    *os << '{' << o.Data.toStdString() << ", " << (o.giornoDiSettimana ? *o.giornoDiSettimana : -1) << ", "
        << o.System.toStdString() << ", " << o.Cod.toStdString() << ", " << o.Titolo.toStdString() << ", " << o.PzoCarico
        << ", " << o.Qta << ", " << o.Prezzo << ", " << o.GP << ", " << o.GPPercentuale << ", " << o.Commissioni << '}';
}
