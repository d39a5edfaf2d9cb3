// Measures the position engine and the holding check on a portfolio file.
//   bench_motore genera N FILE.gvf
//   bench_motore ricalcola DATASET.gvx FILE.gvf [RUNS]
//   bench_motore statistiche DATASET.gvx FILE.gvf [RUNS]
#include "contenuto_portafoglio.h"
#include "controllo_disponibilita.h"
#include "database.h"
#include "figure_statistiche.h"
#include "motore.h"
#include "numeri.h"
#include "stato_applicazione.h"
#include "storia_sintetica.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <functional>
#include <utility>
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

int Uso()
{
    Errore() << "uso: bench_motore genera N FILE.gvf\n"
                "     bench_motore ricalcola DATASET.gvx FILE.gvf [RUNS]\n"
                "     bench_motore statistiche DATASET.gvx FILE.gvf [RUNS]\n";
    return 2;
}

QStringList Codici(QSqlDatabase& db, const QString& sql)
{
    QStringList codici;
    QSqlQuery q(db);
    if (q.exec(sql))
        while (q.next())
            codici << q.value(0).toString();
    return codici;
}

int Genera(const QString& testoN, const QString& file)
{
    bool ok = false;
    const int n = testoN.toInt(&ok);
    if (!ok || n < 1) {
        Errore() << "N deve essere un numero intero maggiore di 0\n";
        return 2;
    }
    // Never overwrite: the target might be somebody's real portfolio.
    if (QFile::exists(file)) {
        Errore() << "il file " << file << " esiste gia'\n";
        return 1;
    }
    const QDir programma(QStringLiteral(BRUNIVOX_BIN_DIR));
    if (!QFile::copy(programma.filePath(NomeFileDataExe), file)) {
        Errore() << "impossibile creare " << file << " dal portafoglio vuoto " << programma.filePath(NomeFileDataExe) << '\n';
        return 1;
    }
    QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);

    ParametriStoria parametri;
    parametri.eseguiti = n;
    {
        // The shipped catalogue and systems, read only.
        QSqlDatabase dataset = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("catalogo"));
        dataset.setDatabaseName(programma.filePath(NomeFileDataSet));
        dataset.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (dataset.open()) {
            parametri.sistemi = Codici(dataset, QStringLiteral("SELECT Cod FROM System ORDER BY rowid"));
            // The no-error code first, then a few others.
            parametri.errori = Codici(dataset, QStringLiteral("SELECT Cod FROM Errori ORDER BY Cod <> 'NE', rowid LIMIT 5"));
        }
        dataset.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("catalogo"));
    if (parametri.sistemi.isEmpty() || parametri.errori.isEmpty()) {
        Errore() << "impossibile leggere sistemi ed errori da " << programma.filePath(NomeFileDataSet) << '\n';
        return 1;
    }

    const EsitoApertura pf = ApriDatabase(ConnessionePortafoglio, file, TipoDatabase::Portafoglio);
    if (!pf.esito.ok()) {
        Errore() << pf.esito.messaggio << '\n';
        return 1;
    }
    QSqlDatabase db = pf.db;
    if (const Esito storia = ScriviStoriaSintetica(db, parametri); !storia.ok()) {
        Errore() << storia.messaggio << '\n';
        return 1;
    }
    Uscita() << "genera: " << n << " eseguiti in " << file << '\n';
    return 0;
}

// Median of the times of `volte` calls, in milliseconds.
double Mediana(int volte, const std::function<void()>& lavoro)
{
    std::vector<double> tempi;
    for (int i = 0; i < volte; ++i) {
        const auto inizio = std::chrono::steady_clock::now();
        lavoro();
        tempi.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count());
    }
    std::sort(tempi.begin(), tempi.end());
    const size_t m = tempi.size() / 2;
    return tempi.size() % 2 ? tempi[m] : (tempi[m - 1] + tempi[m]) / 2;
}

QString Millisecondi(double ms)
{
    return numeri::TestoNumero(numeri::ArrotondaPari(ms, 1)) + QStringLiteral(" ms");
}

// RUNS as given, 5 when not given; 0 (after saying why) when it is not a whole number above 0.
int LeggiRuns(const QString& testoRuns)
{
    if (testoRuns.isEmpty())
        return 5;
    bool ok = false;
    const int runs = testoRuns.toInt(&ok);
    if (ok && runs >= 1)
        return runs;
    Errore() << "RUNS deve essere un numero intero maggiore di 0\n";
    return 0;
}

// The settings and the portfolio on the program's two connections; a refusal is printed.
std::pair<EsitoApertura, EsitoApertura> ApriEntrambi(const QString& fileDataSet, const QString& file)
{
    EsitoApertura ds = ApriDatabase(ConnessioneDataSet, fileDataSet, TipoDatabase::Impostazioni);
    if (!ds.esito.ok()) {
        Errore() << ds.esito.messaggio << '\n';
        return {ds, {}};
    }
    EsitoApertura pf = ApriDatabase(ConnessionePortafoglio, file, TipoDatabase::Portafoglio);
    if (!pf.esito.ok())
        Errore() << pf.esito.messaggio << '\n';
    return {ds, pf};
}

int Ricalcola(const QString& fileDataSet, const QString& file, const QString& testoRuns)
{
    const int runs = LeggiRuns(testoRuns);
    if (runs < 1)
        return 2;
    StatoApplicazione stato;
    const auto [ds, pf] = ApriEntrambi(fileDataSet, file);
    if (!ds.esito.ok() || !pf.esito.ok())
        return 1;
    stato.DbDataSet = ds.db;
    stato.DbPortafoglio = pf.db;
    stato.PercorsoPortafoglio = file;

    Esito esito;
    const double ricalcolo = Mediana(runs, [&] { esito = RicalcolaPortafoglio(stato.DbDataSet, stato.DbPortafoglio); });
    Esito verifica;
    const double controllo = Mediana(runs, [&] { verifica = ControlloDisponibilita(stato); });

    Uscita() << "ricalcola: " << Millisecondi(ricalcolo) << '\n';
    Uscita() << "controllo: " << Millisecondi(controllo) << '\n';
    if (!esito.ok())
        Uscita() << esito.messaggio << '\n';
    if (!verifica.ok() && verifica.messaggio != esito.messaggio)
        Uscita() << verifica.messaggio << '\n';
    return esito.erroreDatabase() || verifica.erroreDatabase() ? 1 : 0;
}

// Every figure of the eight statistics windows, each read from the files as its window
// reads it; the error statistics also rewrite the catalogue, as their window does.
int Statistiche(const QString& fileDataSet, const QString& file, const QString& testoRuns)
{
    const int runs = LeggiRuns(testoRuns);
    if (runs < 1)
        return 2;
    const auto [ds, pf] = ApriEntrambi(fileDataSet, file);
    if (!ds.esito.ok() || !pf.esito.ok())
        return 1;
    QSqlDatabase dataset = ds.db;
    const QSqlDatabase portafoglio = pf.db;

    QString errore;
    auto annota = [&errore](const QString& e) {
        if (errore.isEmpty())
            errore = e;
    };
    struct Voce {
        const char* nome;
        std::function<void()> lavoro;
    };
    const std::vector<Voce> voci = {
        {"frmReport", [&] { annota(FigureReportDa(dataset, portafoglio).errore); }},
        {"frmCapitale", [&] { annota(FigureCapitaleDa(portafoglio).errore); }},
        {"frmGrOperazioni", [&] { annota(FigureGrOperazioniDa(dataset, portafoglio).errore); }},
        {"frmErrori", [&] { annota(RicalcolaStatisticheErrori(dataset, portafoglio).errore); }},
        {"frmStGiorno", [&] { annota(FigureGiorniDa(portafoglio).errore); }},
        {"frmRisk", [&] { annota(FigureRiskDa(portafoglio).errore); }},
        {"frmMDD", [&] { annota(FigureMDDDa(portafoglio).errore); }},
        {"frmMedie", [&] { annota(FigureMedieDa(portafoglio).errore); }},
    };
    const double tutte = Mediana(runs, [&] {
        for (const Voce& v : voci)
            v.lavoro();
    });
    const auto chiuse = ContaOperazioniChiuse(portafoglio);
    Uscita() << "operazioni chiuse: " << (chiuse.ok() ? chiuse.righe.front() : 0) << '\n';
    Uscita() << "statistiche: " << Millisecondi(tutte) << '\n';
    for (const Voce& v : voci)
        Uscita() << "  " << v.nome << ": " << Millisecondi(Mediana(runs, v.lavoro)) << '\n';
    if (!errore.isEmpty()) {
        Uscita() << errore << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 4 && a[1] == QLatin1String("genera"))
        return Genera(a[2], a[3]);
    if ((a.size() == 4 || a.size() == 5) && a[1] == QLatin1String("ricalcola"))
        return Ricalcola(a[2], a[3], a.size() == 5 ? a[4] : QString());
    if ((a.size() == 4 || a.size() == 5) && a[1] == QLatin1String("statistiche"))
        return Statistiche(a[2], a[3], a.size() == 5 ? a[4] : QString());
    return Uso();
}
