// Every window of the program's table, opened at its default size on a portfolio filled with
// the longest content a real one holds (dates, 9-digit amounts, 6-character codes, the
// longest kind and catalogue description), shows every control, column and label whole.
// A window added to the table is checked here without a line of its own.
#include "campo_data.h"
#include "leggibilita.h"
#include "programma_prova.h"
#include "semina_eseguiti.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

namespace {

// Buys and sells of large positions on every weekday: wins, losses and an even sell, error
// codes (the longest description the most frequent and the most costly), positions left open.
std::vector<RigaEseguito> EseguitiGrandi()
{
    const QString stm = QStringLiteral("STMicroelectronics N.V. azioni ordinarie");
    const QString eni = QStringLiteral("Eni S.p.A.");
    const QString ucg = QStringLiteral("UniCredit S.p.A.");
    const QString isp = QStringLiteral("Intesa Sanpaolo S.p.A.");
    const QString enel = QStringLiteral("Enel S.p.A. azioni ordinarie");
    auto errato = [](RigaEseguito r, double ottimale) {
        r.PrezzoOttimale = ottimale;
        return r;
    };
    return {
        errato(RigaDiProva("2024-01-08", "Buy", "WEB", "STMMIL", stm, 4234567, 87.6543, "SP"), 86.1234),
        RigaDiProva("2024-01-09", "Buy", "WEB", "ENIMIL", eni, 2500000, 13.4217),
        RigaDiProva("2024-01-10", "Buy", "FIX", "UCGMIL", ucg, 800000, 31.0987),
        RigaDiProva("2024-01-11", "Buy", "WEB", "ISPMIL", isp, 9876543, 3.1234),
        RigaDiProva("2024-01-12", "Buy", "WEB", "ENELMI", enel, 3333333, 6.9871),
        errato(RigaDiProva("2024-02-05", "Sell", "WEB", "STMMIL", stm, 600000, 91.2345, "SP"), 93.1111),
        errato(RigaDiProva("2024-02-06", "Sell", "WEB", "ENIMIL", eni, 1000000, 12.9876, "NP"), 13.5),
        RigaDiProva("2024-02-07", "Sell", "FIX", "UCGMIL", ucg, 400000, 34.5678),
        errato(RigaDiProva("2024-02-08", "Sell", "WEB", "ISPMIL", isp, 5000000, 2.9871, "SP"), 3.3333),
        RigaDiProva("2024-02-09", "Sell", "WEB", "ENELMI", enel, 1111111, 7.4321),
        errato(RigaDiProva("2024-03-04", "Sell", "WEB", "STMMIL", stm, 300000, 85.4321, "SL"), 88.0),
        RigaDiProva("2024-03-05", "Sell", "FIX", "UCGMIL", ucg, 400000, 31.0987),
        RigaDiProva("2024-03-06", "Sell", "WEB", "ENIMIL", eni, 500000, 14.8765),
        errato(RigaDiProva("2024-03-07", "Sell", "WEB", "ENELMI", enel, 1111111, 6.5432, "EM"), 7.0),
        RigaDiProva("2024-03-08", "Sell", "WEB", "ISPMIL", isp, 2000000, 3.4567),
    };
}

// A Real Tick III file of the same kind of trades, for the import's preview.
void ScriviFileRealTick(const QString& percorso)
{
    QFile f(percorso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Account,Order,Route,Time,Side,Qty,Symbol,Price,Exch,System,Note\r\n"
            "A1,1,R,09:01,Buy,4234567,STMMIL,87.6543,MI,WEB,x\r\n"
            "A1,2,R,09:02,Sell,1111111,ENELMI,6.5432,MI,WEB,x\r\n");
}

// The program on a portfolio of such content, every window of the table available.
struct ProgrammaPieno : ProgrammaProva {
    QString cartellaDiPrima = QDir::currentPath();

    ProgrammaPieno()
    {
        const QString file = cartella.nuovoPortafoglio(QStringLiteral("Pieno.gvf"));
        QSqlDatabase db = cartella.apri(file);
        EXPECT_EQ(SeminaEseguiti(db, EseguitiGrandi()).esito.messaggio, QString());
        CartellaProva::esegui(db,
                              "INSERT INTO Conto (Data, Tipo, Importo, Descrizione) VALUES "
                              "('2024-01-02', 'Versamento', 99999.99, 'Bonifico di apertura dal conto corrente'),"
                              "('2024-02-20', 'Dividendi', 54321.5, 'Dividendo Eni saldo 2023'),"
                              "('2024-03-15', 'Prelievo', 77777.77, '.'),"
                              "('2024-03-29', 'Costi di gestione', 12345.67, 'Canone trimestrale e bollo')");
        QSqlDatabase impostazioni = cartella.apri(cartella.dataset());
        CartellaProva::esegui(impostazioni, "UPDATE Settaggi SET CapitaleIniziale = 250000000");

        // The import starts in the process's current folder.
        const QString cartellaImport = cartella.percorso(QStringLiteral("import"));
        QDir().mkpath(cartellaImport);
        ScriviFileRealTick(QDir(cartellaImport).filePath(QStringLiteral("20240105.csv")));
        QDir::setCurrent(cartellaImport);

        // The start-up windows are checked like every other.
        for (const DescrittoreFinestra& d : FinestreDelProgramma())
            principale->registraFinestra(d.nome, d.fabbrica);
        principale->show();
        dialoghi.scelte << file;
        principale->voce(QStringLiteral("mnu_Apri"))->trigger();
    }

    ~ProgrammaPieno() { QDir::setCurrent(cartellaDiPrima); }
};

// What the user does before a window shows its content: the import previews a file.
using Riempimento = std::function<void(QWidget* finestra)>;
const std::map<QString, Riempimento>& Riempimenti()
{
    static const std::map<QString, Riempimento> riempimenti = {
        {"Importa",
         [](QWidget* f) {
             auto* lista = f->findChild<QListWidget*>(QStringLiteral("List1"));
             ASSERT_NE(lista, nullptr);
             ASSERT_GT(lista->count(), 0);
             const QRect voce = lista->visualItemRect(lista->item(0));
             QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, voce.center());
         }},
    };
    return riempimenti;
}

void Assesta()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(1);
    }
}

using Verifica = std::function<QStringList(QWidget* finestra)>;

void VerificaFinestra(const QString& nome, QWidget* finestra, const Verifica& verifica)
{
    ASSERT_NE(finestra, nullptr);
    if (const auto riempi = Riempimenti().find(nome); riempi != Riempimenti().end())
        riempi->second(finestra);
    Assesta();
    // To look at what the test saw: BRUNIVOX_IMMAGINI=FOLDER writes one NAME.png per window.
    if (const QString cartella = qEnvironmentVariable("BRUNIVOX_IMMAGINI"); !cartella.isEmpty())
        finestra->grab().save(QDir(cartella).filePath(nome + QStringLiteral(".png")));
    const QStringList difetti = verifica(finestra);
    EXPECT_TRUE(difetti.isEmpty()) << nome.toStdString() << " at " << finestra->width() << "x" << finestra->height()
                                   << ":\n  " << difetti.join(QStringLiteral("\n  ")).toStdString();
}

// Opens the named window of the table at its default size, as its menu entry does, and
// checks it; a dialog is checked from inside its own loop and then closed as the user would.
void ApriEVerifica(const QString& nome, const Verifica& verifica)
{
    ProgrammaPieno p;
    ASSERT_TRUE(p.messaggi.mostrati.isEmpty()) << p.messaggi.testi().join("|").toStdString();
    const DescrittoreFinestra* d = p.principale->descrittore(nome);
    ASSERT_NE(d, nullptr);
    if (d->genere == GenereFinestra::Figlia) {
        VerificaFinestra(nome, p.principale->apriFinestra(nome, true), verifica);
        return;
    }
    bool vista = false;
    QTimer::singleShot(0, [&] {
        auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialogo)
            return;
        vista = true;
        VerificaFinestra(nome, dialogo, verifica);
        dialogo->reject();
    });
    p.principale->apriFinestra(nome, true);
    EXPECT_TRUE(vista) << "no dialog showed";
}

std::vector<std::string> NomiFinestre()
{
    std::vector<std::string> nomi;
    for (const DescrittoreFinestra& d : FinestreDelProgramma())
        if (d.fabbrica)
            nomi.push_back(d.nome.toStdString());
    return nomi;
}

class FinestraLeggibile : public ::testing::TestWithParam<std::string> { };

// No control overlaps another or leaves its window; every caption, option and label shows
// whole; every grid column is as wide as its caption and its widest cell.
TEST_P(FinestraLeggibile, ShowsEverythingWholeAtItsDefaultSize)
{
    ApriEVerifica(QString::fromStdString(GetParam()), DifettiDiLettura);
}

// No axis, category or title label of a chart is elided or cut at the chart's edge.
TEST_P(FinestraLeggibile, ShowsEveryChartLabelWhole)
{
    ApriEVerifica(QString::fromStdString(GetParam()), DifettiDeiGrafici);
}

// Every date field reads the date as typed: it is the house's date field.
TEST_P(FinestraLeggibile, DateFieldsReadTheDateAsTyped)
{
    ApriEVerifica(QString::fromStdString(GetParam()), [](QWidget* finestra) {
        QStringList difetti;
        for (QDateEdit* campo : finestra->findChildren<QDateEdit*>())
            if (!qobject_cast<CampoData*>(campo))
                difetti << campo->objectName() + QStringLiteral(" is not a CampoData");
        return difetti;
    });
}

INSTANTIATE_TEST_SUITE_P(Tabella, FinestraLeggibile, ::testing::ValuesIn(NomiFinestre()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
