// Measures the import commit: a Real Tick III file of RIGHE trades into a copy of a
// portfolio (made with "bench_motore genera"), the file read and every row written and
// checked against the history. Without RIGHE it measures 1k, 10k and 100k rows and says
// how the time grows from one to the next.
//   bench_importa FILE.gvf [RIGHE] [RUNS]
#include "database.h"
#include "file_real_tick.h"
#include "importa_eseguiti.h"
#include "stato_applicazione.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

QTextStream& Uscita()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream& Errore()
{
    static QTextStream s(stderr);
    return s;
}

// Pairs of a buy and a sell of a new code; every 100th row sells more than was bought,
// so the question comes and the row is undone.
QByteArray FileRealTick(int righe)
{
    QByteArray testo = "Date,Time,Exch,Id,Side,Qty,Symbol,Price,Route,Account,Type\r\n";
    for (int i = 0; i < righe; ++i) {
        const bool acquisto = i % 2 == 0;
        const int qta = acquisto ? 100 : (i % 100 == 99 ? 500 : 50);
        testo += QStringLiteral("0,1,2,3,%1,%2,IMP%3,%4.25,8,WEB,10\r\n")
                     .arg(acquisto ? "Buy" : "Sell")
                     .arg(qta)
                     .arg(i / 2)
                     .arg(10 + i % 7)
                     .toLatin1();
    }
    return testo;
}

// The median time of `volte` imports of `righe` rows into fresh copies of `portafoglio`, in ms; < 0 on failure.
double Misura(const QString& portafoglio, int righe, int volte)
{
    QTemporaryDir lavoro;
    // A date in the middle of the synthetic history, so rows go in between its trades.
    const QString file = QDir(lavoro.path()).filePath(QStringLiteral("realtick20140616.csv"));
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(FileRealTick(righe)) < 0) {
            Errore() << "impossibile scrivere " << file << '\n';
            return -1;
        }
    }

    std::vector<double> tempi;
    int importati = 0, domande = 0;
    for (int i = 0; i < volte; ++i) {
        const QString copia = QDir(lavoro.path()).filePath(QStringLiteral("copia%1.gvf").arg(i));
        if (!QFile::copy(portafoglio, copia)) {
            Errore() << "impossibile copiare " << portafoglio << '\n';
            return -1;
        }
        QFile(copia).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        EsitoApertura pf = ApriDatabase(ConnessionePortafoglio, copia, TipoDatabase::Portafoglio);
        if (!pf.esito.ok()) {
            Errore() << pf.esito.messaggio << '\n';
            return -1;
        }
        domande = 0;
        const auto inizio = std::chrono::steady_clock::now();
        const LetturaRealTick lettura = LeggiFileRealTick(file);
        const EsitoImportazione esito = ImportaEseguiti(pf.db, lettura.righe, [&](const QString&) {
            ++domande;
            return false;
        });
        tempi.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count());
        if (!lettura.valido || !esito.esito.ok()) {
            Errore() << (lettura.valido ? esito.esito.messaggio : lettura.messaggio) << '\n';
            return -1;
        }
        importati = esito.importati;
        pf.db = QSqlDatabase();
        ChiudiDatabase(ConnessionePortafoglio);
        QFile::remove(copia);
    }
    std::sort(tempi.begin(), tempi.end());
    const size_t m = tempi.size() / 2;
    const double mediana = tempi.size() % 2 ? tempi[m] : (tempi[m - 1] + tempi[m]) / 2;
    Uscita() << "importa: " << qRound(mediana) << " ms\n";
    Uscita() << "righe: " << righe << ", importate: " << importati << ", domande: " << domande << '\n';
    Uscita().flush();
    return mediana;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 2 || a.size() > 4) {
        Errore() << "uso: bench_importa FILE.gvf [RIGHE] [RUNS]\n";
        return 2;
    }
    const int volte = a.size() > 3 ? a.at(3).toInt() : 5;
    const std::vector<int> casi
        = a.size() > 2 ? std::vector<int>{a.at(2).toInt()} : std::vector<int>{1000, 10000, 100000};
    if (volte < 1 || std::any_of(casi.begin(), casi.end(), [](int n) { return n < 1; })) {
        Errore() << "RIGHE e RUNS devono essere numeri interi maggiori di 0\n";
        return 2;
    }
    double precedente = 0;
    for (const int righe : casi) {
        const double ms = Misura(a.at(1), righe, volte);
        if (ms < 0)
            return 1;
        if (precedente > 0)
            Uscita() << "crescita: x" << QString::number(ms / precedente, 'f', 1) << " per x10 righe\n";
        precedente = ms;
    }
    return 0;
}
