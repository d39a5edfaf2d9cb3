// The figures read from real files, and the error statistics' rewrite of the catalogue.
#include "cartella_prova.h"
#include "figure_statistiche.h"
#include "semina_eseguiti.h"

#include <gtest/gtest.h>

namespace {

struct Database : ::testing::Test {
    CartellaProva cartella;
    QSqlDatabase dataset = cartella.apri(cartella.dataset());
    QSqlDatabase portafoglio = cartella.apri(cartella.nuovoPortafoglio(QStringLiteral("figure.gvf")));

    void chiusa(const char* data, double gp, double pct, double comm)
    {
        CartellaProva::esegui(portafoglio,
                              QStringLiteral("INSERT INTO OperazioniChiuse (Data, Cod, Qta, Prezzo, GP, GPPercentuale, "
                                             "Commissioni) VALUES ('%1', 'ENI', 10, 5, %2, %3, %4)")
                                  .arg(data)
                                  .arg(gp)
                                  .arg(pct)
                                  .arg(comm));
    }

    void eseguito(const char* errore, long long qta, double prezzo, double ottimale)
    {
        RigaEseguito r = RigaDiProva("2026-12-07", "Buy", "WEB", "ENI", "Eni", qta, prezzo, errore);
        r.PrezzoOttimale = ottimale;
        ASSERT_TRUE(SeminaEseguiti(portafoglio, {r}).esito.ok());
    }

    QVariant valore(const QString& sql) { return CartellaProva::valore(dataset, sql); }
};

TEST_F(Database, ReportReadsTheTaxRateAndTheRowsInInsertionOrder)
{
    CartellaProva::esegui(dataset, "UPDATE Settaggi SET CapitalGain = 12.5, SLMM = 250");
    chiusa("2026-12-09", 60, 1, 100);
    chiusa("2026-12-07", 40, 1, 50);
    const auto report = FigureReportDa(dataset, portafoglio);
    ASSERT_TRUE(report.ok()) << report.errore.toStdString();
    ASSERT_TRUE(report.figure.has_value());
    EXPECT_EQ(report.figure->tassa, 6);
    EXPECT_EQ(report.figure->totaleGP, -56);

    // Insertion order, not date order.
    EXPECT_EQ(FigureCapitaleDa(portafoglio).figure, (std::vector<double>{60, 100}));
    const auto serie = FigureGrOperazioniDa(dataset, portafoglio);
    ASSERT_EQ(serie.figure.size(), 2u);
    EXPECT_EQ(serie.figure[1].stopLoss, -250);
}

TEST_F(Database, EmptyTablesGiveEmptyFigures)
{
    EXPECT_FALSE(FigureReportDa(dataset, portafoglio).figure.has_value());
    EXPECT_TRUE(FigureCapitaleDa(portafoglio).figure.empty());
    EXPECT_EQ(FigureGiorniDa(portafoglio).figure, (std::array<std::optional<double>, 5>{}));
    EXPECT_TRUE(FigureMDDDa(portafoglio).figure.serie.empty());
    EXPECT_EQ(FigureMedieDa(portafoglio).figure.TotGiorni, 0);

    const auto errori = RicalcolaStatisticheErrori(dataset, portafoglio);
    EXPECT_TRUE(errori.ok());
    EXPECT_EQ(errori.figure.nEse, 0);
    EXPECT_EQ(errori.figure.percentuale, 0);
}

TEST_F(Database, ErrorStatisticsRewriteTheWholeCatalogue)
{
    CartellaProva::esegui(dataset, "UPDATE Errori SET Contatore = 5, Importo = 7");
    eseguito("EA", 100, 10.00, 9.50);
    eseguito("EA", 100, 12.00, 12.30);
    eseguito("NE", 10, 1, 1);

    const auto f = RicalcolaStatisticheErrori(dataset, portafoglio);
    ASSERT_TRUE(f.ok()) << f.errore.toStdString();
    EXPECT_EQ(f.figure.missedTot, 80);
    EXPECT_EQ(valore("SELECT Contatore || '/' || Importo FROM Errori WHERE Cod = 'EA'").toString(), "2/80.0");
    EXPECT_EQ(valore("SELECT COUNT(*) FROM Errori WHERE Cod <> 'EA' AND (Contatore <> 0 OR Importo <> 0)").toInt(), 0);
}

TEST_F(Database, AFailedRewriteLeavesTheCatalogueAsItWas)
{
    CartellaProva::esegui(dataset, "UPDATE Errori SET Contatore = 5, Importo = 7");
    eseguito("ER", 10, 2, 1);
    CartellaProva::esegui(dataset, "CREATE TEMP TRIGGER guasto BEFORE UPDATE OF Contatore ON main.Errori "
                                   "WHEN NEW.Cod = 'ER' AND NEW.Contatore > 0 "
                                   "BEGIN SELECT RAISE(ABORT, 'disco pieno'); END");

    const auto f = RicalcolaStatisticheErrori(dataset, portafoglio);
    EXPECT_FALSE(f.ok());
    EXPECT_TRUE(f.errore.contains("disco pieno")) << f.errore.toStdString();
    EXPECT_EQ(valore("SELECT COUNT(*) FROM Errori WHERE Contatore <> 5 OR Importo <> 7").toInt(), 0);
}

TEST_F(Database, AnUnreadableTableIsReportedNotTakenAsEmpty)
{
    CartellaProva::esegui(portafoglio, "DROP TABLE OperazioniChiuse");
    EXPECT_FALSE(FigureRiskDa(portafoglio).ok());
    EXPECT_FALSE(FigureReportDa(dataset, portafoglio).ok());
}

} // namespace
