// Measures what the user feels when confirming a trade: from the click on "Conferma" in the
// real trade window, inside the real main window, to the refreshed windows.
//   bench_conferma N [RUNS] [tutte]
// N trades of a synthetic history; RUNS confirmations (default 5, each a buy of one piece);
// "tutte" opens every available data window first, as a user with the statistics open would.
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
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
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

int Misura(int n, int runs, bool tutte)
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
    for (int i = 0; i < runs; ++i) {
        Controllo<QComboBox>(principale, "cmb_Tipo")->setCurrentIndex(0);   // Buy
        Scrivi(codice, QStringLiteral("BENCH"));
        Scrivi(Controllo<QLineEdit>(principale, "txt_Titolo"), QStringLiteral("Misura"));
        Scrivi(Controllo<QLineEdit>(principale, "txtQta"), QStringLiteral("1"));
        Scrivi(Controllo<QLineEdit>(principale, "txtPrezzo"), QStringLiteral("10"));
        const auto inizio = std::chrono::steady_clock::now();
        QTest::mouseClick(ok, Qt::LeftButton);
        QApplication::processEvents();   // the repaints the refresh asked for
        tempi.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count());
    }
    std::sort(tempi.begin(), tempi.end());
    const double mediana = tempi.size() % 2 ? tempi[tempi.size() / 2]
                                            : (tempi[tempi.size() / 2 - 1] + tempi[tempi.size() / 2]) / 2;
    Uscita() << "conferma (" << n << " eseguiti" << (tutte ? ", tutte le finestre" : "") << "): "
             << numeri::TestoNumero(numeri::ArrotondaPari(mediana, 1)) << " ms\n";
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
    if (ok && a.size() >= 3 && a[2] != QLatin1String("tutte"))
        runs = a[2].toInt(&ok);
    const bool tutte = a.last() == QLatin1String("tutte");
    if (!ok || n < 1 || runs < 1) {
        QTextStream(stderr) << "uso: bench_conferma N [RUNS] [tutte]\n";
        return 2;
    }
    return Misura(n, runs, tutte);
}
