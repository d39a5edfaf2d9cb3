// Draws the picture of the README: the main window on a small sample portfolio, with the
// trade window and a chart open, grabbed offscreen. With --finestre it draws instead every
// window of the table at its default size, one NAME.png each, and prints each size.
//   istantanea_readme FILE.png [WINDOW ...]
//   istantanea_readme --finestre FOLDER
#include "avvio.h"
#include "finestra_figlia.h"
#include "mdi_form1.h"
#include "semina_eseguiti.h"
#include "tabella_finestre.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVariant>

#include <vector>

namespace {

class Silenzio : public Messaggi {
public:
    Risposta mostra(const QString& testo, Icona, Pulsanti pulsanti, const QString&) override
    {
        QTextStream(stderr) << testo << '\n';
        return pulsanti == Pulsanti::SiNo ? Risposta::No : Risposta::Ok;
    }
};

class Scelta : public DialogoFile {
public:
    QString file;
    QString apri(const QString&, const QString&) override { return file; }
    QString salva(const QString&, const QString&) override { return {}; }
};

// A few months of a small investor's trading: buys, partial sells, a loss and a gain.
void ScriviEsempio(const QString& file)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("esempio"));
    db.setDatabaseName(file);
    db.open();
    struct Riga {
        const char *data, *tipo, *cod, *titolo;
        int qta;
        double prezzo;
        const char* errore;
    };
    const Riga righe[] = {
        {"2026-01-12", "Buy", "ENI", "Eni", 300, 13.42, "NE"},
        {"2026-01-19", "Buy", "ISP", "Intesa Sanpaolo", 2000, 3.61, "NE"},
        {"2026-02-03", "Buy", "ENEL", "Enel", 800, 6.95, "NE"},
        {"2026-02-16", "Sell", "ENI", "Eni", 150, 14.10, "NE"},
        {"2026-03-02", "Buy", "STM", "STMicroelectronics", 100, 41.80, "NE"},
        {"2026-03-18", "Sell", "STM", "STMicroelectronics", 100, 38.05, "SL"},
        {"2026-04-07", "Sell", "ISP", "Intesa Sanpaolo", 1000, 3.92, "NE"},
        {"2026-04-21", "Buy", "G", "Generali", 200, 19.30, "NE"},
        {"2026-05-05", "Sell", "ENEL", "Enel", 400, 7.31, "NE"},
        {"2026-05-26", "Buy", "ENI", "Eni", 100, 13.05, "NE"},
    };
    std::vector<RigaEseguito> eseguiti;
    for (const Riga& r : righe)
        eseguiti.push_back(RigaDiProva(r.data, r.tipo, "WEB", r.cod, r.titolo, r.qta, r.prezzo, r.errore));
    if (const EsitoSemina semina = SeminaEseguiti(db, eseguiti); !semina.esito.ok())
        QTextStream(stderr) << semina.esito.messaggio << '\n';
    QSqlQuery q(db);
    q.exec(QStringLiteral("INSERT INTO Conto (Data, Tipo, Importo, Descrizione) "
                          "VALUES ('2026-01-02', 'Versamento', 25000, 'Apertura')"));
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("esempio"));
}

// Every window of the table at its default size: a child with its frame, a dialog as shown.
int DisegnaFinestre(MDIForm1& principale, const TabellaFinestre& tabella, const QDir& cartella)
{
    int errori = 0;
    auto salva = [&](const QString& nome, QWidget* w, QWidget* dentro) {
        for (int i = 0; i < 10; ++i)
            QApplication::processEvents();
        const QString file = cartella.filePath(nome + QStringLiteral(".png"));
        if (!w->grab().save(file))
            ++errori;
        QTextStream(stdout) << nome << ' ' << dentro->width() << 'x' << dentro->height() << '\n';
    };
    for (const DescrittoreFinestra& d : tabella) {
        if (!d.fabbrica)
            continue;
        if (d.genere == GenereFinestra::Figlia) {
            principale.apriFinestra(d.nome, true);
            if (QMdiSubWindow* s = principale.sottofinestra(d.nome)) {
                s->move(0, 0);
                salva(d.nome, s, s->widget());
                s->close();
            }
            continue;
        }
        // A dialog is shown without its own loop, so it can be drawn and closed from here.
        QWidget* w = d.fabbrica(principale.contesto());
        if (auto* dialogo = qobject_cast<QDialog*>(w)) {
            dialogo->setParent(&principale, dialogo->windowFlags() | Qt::Dialog);
            dialogo->show();
            salva(d.nome, dialogo, dialogo);
            dialogo->hide();
        }
        delete w;
    }
    return errori == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QStringList a = app.arguments();
    const bool finestre = a.size() == 3 && a[1] == QLatin1String("--finestre");
    if (a.size() < 2 || (a[1].startsWith(QLatin1String("--")) && !finestre)) {
        QTextStream(stderr) << "uso: istantanea_readme FILE.png [FINESTRA ...]\n"
                               "     istantanea_readme --finestre CARTELLA\n";
        return 2;
    }
    QTemporaryDir cartella;
    const QDir programma(QStringLiteral(BRUNIVOX_BIN_DIR));
    for (const char* nome : {"DataSet.gvx", "DataExe.gvx"}) {
        QFile::copy(programma.filePath(QLatin1String(nome)), cartella.filePath(QLatin1String(nome)));
        QFile(cartella.filePath(QLatin1String(nome))).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    Scelta scelta;
    scelta.file = cartella.filePath(QStringLiteral("Esempio.gvf"));
    QFile::copy(cartella.filePath(QStringLiteral("DataExe.gvx")), scelta.file);
    ScriviEsempio(scelta.file);

    StatoApplicazione stato;
    if (!ApriImpostazioni(stato, cartella.path()).ok())
        return 1;
    Silenzio messaggi;
    MDIForm1 principale(stato, messaggi, scelta);
    TabellaFinestre tabella = FinestreDelProgramma();
    for (DescrittoreFinestra& d : tabella)
        if (d.genere == GenereFinestra::Dialogo)
            d.fabbrica = nullptr;
    principale.impostaTabella(std::move(tabella));
    principale.resize(1720, 960);
    principale.Carica();
    stato.PrimaAttivazione = false;
    principale.show();
    principale.voce(QStringLiteral("mnu_Apri"))->trigger();
    if (finestre) {
        const QDir destinazione(a[2]);
        if (!destinazione.mkpath(QStringLiteral(".")))
            return 1;
        return DisegnaFinestre(principale, FinestreDelProgramma(), destinazione);
    }
    const QStringList altre = a.size() > 2 ? a.mid(2) : QStringList{QStringLiteral("frmPortafoglio")};
    // The trade window at its own size on the left, the others side by side on its right.
    int x = principale.sottofinestra(QStringLiteral("frmEseguiti"))->frameGeometry().right() + 1;
    for (const QString& nome : altre) {
        principale.apriFinestra(nome, true);
        if (QMdiSubWindow* s = principale.sottofinestra(nome)) {
            s->move(x, 0);
            x = s->frameGeometry().right() + 1;
        }
    }
    principale.AggiornaOrologi();
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    return principale.grab().save(a[1]) ? 0 : 1;
}
