// Every window of the program's table, opened at its default size on a portfolio filled with
// the longest content a real one holds (dates, 9-digit amounts, 6-character codes, the
// longest kind and catalogue description), and on a long history whose widest figures lie
// far down the grids, shows every control, column and label whole, inside the main window on
// a large and on a small screen, and again after a confirmation that adds a long title.
// A window added to the table is checked here without a line of its own.
#include "campo_data.h"
#include "controlli_prova.h"
#include "griglie_tastiera.h"
#include "leggibilita.h"
#include "programma_prova.h"
#include "semina_eseguiti.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSize>
#include <QTableView>
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

// A history of years: 320 securities each bought and partly sold, many with long names, and
// as many cash movements. The widest figures (a large position and its sale, the largest
// movement) stand in the middle, far from the rows a grid opens on at its top or its end.
constexpr int Titoli = 320;
constexpr int Mezzo = Titoli / 2;

std::vector<RigaEseguito> EseguitiLunghi()
{
    const QStringList nomi = {QStringLiteral("STMicroelectronics N.V. azioni ordinarie"),
                              QStringLiteral("Eni S.p.A."),
                              QStringLiteral("Assicurazioni Generali S.p.A. azioni ordinarie"),
                              QStringLiteral("Intesa Sanpaolo S.p.A."),
                              QStringLiteral("Banca Monte dei Paschi di Siena S.p.A.")};
    const QStringList errori = {QStringLiteral("NE"), QStringLiteral("SP"), QStringLiteral("NP"),
                                QStringLiteral("SL"), QStringLiteral("EM")};
    std::vector<RigaEseguito> righe;
    QDate giorno(2019, 1, 7);
    const auto prossimo = [&giorno] {
        do
            giorno = giorno.addDays(1);
        while (giorno.dayOfWeek() > 5);
        return giorno.toString(Qt::ISODate);
    };
    for (int k = 0; k < Titoli; ++k) {
        const QString cod = QStringLiteral("T%1").arg(k, 5, 10, QLatin1Char('0'));
        const QString titolo = nomi[k % nomi.size()];
        const bool grande = k == Mezzo;
        const qint64 qta = grande ? 9876543 : 100 + k;
        const double carico = grande ? 87.6543 : 10.25 + k % 7;
        // Gains and losses of many sizes, so the tables of frequencies grow long too.
        const double vendita = grande ? 93.1111 : carico * (1 + ((k * 37) % 41 - 20) / 100.0);
        righe.push_back(RigaDiProva(prossimo(), "Buy", "WEB", cod, titolo, qta, carico));
        RigaEseguito v = RigaDiProva(prossimo(), "Sell", "WEB", cod, titolo, grande ? 4234567 : qta / 2, vendita,
                                     errori[k % errori.size()]);
        if (v.Errore != QLatin1String("NE"))
            v.PrezzoOttimale = vendita * 1.05;
        righe.push_back(v);
    }
    return righe;
}

void MovimentiLunghi(QSqlDatabase& db)
{
    const QStringList tipi = {QStringLiteral("Versamento"), QStringLiteral("Dividendi"), QStringLiteral("Prelievo"),
                              QStringLiteral("Costi di gestione")};
    QDate giorno(2019, 1, 2);
    for (int k = 0; k < Titoli; ++k, giorno = giorno.addDays(5)) {
        const double importo = k == Mezzo ? 987654321.98 : 100 + k;
        CartellaProva::esegui(db,
                              QStringLiteral("INSERT INTO Conto (Data, Tipo, Importo, Descrizione) VALUES "
                                             "('%1', '%2', %3, 'Bonifico periodico dal conto corrente n. %4')")
                                  .arg(giorno.toString(Qt::ISODate), tipi[k % tipi.size()])
                                  .arg(importo, 0, 'f', 2)
                                  .arg(k));
    }
}

enum class Storia { Piena, Lunga };

// The screens the main window is maximised on.
const QSize SchermoGrande(1400, 1000);
const QSize SchermoPiccolo(1024, 768);

// The program on a portfolio of such content, every window of the table available, the main
// window filling the screen.
struct ProgrammaPieno : ProgrammaProva {
    QString cartellaDiPrima = QDir::currentPath();

    explicit ProgrammaPieno(Storia storia = Storia::Piena, QSize schermo = SchermoGrande) : ProgrammaProva(true)
    {
        const QString file = cartella.nuovoPortafoglio(QStringLiteral("Pieno.gvf"));
        QSqlDatabase db = cartella.apri(file);
        if (storia == Storia::Lunga) {
            EXPECT_EQ(SeminaEseguiti(db, EseguitiLunghi()).esito.messaggio, QString());
            MovimentiLunghi(db);
        } else {
            EXPECT_EQ(SeminaEseguiti(db, EseguitiGrandi()).esito.messaggio, QString());
            CartellaProva::esegui(db,
                                  "INSERT INTO Conto (Data, Tipo, Importo, Descrizione) VALUES "
                                  "('2024-01-02', 'Versamento', 99999.99, 'Bonifico di apertura dal conto corrente'),"
                                  "('2024-02-20', 'Dividendi', 54321.5, 'Dividendo Eni saldo 2023'),"
                                  "('2024-03-15', 'Prelievo', 77777.77, '.'),"
                                  "('2024-03-29', 'Costi di gestione', 12345.67, 'Canone trimestrale e bollo')");
        }
        QSqlDatabase impostazioni = cartella.apri(cartella.dataset());
        CartellaProva::esegui(impostazioni, "UPDATE Settaggi SET CapitaleIniziale = 250000000");

        // The import starts in the process's current folder.
        const QString cartellaImport = cartella.percorso(QStringLiteral("import"));
        QDir().mkpath(cartellaImport);
        ScriviFileRealTick(QDir(cartellaImport).filePath(QStringLiteral("20240105.csv")));
        QDir::setCurrent(cartellaImport);

        // The start-up windows are checked like every other.
        conAvvio = true;
        principale->setGeometry(QRect(QPoint(0, 0), schermo));
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

// A child window lies inside the main window's area, where the user sees all of it.
QStringList FuoriDallArea(QWidget* finestra)
{
    auto* cornice = qobject_cast<QMdiSubWindow*>(finestra->parentWidget());
    if (!cornice || !cornice->mdiArea())
        return {};
    const QRect area = cornice->mdiArea()->viewport()->rect();
    if (area.contains(cornice->geometry()))
        return {};
    const QRect g = cornice->geometry();
    return {QStringLiteral("the window (%1,%2 %3x%4) lies outside the main window's area (%5x%6)")
                .arg(g.x())
                .arg(g.y())
                .arg(g.width())
                .arg(g.height())
                .arg(area.width())
                .arg(area.height())};
}

void VerificaFinestra(const QString& nome, QWidget* finestra, const Verifica& verifica)
{
    ASSERT_NE(finestra, nullptr);
    if (const auto riempi = Riempimenti().find(nome); riempi != Riempimenti().end())
        riempi->second(finestra);
    Assesta();
    // To look at what the test saw: BRUNIVOX_IMMAGINI=FOLDER writes one NAME.png per window.
    if (const QString cartella = qEnvironmentVariable("BRUNIVOX_IMMAGINI"); !cartella.isEmpty())
        finestra->grab().save(QDir(cartella).filePath(nome + QStringLiteral(".png")));
    const QStringList difetti = verifica(finestra) + FuoriDallArea(finestra);
    EXPECT_TRUE(difetti.isEmpty()) << nome.toStdString() << " at " << finestra->width() << "x" << finestra->height()
                                   << ":\n  " << difetti.join(QStringLiteral("\n  ")).toStdString();
}

// One window of the table on one history and one screen.
struct Caso {
    std::string finestra;
    Storia storia;
    QSize schermo;
};

// Opens the named window of the table at its default size, as its menu entry does, and
// checks it; a dialog is checked from inside its own loop and then closed as the user would.
void ApriEVerifica(const Caso& caso, const Verifica& verifica)
{
    const QString nome = QString::fromStdString(caso.finestra);
    ProgrammaPieno p(caso.storia, caso.schermo);
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

std::vector<Caso> Casi()
{
    std::vector<Caso> casi;
    for (const DescrittoreFinestra& d : FinestreDelProgramma())
        if (d.fabbrica)
            for (const Storia storia : {Storia::Piena, Storia::Lunga})
                for (const QSize schermo : {SchermoGrande, SchermoPiccolo})
                    casi.push_back({d.nome.toStdString(), storia, schermo});
    return casi;
}

std::string NomeCaso(const ::testing::TestParamInfo<Caso>& info)
{
    const Caso& c = info.param;
    return c.finestra + (c.storia == Storia::Lunga ? "_Lunga_" : "_Piena_") + std::to_string(c.schermo.width()) + "x"
        + std::to_string(c.schermo.height());
}

class FinestraLeggibile : public ::testing::TestWithParam<Caso> { };

// No control overlaps another or leaves its window; every caption, option and label shows
// whole; every grid column is as wide as its caption and its widest cell.
TEST_P(FinestraLeggibile, ShowsEverythingWholeAtItsDefaultSize)
{
    ApriEVerifica(GetParam(), DifettiDiLettura);
}

// No axis, category or title label of a chart is elided or cut at the chart's edge.
TEST_P(FinestraLeggibile, ShowsEveryChartLabelWhole)
{
    ApriEVerifica(GetParam(), DifettiDeiGrafici);
}

// Tab and Shift+Tab leave every grid the user only reads; an editable grid walks its cells.
TEST_P(FinestraLeggibile, TabLeavesEveryGridTheUserDoesNotEdit)
{
    ApriEVerifica(GetParam(), [](QWidget* f) { return DifettiDiTastiera(f); });
}

// Every date field reads the date as typed: it is the house's date field.
TEST_P(FinestraLeggibile, DateFieldsReadTheDateAsTyped)
{
    ApriEVerifica(GetParam(), [](QWidget* finestra) {
        QStringList difetti;
        for (QDateEdit* campo : finestra->findChildren<QDateEdit*>())
            if (!qobject_cast<CampoData*>(campo))
                difetti << campo->objectName() + QStringLiteral(" is not a CampoData");
        return difetti;
    });
}

INSTANTIATE_TEST_SUITE_P(Tabella, FinestraLeggibile, ::testing::ValuesIn(Casi()), NomeCaso);

class DopoUnaConferma : public ::testing::TestWithParam<QSize> { };

// Every child window open on the long history stays whole through the refreshes of a buy of a
// security with a long name and the sell of a position at a gain wider than any before.
TEST_P(DopoUnaConferma, EveryOpenWindowStaysWhole)
{
    ProgrammaPieno p(Storia::Lunga, GetParam());
    ASSERT_TRUE(p.messaggi.mostrati.isEmpty()) << p.messaggi.testi().join("|").toStdString();
    QStringList aperte;
    for (const DescrittoreFinestra& d : p.principale->tabella())
        if (d.fabbrica && d.genere == GenereFinestra::Figlia && p.principale->apriFinestra(d.nome, true))
            aperte << d.nome;
    Assesta();
    // The grids stand at their last rows, far from the widest figures.
    for (const QString& nome : aperte)
        for (QTableView* g : p.principale->finestra(nome)->findChildren<QTableView*>())
            g->scrollToBottom();

    QWidget* eseguiti = p.principale->finestra(QStringLiteral("frmEseguiti"));
    ASSERT_NE(eseguiti, nullptr);
    const auto conferma = [&](const QString& tipo, const QString& qta, const QString& prezzo) {
        Scegli(Controllo<QComboBox>(eseguiti, "cmb_Tipo"), tipo);
        if (tipo == QLatin1String("Buy")) {
            Scrivi(Controllo<QLineEdit>(eseguiti, "txt_Codice"), QStringLiteral("STMMIL"));
            Scrivi(Controllo<QLineEdit>(eseguiti, "txt_Titolo"), QStringLiteral("STMicroelectronics"));
        } else {
            Scegli(Controllo<QComboBox>(eseguiti, "cmb_Codice"), QStringLiteral("STMMIL"));
        }
        Scrivi(Controllo<QLineEdit>(eseguiti, "txtQta"), qta);
        Scrivi(Controllo<QLineEdit>(eseguiti, "txtPrezzo"), prezzo);
        Clicca(Controllo<QPushButton>(eseguiti, "cmd_Ok"));
        EXPECT_TRUE(p.messaggi.mostrati.isEmpty()) << p.messaggi.testi().join("|").toStdString();
        p.messaggi.mostrati.clear();
        Assesta();
    };
    conferma(QStringLiteral("Buy"), QStringLiteral("9876543"), QStringLiteral("876,54"));
    conferma(QStringLiteral("Sell"), QStringLiteral("4000000"), QStringLiteral("9999,99"));

    for (const QString& nome : aperte) {
        SCOPED_TRACE(nome.toStdString());
        QWidget* w = p.principale->finestra(nome);
        ASSERT_NE(w, nullptr);
        VerificaFinestra(nome + QStringLiteral("_dopo"), w, DifettiDiLettura);
    }
}

INSTANTIATE_TEST_SUITE_P(Schermi, DopoUnaConferma, ::testing::Values(SchermoGrande, SchermoPiccolo),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

} // namespace
