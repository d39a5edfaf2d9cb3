// Error statistics from trades and catalogue, without a database.
#include "numeri.h"
#include "statistiche_errori.h"

#include <gtest/gtest.h>

namespace {

using numeri::TestoNumero;

RigaEseguito Trade(const char* errore, long long qta, double prezzo, std::optional<double> ottimale)
{
    RigaEseguito e;
    e.Errore = QString::fromLatin1(errore);
    e.Qta = qta;
    e.Prezzo = prezzo;
    e.PrezzoOttimale = ottimale;
    return e;
}

// The figures as the windows count them, one trade at a time.
FigureErrori Conta(const std::vector<RigaEseguito>& eseguiti, const std::vector<RigaErrore>& catalogo)
{
    ConteggioErrori conteggio(catalogo);
    for (const RigaEseguito& e : eseguiti)
        conteggio.Aggiungi(e);
    return conteggio.Figure();
}

std::vector<RigaErrore> Catalogo()
{
    // Stale figures from an earlier portfolio: every run starts them from 0.
    return {{"NE", "Nessun errore", 9, 9}, {"E1", "Entrata", 7, 70}, {"E2", "Uscita", 3, 5}, {"E3", "Stop", 0, 0}};
}

TEST(StatisticheErrori, WorkedExampleOfE1)
{
    const FigureErrori f = Conta(
        {Trade("E1", 100, 10.00, 9.50), Trade("E1", 100, 12.00, 12.30), Trade("NE", 10, 5, 5)}, Catalogo());
    EXPECT_EQ(f.nErr, 2);
    EXPECT_EQ(f.nEse, 3);
    EXPECT_EQ(f.missedTot, 80);
    EXPECT_EQ(TestoNumero(f.percentuale), "66,7");
    EXPECT_EQ(f.piuFrequente, "Entrata");
    EXPECT_EQ(f.piuPericoloso, "Entrata");
    const std::vector<RigaErrore> attesi = {
        {"NE", "Nessun errore", 0, 0}, {"E1", "Entrata", 2, 80}, {"E2", "Uscita", 0, 0}, {"E3", "Stop", 0, 0}};
    EXPECT_EQ(f.catalogo, attesi);
    EXPECT_EQ(f.righeGrafico, 3);
    const std::vector<RigaGraficoErrori> grafico = {{"Entrata", 100, 100}, {"Uscita", 0, 0}, {"Stop", 0, 0}};
    EXPECT_EQ(f.grafico, grafico);
}

TEST(StatisticheErrori, MissedGainDropsOnlyATrueFraction)
{
    struct Caso {
        const char* nome;
        long long qta;
        double prezzo, ottimale;
        double mancato;
    };
    const Caso casi[] = {
        // 400 x 0,15 is 59,99999999999996 in binary.
        {"sell 400 at 2,70, best 2,85", 400, 2.70, 2.85, 60},
        {"buy 400 at 2,85, best 2,70", 400, 2.85, 2.70, 60},
        {"7 x 0,15 = 1,05", 7, 2.70, 2.85, 1},
        {"100 x 0,3 = 30", 100, 12.00, 12.30, 30},
        {"3 x 0,3333 = 0,9999", 3, 1.0, 1.3333, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(MancatoGuadagno(Trade("E1", c.qta, c.prezzo, c.ottimale)), c.mancato);
        const FigureErrori f = Conta({Trade("E1", c.qta, c.prezzo, c.ottimale)}, Catalogo());
        EXPECT_EQ(f.missedTot, c.mancato);
        EXPECT_EQ(f.catalogo[1].Importo, c.mancato);
    }
}

TEST(StatisticheErrori, SharesAndLabels)
{
    struct Caso {
        const char* nome;
        std::vector<RigaEseguito> eseguiti;
        long long nErr;
        const char *percentuale, *mancati, *frequente, *pericoloso;
    };
    std::vector<RigaEseguito> quattrocento(399, Trade("NE", 1, 1, 1));
    quattrocento.push_back(Trade("E2", 1, 1, 1));
    const Caso casi[] = {
        {"1 of 400 shows 0,2", quattrocento, 1, "0,2", "0", "Uscita", ""},
        {"an error at its best price costs 0", {Trade("E2", 50, 3, 3)}, 1, "100", "0", "Uscita", ""},
        {"no error", {Trade("NE", 5, 1, 2)}, 0, "0", "0", "", ""},
        {"a code not in the catalogue counts nothing", {Trade("ZZ", 10, 1, 2), Trade("NE", 1, 1, 1)}, 0, "0", "0", "",
         ""},
        {"a trade without a best price misses nothing", {Trade("E3", 10, 1, std::nullopt)}, 1, "100", "0", "Stop", ""},
        {"the missed gain drops its fraction", {Trade("E3", 3, 1, 1.25)}, 1, "100", "0", "Stop", ""},
        {"no trade", {}, 0, "0", "0", "", ""},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const FigureErrori f = Conta(c.eseguiti, Catalogo());
        EXPECT_EQ(f.nErr, c.nErr);
        EXPECT_EQ(f.nEse, static_cast<long long>(c.eseguiti.size()));
        EXPECT_EQ(TestoNumero(f.percentuale), c.percentuale);
        EXPECT_EQ(TestoNumero(f.missedTot), c.mancati);
        EXPECT_EQ(f.piuFrequente, c.frequente);
        EXPECT_EQ(f.piuPericoloso, c.pericoloso);
    }
}

TEST(StatisticheErrori, TiesGoToTheEarlierCatalogueRow)
{
    // E3 and E2 both twice, E2 first in the catalogue; E3 and E1 cost the same, E1 first.
    const FigureErrori f = Conta({Trade("E3", 10, 1, 2), Trade("E3", 1, 1, 1), Trade("E2", 1, 1, 1),
                                                     Trade("E2", 1, 1, 1), Trade("E1", 10, 2, 1)},
                                                    Catalogo());
    EXPECT_EQ(f.piuFrequente, "Uscita");
    EXPECT_EQ(f.piuPericoloso, "Entrata");
    ASSERT_EQ(f.grafico.size(), 3u);
    EXPECT_EQ(f.grafico[0].Descrizione, "Uscita");
    EXPECT_EQ(f.grafico[1].Descrizione, "Stop");
    EXPECT_EQ(f.grafico[2].Descrizione, "Entrata");
    EXPECT_DOUBLE_EQ(f.grafico[1].quotaConteggio, 40);
    EXPECT_DOUBLE_EQ(f.grafico[1].quotaImporto, 50);
}

// The no-error code is whatever the first row holds, not the literal "NE".
TEST(StatisticheErrori, NoErrorCodeIsTheFirstRow)
{
    std::vector<RigaErrore> catalogo = {{"OK", "Tutto bene", 0, 0}, {"NE", "Non eseguito", 0, 0}};
    const FigureErrori f = Conta({Trade("OK", 1, 1, 2), Trade("NE", 1, 1, 3)}, catalogo);
    EXPECT_EQ(f.nErr, 1);
    EXPECT_EQ(f.missedTot, 2);
    EXPECT_EQ(f.piuFrequente, "Non eseguito");
    ASSERT_EQ(f.grafico.size(), 1u);
    EXPECT_EQ(f.grafico[0].Descrizione, "Non eseguito");
}

TEST(StatisticheErrori, EmptyCatalogueShowsZeros)
{
    const FigureErrori f = Conta({Trade("E1", 1, 1, 2)}, {});
    EXPECT_EQ(f.nErr, 0);
    EXPECT_EQ(f.percentuale, 0);
    EXPECT_TRUE(f.catalogo.empty());
    EXPECT_TRUE(f.grafico.empty());
    EXPECT_EQ(f.righeGrafico, 0);
}

} // namespace
