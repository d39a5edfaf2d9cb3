// Measures what the user feels when confirming a trade: from the click on "Conferma" in the
// real trade window, inside the real main window, to the refreshed windows.
//   bench_conferma N [RUNS] [tutte] [vendite]
//   bench_conferma N [RUNS] apri
// N trades of a synthetic history; RUNS confirmations (default 5, each a buy of one piece);
// "tutte" opens every available data window first, as a user with the statistics open would.
// "vendite" makes every other confirmation the sell of the piece just bought: a sell closes an
// operation, so every statistic changes, where a buy leaves them as they were.
// On a loaded machine the wall-clock time also counts the waits for a processor: the processor
// time of the confirmations (this process's, every thread) is printed as well.
// "apri" measures instead the opening of the portfolio from the File menu, RUNS times, each
// with no window open before: from the click to the trade window showing its rows.
#include "avvio.h"
#include "database.h"
#include "mdi_form1.h"
#include "numeri.h"
#include "storia_sintetica.h"
#include "tabella_finestre.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace {

QTextStream& Uscita()
{
    static QTextStream s(stdout);
    return s;
}

// No one to answer: questions get "No", and every message is printed, since a message during a
// measured confirmation means the measure is of something else.
class MessaggiBench : public Messaggi {
public:
    Risposta mostra(const QString& testo, Icona, Pulsanti pulsanti, const QString&) override
    {
        Uscita() << "messaggio: " << testo << '\n';
        Uscita().flush();
        return pulsanti == Pulsanti::SiNo ? Risposta::No : Risposta::Ok;
    }
};

class DialogoBench : public DialogoFile {
public:
    QString file;
    QString apri(const QString&, const QString&) override { return file; }
    QString salva(const QString&, const QString&) override { return {}; }
};

QStringList Codici(QSqlDatabase& db, const QString& sql)
{
    QStringList codici;
    QSqlQuery q(db);
    if (q.exec(sql))
        while (q.next())
            codici << q.value(0).toString();
    return codici;
}

template <typename T>
T* Controllo(MDIForm1& principale, const char* nome)
{
    QWidget* f = principale.finestra(QStringLiteral("frmEseguiti"));
    return f ? f->findChild<T*>(QLatin1String(nome)) : nullptr;
}

void Scrivi(QLineEdit* e, const QString& testo)
{
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, testo);
}

double Processore()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000 + double(t.tv_nsec) / 1e6;
}

double Mediana(std::vector<double> tempi)
{
    std::sort(tempi.begin(), tempi.end());
    return tempi.size() % 2 ? tempi[tempi.size() / 2] : (tempi[tempi.size() / 2 - 1] + tempi[tempi.size() / 2]) / 2;
}

// Opens the portfolio the dialog gives, RUNS times, the trade window drawn each time; the
// median in ms, or -1 when the window did not show every trade.
double MisuraApertura(MDIForm1& principale, int n, int runs)
{
    std::vector<double> tempi;
    for (int i = 0; i < runs; ++i) {
        principale.area()->closeAllSubWindows();
        QApplication::processEvents();
        const auto inizio = std::chrono::steady_clock::now();
        principale.voce(QStringLiteral("mnu_Apri"))->trigger();
        QApplication::processEvents();   // the trade window's first paint
        tempi.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count());
        QWidget* eseguiti = principale.finestra(QStringLiteral("frmEseguiti"));
        auto* griglia = eseguiti ? eseguiti->findChild<QTableView*>(QStringLiteral("dbg_Eseguiti")) : nullptr;
        if (!griglia || !griglia->isVisible() || griglia->model()->rowCount() < n)
            return -1;
    }
    return Mediana(tempi);
}

int Misura(int n, int runs, bool tutte, bool vendite, bool apri)
{
    QTemporaryDir cartella;
    const QDir programma(QStringLiteral(BRUNIVOX_BIN_DIR));
    for (const QString& nome : {NomeFileDataSet, NomeFileDataExe}) {
        QFile::copy(programma.filePath(nome), cartella.filePath(nome));
        QFile(cartella.filePath(nome)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    const QString file = cartella.filePath(QStringLiteral("misura.gvf"));
    QFile::copy(programma.filePath(NomeFileDataExe), file);
    QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);

    StatoApplicazione stato;
    if (const Esito avvio = ApriImpostazioni(stato, cartella.path()); !avvio.ok()) {
        Uscita() << avvio.messaggio << '\n';
        return 1;
    }
    ParametriStoria parametri;
    parametri.eseguiti = n;
    parametri.sistemi = Codici(stato.DbDataSet, QStringLiteral("SELECT Cod FROM System ORDER BY rowid"));
    parametri.errori = Codici(stato.DbDataSet, QStringLiteral("SELECT Cod FROM Errori ORDER BY rowid LIMIT 5"));
    {
        const EsitoApertura pf = ApriDatabase(QStringLiteral("storia"), file, TipoDatabase::Portafoglio);
        QSqlDatabase db = pf.db;
        if (!pf.esito.ok() || !ScriviStoriaSintetica(db, parametri).ok()) {
            Uscita() << "impossibile scrivere la storia in " << file << '\n';
            return 1;
        }
    }
    ChiudiDatabase(QStringLiteral("storia"));

    MessaggiBench messaggi;
    DialogoBench dialoghi;
    dialoghi.file = file;
    MDIForm1 principale(stato, messaggi, dialoghi);
    TabellaFinestre tabella = FinestreDelProgramma();
    for (DescrittoreFinestra& d : tabella)
        if (d.genere == GenereFinestra::Dialogo)
            d.fabbrica = nullptr;   // nobody is there to close them
    principale.impostaTabella(std::move(tabella));
    principale.resize(1280, 900);
    principale.show();
    stato.PrimaAttivazione = false;
    if (apri) {
        const double ms = MisuraApertura(principale, n, runs);
        if (ms < 0) {
            Uscita() << "la finestra degli eseguiti non mostra tutti gli eseguiti\n";
            return 1;
        }
        Uscita() << "apertura (" << n << " eseguiti): " << numeri::TestoNumero(numeri::ArrotondaPari(ms, 1))
                 << " ms\n";
        return 0;
    }
    principale.voce(QStringLiteral("mnu_Apri"))->trigger();
    if (tutte)
        for (const DescrittoreFinestra& d : principale.tabella())
            if (d.fabbrica && d.genere == GenereFinestra::Figlia)
                principale.apriFinestra(d.nome);
    QApplication::processEvents();

    auto* ok = Controllo<QPushButton>(principale, "cmd_Ok");
    auto* codice = Controllo<QLineEdit>(principale, "txt_Codice");
    if (!ok || !codice) {
        Uscita() << "la finestra degli eseguiti non si è aperta\n";
        return 1;
    }
    std::vector<double> tempi;
    std::vector<double> tempiVendite;
    std::vector<double> processore;
    std::vector<double> processoreVendite;
    for (int i = 0; i < runs; ++i) {
        const bool vendita = vendite && i % 2 == 1;
        Controllo<QComboBox>(principale, "cmb_Tipo")->setCurrentIndex(vendita ? 1 : 0);   // Buy, Sell
        Scrivi(codice, QStringLiteral("BENCH"));
        Scrivi(Controllo<QLineEdit>(principale, "txt_Titolo"), QStringLiteral("Misura"));
        Scrivi(Controllo<QLineEdit>(principale, "txtQta"), QStringLiteral("1"));
        Scrivi(Controllo<QLineEdit>(principale, "txtPrezzo"), vendita ? QStringLiteral("11") : QStringLiteral("10"));
        const auto inizio = std::chrono::steady_clock::now();
        const double processoreInizio = Processore();
        QTest::mouseClick(ok, Qt::LeftButton);
        QApplication::processEvents();   // the repaints the refresh asked for
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count();
        (vendita ? tempiVendite : tempi).push_back(ms);
        (vendita ? processoreVendite : processore).push_back(Processore() - processoreInizio);
    }
    Uscita() << "conferma (" << n << " eseguiti" << (tutte ? ", tutte le finestre" : "") << "): "
             << numeri::TestoNumero(numeri::ArrotondaPari(Mediana(tempi), 1)) << " ms\n";
    if (!tempiVendite.empty())
        Uscita() << "conferma di una vendita: " << numeri::TestoNumero(numeri::ArrotondaPari(Mediana(tempiVendite), 1))
                 << " ms\n";
    Uscita() << "  al processore: " << numeri::TestoNumero(numeri::ArrotondaPari(Mediana(processore), 1)) << " ms";
    if (!processoreVendite.empty())
        Uscita() << ", una vendita " << numeri::TestoNumero(numeri::ArrotondaPari(Mediana(processoreVendite), 1))
                 << " ms";
    Uscita() << '\n';
    if (tutte) {
        // Where the time goes: each refreshed window's Main and its repaint, one at a time.
        for (const DescrittoreFinestra& d : principale.tabella()) {
            QWidget* w = d.aggiornata ? principale.finestra(d.nome) : nullptr;
            if (!w)
                continue;
            const auto inizio = std::chrono::steady_clock::now();
            QMetaObject::invokeMethod(w, "Main");
            QApplication::processEvents();
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count();
            Uscita() << "  " << d.nome << ": " << numeri::TestoNumero(numeri::ArrotondaPari(ms, 1)) << " ms\n";
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QStringList a = app.arguments();
    bool ok = a.size() >= 2;
    const int n = ok ? a[1].toInt(&ok) : 0;
    int runs = 5;
    const QStringList parole = {QStringLiteral("tutte"), QStringLiteral("vendite"), QStringLiteral("apri")};
    if (ok && a.size() >= 3 && !parole.contains(a[2]))
        runs = a[2].toInt(&ok);
    const bool tutte = a.contains(QLatin1String("tutte"));
    const bool vendite = a.contains(QLatin1String("vendite"));
    const bool apri = a.contains(QLatin1String("apri"));
    if (!ok || n < 1 || runs < 1) {
        QTextStream(stderr) << "uso: bench_conferma N [RUNS] [tutte] [vendite] | N [RUNS] apri\n";
        return 2;
    }
    // Inside the event loop, as the program's clicks are.
    int esito = 0;
    QTimer::singleShot(0, &app, [&] {
        esito = Misura(n, runs, tutte, vendite, apri);
        app.quit();
    });
    app.exec();
    return esito;
}
