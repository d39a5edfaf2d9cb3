#include "ambiente_portafoglio.h"
#include "cartella_excel.h"
#include "esito_prova.h"
#include "lettore_xlsx.h"
#include "motore.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace {

class CartellaExcelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        a.inserisci({"2024-03-01", "Buy", "ENI", "Eni", 100, 10.5});
        a.inserisci({"2024-03-15", "Sell", "ENI", "Eni", 40, 12.25});
        a.inserisci({"2024-03-16", "Buy", "TIT", "Tim", 7, 0.25});
        ASSERT_TRUE(EsitoAccettato(RicalcolaPortafoglio(a.stato.DbDataSet, a.stato.DbPortafoglio)));
    }

    EsitoEsportazione esporta(const TabelleScelte& scelte, const QString& nome = QStringLiteral("uscita.xls"))
    {
        file = a.cartella.percorso(nome);
        return EsportaExcel(a.stato.DbPortafoglio, file, scelte, logo);
    }

    AmbientePortafoglio a;
    QString logo = QDir(CartellaShipped()).filePath(NomeLogoExcel);
    QString file;
};

TEST_F(CartellaExcelTest, SoloEseguitiLettoIndietro)
{
    const EsitoEsportazione esito = esporta({false, true, false});
    ASSERT_TRUE(esito.esito.ok()) << esito.esito.messaggio.toStdString();
    EXPECT_EQ(esito.conteggi.Eseguiti, 3);
    EXPECT_FALSE(esito.conteggi.OperazioniChiuse);
    EXPECT_FALSE(esito.conteggi.Portafoglio);

    const CartellaXlsx c = LeggiCartellaXlsx(file);
    ASSERT_TRUE(c.ok()) << c.errore.toStdString();
    ASSERT_EQ(c.fogli.size(), 3);
    EXPECT_EQ(c.fogli[0].nome, "Eseguiti");
    EXPECT_EQ(c.fogli[1].nome, "Foglio2");
    EXPECT_EQ(c.fogli[2].nome, "Foglio3");
    EXPECT_EQ(c.attivo, 0);
    EXPECT_TRUE(c.fogli[0].selezionato);
    EXPECT_FALSE(c.fogli[1].selezionato);
    EXPECT_TRUE(c.fogli[1].celle.isEmpty());

    const FoglioXlsx& f = c.fogli[0];
    EXPECT_EQ(f.cella("D1").valore, "Brunivox Tabella eseguiti");
    const char* intestazioni[]
        = {"Data", "Tipo", "System", "Codice", "Titolo", "Quantità", "Prezzo", "Errore", "Prezzo ottimale"};
    for (int i = 0; i < 9; ++i) {
        const QString rif = QChar('A' + i) + QStringLiteral("2");
        EXPECT_EQ(f.cella(rif).valore, QString::fromUtf8(intestazioni[i])) << rif.toStdString();
    }
    // 1 March 2024 is day 45352 of the workbook's calendar.
    EXPECT_TRUE(f.cella("A3").numero);
    EXPECT_EQ(f.cella("A3").valore, "45352");
    EXPECT_EQ(f.cella("A3").formato, "dd/mm/yy");
    EXPECT_EQ(f.cella("B3").valore, "Buy");
    EXPECT_EQ(f.cella("F3").valore, "100");
    EXPECT_EQ(f.cella("G5").valore, "0.25");
    EXPECT_EQ(f.cella("H3").valore, "NE");
    EXPECT_FALSE(f.celle.contains("A6"));
    EXPECT_DOUBLE_EQ(f.altezzeRighe.value(1), 27);

    EXPECT_EQ(f.riquadroCongelato, "A3");
    EXPECT_EQ(f.cellaAttiva, "A3");
    EXPECT_TRUE(f.protetto);
    EXPECT_EQ(f.protezione.value("objects"), "1");
    EXPECT_EQ(f.protezione.value("scenarios"), "1");
    EXPECT_FALSE(f.protezione.contains("password"));
    EXPECT_EQ(f.immagini, 1);
}

TEST_F(CartellaExcelTest, OperazioniChiuseEPortafoglio)
{
    const EsitoEsportazione esito = esporta({true, false, true});
    ASSERT_TRUE(esito.esito.ok());
    EXPECT_EQ(esito.conteggi.OperazioniChiuse, 1);
    EXPECT_EQ(esito.conteggi.Portafoglio, 2);
    const CartellaXlsx c = LeggiCartellaXlsx(file);
    ASSERT_TRUE(c.ok());
    ASSERT_EQ(c.fogli.size(), 3);
    EXPECT_EQ(c.fogli[0].nome, "OperazioniChiuse");
    EXPECT_EQ(c.fogli[1].nome, "Portafoglio");
    EXPECT_EQ(c.fogli[2].nome, "Foglio3");
    EXPECT_EQ(c.attivo, 0);
    EXPECT_EQ(c.fogli[0].cella("D1").valore, "Brunivox Tabella operazioni chiuse");
    EXPECT_EQ(c.fogli[0].cella("L2").valore, "PzoOttimale");
    EXPECT_EQ(c.fogli[0].cella("A3").valore, "45366"); // 15 March 2024
    EXPECT_FALSE(c.fogli[0].celle.value("K3").numero); // the engine leaves Errore empty
    EXPECT_EQ(c.fogli[1].cella("D1").valore, "Brunivox Tabella portafoglio");
    EXPECT_EQ(c.fogli[1].cella("A3").valore, "ENI");
    EXPECT_EQ(c.fogli[1].cella("F2").valore, "Commis.");
    EXPECT_EQ(c.fogli[1].immagini, 1);
}

TEST_F(CartellaExcelTest, TabellaVuotaHaSoloLeIntestazioni)
{
    AmbientePortafoglio vuoto;
    file = vuoto.cartella.percorso(QStringLiteral("vuota.xlsx"));
    const EsitoEsportazione esito = EsportaExcel(vuoto.stato.DbPortafoglio, file, {false, false, true}, logo);
    ASSERT_TRUE(esito.esito.ok());
    EXPECT_EQ(esito.conteggi.Portafoglio, 0);
    const CartellaXlsx c = LeggiCartellaXlsx(file);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.fogli[0].cella("A2").valore, "Cod");
    for (const QString& rif : c.fogli[0].celle.keys())
        EXPECT_FALSE(rif.endsWith('3')) << rif.toStdString();
}

TEST_F(CartellaExcelTest, SenzaLogoNienteFile)
{
    logo = a.cartella.percorso(QStringLiteral("manca.bmp"));
    const EsitoEsportazione esito = esporta({true, true, true});
    EXPECT_FALSE(esito.esito.ok());
    EXPECT_TRUE(esito.esito.messaggio.contains(NomeLogoExcel));
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(CartellaExcelTest, CartellaNonScrivibileDettaInItaliano)
{
    const EsitoEsportazione esito = esporta({true, true, true}, QStringLiteral("manca/uscita.xls"));
    EXPECT_FALSE(esito.esito.ok());
    EXPECT_TRUE(esito.esito.messaggio.startsWith(QStringLiteral("Esportazione in Excel non riuscita")));
}

TEST_F(CartellaExcelTest, OgniCellaRiceveIlTestoIntero)
{
    const QString conNul = QStringLiteral("A") + QChar(0) + QStringLiteral("B");
    struct Caso {
        const char* nome;
        QString testo;
    };
    const Caso casi[] = {
        {"a NUL inside", conNul},
        {"a NUL at the start and the end", QChar(0) + conNul + QChar(0)},
        {"text that reads like an escape", QStringLiteral("_x0041_ e _x0041_x0042_")},
        {"text that reads like a lower-case escape", QStringLiteral("_x00e9_ e _x00E9_x00e9_")},
        {"text that reads like a formula", QStringLiteral("=1+2")},
        {"a formula that runs a command", QStringLiteral("=cmd|' /C calc'!A0")},
        {"a plus", QStringLiteral("+1")},
        {"a minus", QStringLiteral("-1")},
        {"an at", QStringLiteral("@SUM(A1)")},
        {"control characters", QStringLiteral("a\u0001b\rc\td\ne")},
        {"characters XML cannot hold", QStringLiteral("a\uFFFEb\uFFFFc")},
        {"code page characters", QStringLiteral("L’OR €")},
    };
    AmbientePortafoglio b;
    for (const Caso& c : casi)
        b.inserisci({"2024-03-01", "Buy", c.testo, c.testo, 1, 1});
    file = b.cartella.percorso(QStringLiteral("testi.xlsx"));
    const EsitoEsportazione esito = EsportaExcel(b.stato.DbPortafoglio, file, {false, true, false}, logo);
    ASSERT_TRUE(esito.esito.ok()) << esito.esito.messaggio.toStdString();
    const CartellaXlsx cartella = LeggiCartellaXlsx(file);
    ASSERT_TRUE(cartella.ok()) << cartella.errore.toStdString();
    int riga = 3;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        for (const QString colonna : {QStringLiteral("D"), QStringLiteral("E")}) {
            SCOPED_TRACE(colonna == QLatin1String("D") ? "Cod" : "Titolo");
            const CellaXlsx cella = cartella.fogli[0].cella(QStringLiteral("%1%2").arg(colonna).arg(riga));
            EXPECT_EQ(cella.valore, c.testo);
            // Text as text: never a number, never a formula a spreadsheet would run.
            EXPECT_FALSE(cella.numero);
            EXPECT_FALSE(cella.formula);
        }
        ++riga;
    }
}

TEST(LettoreXlsx, FileCheNonECartella)
{
    CartellaProva cartella;
    // A portfolio database is not a workbook.
    const CartellaXlsx c = LeggiCartellaXlsx(cartella.dataexe());
    EXPECT_FALSE(c.ok());
    EXPECT_EQ(c.errore, QStringLiteral("Il file DataExe.gvx non è una cartella di lavoro Excel leggibile."));
    EXPECT_FALSE(LeggiCartellaXlsx(cartella.percorso("manca.xls")).ok());
}

} // namespace
