// Measures the exports of a long history: the text file or the workbook of every table of a
// portfolio (made with "bench_motore genera" and "bench_motore ricalcola"), written once.
// Memory is the point: run it under /usr/bin/time -v and read the maximum resident size.
//   bench_esporta FILE.gvf testo|excel OUT
#include "cartella_excel.h"
#include "database.h"
#include "esporta_testo.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <chrono>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 4 || (a[2] != QLatin1String("testo") && a[2] != QLatin1String("excel"))) {
        QTextStream(stderr) << "uso: bench_esporta FILE.gvf testo|excel OUT\n";
        return 2;
    }
    const EsitoApertura pf = ApriDatabase(QStringLiteral("esporta"), a[1], TipoDatabase::Portafoglio);
    if (!pf.esito.ok()) {
        QTextStream(stderr) << pf.esito.messaggio << '\n';
        return 1;
    }
    const TabelleScelte tutte{true, true, true};
    const auto inizio = std::chrono::steady_clock::now();
    const EsitoEsportazione esito
        = a[2] == QLatin1String("testo")
        ? EsportaTesto(pf.db, a[3], tutte)
        : EsportaExcel(pf.db, a[3], tutte, QDir(QStringLiteral(BRUNIVOX_BIN_DIR)).filePath(NomeLogoExcel));
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    QTextStream uscita(stdout);
    if (!esito.esito.ok()) {
        uscita << esito.esito.messaggio << '\n';
        return 1;
    }
    uscita << a[2] << ": " << QString::number(s, 'f', 2) << " s, " << esito.conteggi.OperazioniChiuse.value_or(0)
           << " operazioni chiuse, " << esito.conteggi.Eseguiti.value_or(0) << " eseguiti\n";
    return 0;
}
