#include "ambiente_portafoglio.h"
#include "esporta_testo.h"
#include "testo_windows.h"

#include <gtest/gtest.h>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QSqlQuery>

#include <algorithm>
#include <vector>

namespace {

QByteArray Atteso(const QString& nome)
{
    QFile f(QDir(QStringLiteral(ATTESI_DIR)).filePath(nome));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << nome.toStdString();
    return f.readAll();
}

TEST(EsportaTesto, FileUgualeAlloAtteso)
{
    RigaOperazioneChiusa oc;
    oc.Data = "2024-03-15";
    oc.System = "WEB";
    oc.Cod = "ENI";
    oc.Titolo = "Eni \"Spa\""; // an inner quote is doubled
    oc.PzoCarico = 10.5;
    oc.Qta = 100;
    oc.Prezzo = 12.25;
    oc.Commissioni = 0.5;
    oc.GP = 175;
    oc.GPPercentuale = -0.25;

    RigaEseguito e1{1, "2024-03-01", "Buy", "WEB", "ENI", QStringLiteral("Città €"), 100, 10.5, 1050, "NE", 10.5};
    RigaEseguito e2{2, "2024-03-15", "Sell", "WEB", "ENI", QStringLiteral("Ω"), 100, 0.25, 25, "", std::nullopt};
    RigaPortafoglio p{"WEB", "TIT", "", 5, 0.0625, 0.3125, 0};

    DatiTesto dati;
    dati.OperazioniChiuse = std::vector{oc};
    dati.Eseguiti = std::vector{e1, e2};
    dati.Portafoglio = std::vector{p};
    EXPECT_EQ(TestoEsportazione(dati), Atteso(QStringLiteral("esportazione.csv")));
}

TEST(EsportaTesto, BlocchiDelleSoleTabelleScelte)
{
    DatiTesto soloPortafoglio;
    soloPortafoglio.Portafoglio = std::vector<RigaPortafoglio>{};
    EXPECT_EQ(TestoEsportazione(soloPortafoglio),
              TestoWindows1252(
                  QStringLiteral("\"Brunivox - Tabella Portafoglo \"\r\n\r\n"
                                 "\"System\",\"Cod\",\"Titolo\",\"Quantità\",\"PzoCarico\",\"Commissioni\"\r\n")));
    DatiTesto eseguitiVuoti;
    eseguitiVuoti.Eseguiti = std::vector<RigaEseguito>{};
    EXPECT_TRUE(TestoEsportazione(eseguitiVuoti).endsWith("\"PzoOttimale\"\r\n\r\n\r\n"));
}

// Numbers below 1 carry a zero before the point.
TEST(EsportaTesto, FormaDeiNumeri)
{
    const std::pair<double, const char*> casi[] = {
        {0.25, "0.25"}, {-0.5, "-0.5"}, {0, "0"}, {12.5, "12.5"}, {100, "100"}, {0.0001, "0.0001"}, {1e-7, "1E-07"},
    };
    for (const auto& [valore, atteso] : casi) {
        SCOPED_TRACE(atteso);
        EXPECT_EQ(NumeroTesto(valore), QLatin1String(atteso));
    }
}

TEST(EsportaTesto, CodicePagina1252)
{
    EXPECT_EQ(TestoWindows1252(QStringLiteral("aà€’")), QByteArray("a\xe0\x80\x92"));
    // Outside the code page: one "?" per character, a character beyond the basic plane included.
    EXPECT_EQ(TestoWindows1252(QStringLiteral("Ω😀\u0081")), QByteArray("???"));
    // Read back, every byte the code page defines is its character again.
    QByteArray tutti;
    for (int b = 1; b < 256; ++b)
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
            tutti.append(char(b));
    EXPECT_EQ(TestoWindows1252(DaWindows1252(tutti)), tutti);
    EXPECT_EQ(DaWindows1252("a\xe0\x80\x92\x9f"), QStringLiteral("aà€’Ÿ"));
}

TEST(EsportaTesto, DalPortafoglioInOrdineDiDataEChiave)
{
    AmbientePortafoglio a;
    a.inserisci({"2024-03-02", "Buy", "B", "b", 1, 1});
    a.inserisci({"2024-03-01", "Buy", "A", "a", 1, 1});
    a.inserisci({"2024-03-02", "Buy", "C", "c", 1, 1});
    const QString file = a.cartella.percorso(QStringLiteral("uscita.csv"));
    int passi = 0;
    qint64 massimo = -1;
    const EsitoEsportazione esito = EsportaTesto(a.stato.DbPortafoglio, file, {false, true, false},
                                                 {[&](qint64 n) { massimo = n; }, [&] { ++passi; }});
    ASSERT_TRUE(esito.esito.ok()) << esito.esito.messaggio.toStdString();
    EXPECT_EQ(esito.conteggi.Eseguiti, 3);
    EXPECT_FALSE(esito.conteggi.OperazioniChiuse);
    EXPECT_EQ(massimo, 3);
    EXPECT_EQ(passi, 3);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> linee = f.readAll().split('\n');
    ASSERT_GE(linee.size(), 6);
    EXPECT_TRUE(linee[3].startsWith("\"01/03/2024\",\"Buy\",\"WEB\",\"A\""));
    EXPECT_TRUE(linee[4].contains("\"B\""));
    EXPECT_TRUE(linee[5].contains("\"C\""));
}

TEST(EsportaTesto, FileNonScrivibileDettoInItaliano)
{
    AmbientePortafoglio a;
    const EsitoEsportazione esito
        = EsportaTesto(a.stato.DbPortafoglio, a.cartella.percorso("manca/uscita.csv"), {true, true, true});
    EXPECT_FALSE(esito.esito.ok());
    EXPECT_TRUE(esito.esito.messaggio.startsWith(QStringLiteral("Esportazione in formato testo non riuscita")));
    EXPECT_FALSE(QFile::exists(a.cartella.percorso("manca/uscita.csv")));
}

// The file is written as the tables are read, block by block: for a history longer than a
// block, and closed operations stored out of date order (a file from elsewhere), it holds the
// bytes that the whole tables, read and ordered, give.
TEST(EsportaTesto, ScrittoMentreLeggeComeLeTabelleIntere)
{
    AmbientePortafoglio a;
    CartellaProva::esegui(a.stato.DbPortafoglio, "BEGIN");
    for (int i = 0; i < 1500; ++i)
        a.inserisci({QStringLiteral("2024-%1-%2").arg(1 + i % 12, 2, 10, QLatin1Char('0')).arg(1 + i % 28, 2, 10,
                                                                                                QLatin1Char('0')),
                     "Buy", QStringLiteral("C%1").arg(i % 40), QStringLiteral("Città %1 €").arg(i), 1 + i % 7,
                     0.25 * (i % 13 + 1)});
    CartellaProva::esegui(a.stato.DbPortafoglio, "COMMIT");
    for (const char* data : {"2024-05-02", "2024-01-09", "2024-05-02", "2023-12-31"})
        CartellaProva::esegui(a.stato.DbPortafoglio,
                              QStringLiteral("INSERT INTO OperazioniChiuse (Data, System, Cod, Titolo, PzoCarico, Qta, "
                                             "Prezzo, GP, GPPercentuale, Commissioni) VALUES ('%1', 'WEB', 'ENI', "
                                             "'Eni', 1.5, 10, 2.25, 7.5, 50, 1)")
                                  .arg(QLatin1String(data)));
    CartellaProva::esegui(a.stato.DbPortafoglio, "INSERT INTO Portafoglio (System, Cod, Titolo, Qta, PzoCarico, "
                                                 "Importo, Commissioni) VALUES ('WEB', 'ENI', 'Eni', 3, 1.5, 4.5, 0)");

    DatiTesto dati;
    Lettura<RigaOperazioneChiusa> chiuse = LeggiOperazioniChiuse(a.stato.DbPortafoglio);
    std::stable_sort(chiuse.righe.begin(), chiuse.righe.end(),
                     [](const RigaOperazioneChiusa& x, const RigaOperazioneChiusa& y) { return x.Data < y.Data; });
    dati.OperazioniChiuse = chiuse.righe;
    dati.Eseguiti = LeggiEseguiti(a.stato.DbPortafoglio).righe;
    dati.Portafoglio = LeggiPortafoglio(a.stato.DbPortafoglio).righe;
    const QByteArray atteso = TestoEsportazione(dati);
    ASSERT_GT(atteso.size(), 70000) << "longer than a block";

    for (const bool ordinate : {false, true}) {
        SCOPED_TRACE(ordinate ? "closed operations in date order" : "out of order");
        if (ordinate)
            CartellaProva::esegui(a.stato.DbPortafoglio, "DELETE FROM OperazioniChiuse WHERE Data <> '2024-05-02'");
        const QString file = a.cartella.percorso(QStringLiteral("lungo.csv"));
        const EsitoEsportazione esito = EsportaTesto(a.stato.DbPortafoglio, file, {true, true, true});
        ASSERT_TRUE(esito.esito.ok()) << esito.esito.messaggio.toStdString();
        EXPECT_EQ(esito.conteggi.Eseguiti, 1500);
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        if (!ordinate) {
            EXPECT_TRUE(f.readAll() == atteso);
        } else {
            dati.OperazioniChiuse = LeggiOperazioniChiuse(a.stato.DbPortafoglio).righe;
            EXPECT_TRUE(f.readAll() == TestoEsportazione(dati));
        }
    }
}

TEST(EsportaTesto, IlMotivoDelSistemaInItaliano)
{
    AmbientePortafoglio a;
    ASSERT_TRUE(QDir(a.cartella.cartella()).mkdir(QStringLiteral("cartella.csv")));
    const struct {
        const char* nome;
        const char* motivo;
    } casi[] = {
        {"manca/uscita.csv", "il file o la cartella non esiste"},
        {"cartella.csv", "è una cartella"},
    };
    for (const auto& k : casi) {
        SCOPED_TRACE(k.nome);
        const EsitoEsportazione esito
            = EsportaTesto(a.stato.DbPortafoglio, a.cartella.percorso(k.nome), {true, true, true});
        EXPECT_FALSE(esito.esito.ok());
        EXPECT_TRUE(esito.esito.messaggio.contains(QString::fromUtf8(k.motivo))) << esito.esito.messaggio.toStdString();
    }
}


// A long table of closed operations whose first row out of date order comes after blocks
// already written: the file holds the bytes of the table read whole and ordered, and the
// progress counts each operation once.
TEST(EsportaTesto, ChiuseFuoriOrdineDopoBlocchiGiaScritti)
{
    AmbientePortafoglio a;
    CartellaProva::esegui(a.stato.DbPortafoglio, "BEGIN");
    for (int i = 0; i < 2400; ++i)
        CartellaProva::esegui(a.stato.DbPortafoglio,
                              QStringLiteral("INSERT INTO OperazioniChiuse (Data, System, Cod, Titolo, PzoCarico, Qta, "
                                             "Prezzo, GP, GPPercentuale, Commissioni) VALUES ('%1', 'WEB', 'C%2', "
                                             "'Titolo di una certa lunghezza %2', 1.5, 10, 2.25, 7.5, 50, 1)")
                                  .arg(QDate(2020, 1, 1).addDays(i / 3).toString(Qt::ISODate))
                                  .arg(i));
    for (const char* data : {"2020-06-01", "2019-12-31"})
        CartellaProva::esegui(a.stato.DbPortafoglio,
                              QStringLiteral("INSERT INTO OperazioniChiuse (Data, System, Cod, Titolo, PzoCarico, Qta, "
                                             "Prezzo, GP, GPPercentuale, Commissioni) VALUES ('%1', 'WEB', 'ULT', "
                                             "'Ultima', 1, 1, 1, 0, 0, 0)")
                                  .arg(QLatin1String(data)));
    CartellaProva::esegui(a.stato.DbPortafoglio, "COMMIT");

    DatiTesto dati;
    Lettura<RigaOperazioneChiusa> chiuse = LeggiOperazioniChiuse(a.stato.DbPortafoglio);
    std::stable_sort(chiuse.righe.begin(), chiuse.righe.end(),
                     [](const RigaOperazioneChiusa& x, const RigaOperazioneChiusa& y) { return x.Data < y.Data; });
    dati.OperazioniChiuse = chiuse.righe;
    const QByteArray atteso = TestoEsportazione(dati);
    ASSERT_GT(atteso.size(), 2 * 65536) << "the row out of order comes after written blocks";

    const QString file = a.cartella.percorso(QStringLiteral("chiuse.csv"));
    std::vector<qint64> tabelle;
    qint64 passi = 0;
    const EsitoEsportazione esito = EsportaTesto(a.stato.DbPortafoglio, file, {true, false, false},
                                                 {[&](qint64 n) { tabelle.push_back(n); }, [&] { ++passi; }});
    ASSERT_TRUE(esito.esito.ok()) << esito.esito.messaggio.toStdString();
    EXPECT_EQ(esito.conteggi.OperazioniChiuse, 2402);
    EXPECT_EQ(tabelle, std::vector<qint64>{2402});
    EXPECT_EQ(passi, 2402);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll() == atteso);
}

} // namespace
