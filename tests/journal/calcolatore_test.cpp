#include "calcolatore.h"
#include "calcolatore_dati.h"
#include "cartella_prova.h"

#include <gtest/gtest.h>

#include <ostream>

namespace calcolatore {

void PrintTo(const TestiAcquisto& t, std::ostream* os)
{
    *os << "{" << t.importo.toStdString() << " | " << t.SLP.toStdString() << " | " << t.SLMM.toStdString() << " | "
        << t.PdP.toStdString() << "}";
}

void PrintTo(const TestiVendita& t, std::ostream* os)
{
    *os << "{" << t.importo.toStdString() << " | " << t.Commissioni.toStdString() << " | " << t.GP.toStdString()
        << " | " << t.PercentualeGP.toStdString() << "}";
}

} // namespace calcolatore

using namespace calcolatore;

namespace {

const Settaggi Stop{5, 50};      // SLP 5 %, SLMM 50
const Sistema Sistema2{2, 5};    // 2 per mille, at least 5 a leg

} // namespace

TEST(Calcolatore, WorkedExampleOfBothSides)
{
    const FigureAcquisto a = CalcolaAcquisto(10, 100, Stop, Sistema2);
    EXPECT_DOUBLE_EQ(a.A, 1000);
    EXPECT_DOUBLE_EQ(a.SLP, 9.5);
    EXPECT_DOUBLE_EQ(a.SLMM, 9.5);
    EXPECT_DOUBLE_EQ(a.PdP, 10.04) << "both legs at the rate, without the minimum";

    struct Caso {
        double S;
        double V, commissioni, GP, percento;
    };
    const Caso casi[] = {
        {11, 1100, 10, 90, 9},     // 2 and 2,2 both raised to 5
        {9.9, 990, 10, -20, -2},
        {30, 3000, 11, 1989, 198},  // the buy leg at the minimum, the sell leg at the rate
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.S);
        const FigureVendita v = CalcolaVendita(1000, k.S, 100, Sistema2);
        EXPECT_DOUBLE_EQ(v.V, k.V);
        EXPECT_DOUBLE_EQ(v.Commissioni, k.commissioni);
        EXPECT_DOUBLE_EQ(v.GP, k.GP);
        EXPECT_DOUBLE_EQ(v.PercentualeGP, k.percento);
    }
}

TEST(Calcolatore, ProfitRoundsHalvesToEvenAndPerCentRoundsDown)
{
    struct Caso {
        const char* nome;
        double A, S, Q;
        Sistema sistema;
        QString GP, percento;
    };
    const Caso casi[] = {
        // Commissions of 0,875 and 0,625 leave profits of exactly 2,125 and 2,375.
        {"2,125", 10, 13, 1, {0, 0.4375}, "2,12", "21"},
        {"2,375", 10, 13, 1, {0, 0.3125}, "2,38", "23"},
        {"-0,5 %", 1000, 9.95, 100, {0, 0}, "-5", "-1"},
        {"0,3 %", 1000, 10.03, 100, {0, 0}, "3", "0"},
        // 0,29 x 100 / 29 is 0,9999999999999999 in binary: a whole 1 %.
        {"1 % of 29", 29, 29.29, 1, {0, 0}, "0,29", "1"},
        {"0,97 % of 31", 31, 31.3, 1, {0, 0}, "0,3", "0"},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        const auto testi = RicalcolaVendita({"10", QString::number(k.Q), QString::number(k.S).replace('.', ',')},
                                            QString::number(k.A), k.sistema);
        ASSERT_TRUE(testi.has_value());
        EXPECT_EQ(testi->GP, k.GP);
        EXPECT_EQ(testi->PercentualeGP, k.percento);
    }
}

TEST(Calcolatore, WhenEachSideComputesEmptiesOrKeeps)
{
    using A = std::optional<TestiAcquisto>;
    const A vuota = TestiAcquisto{};
    const A esempio = TestiAcquisto{"1000", "9,5", "9,5", "10,04"};
    struct Caso {
        const char* nome;
        Ingressi in;
        bool conSistema;
        A atteso;
    };
    const Caso casi[] = {
        {"example", {"10", "100", ""}, true, esempio},
        {"empty price keeps", {"", "100", ""}, true, std::nullopt},
        {"price 0 empties", {"0", "100", ""}, true, vuota},
        {"quantity empty empties", {"10", "", ""}, true, vuota},
        {"quantity 0 empties", {"10", "0", ""}, true, vuota},
        {"quantity 00 counts as 0", {"10", "00", ""}, true, vuota},
        {"pasted price with a point keeps", {"10.5", "100", ""}, true, std::nullopt},
        {"pasted letters keep", {"abc", "100", ""}, true, std::nullopt},
        {"pasted negative price keeps", {"-10", "100", ""}, true, std::nullopt},
        {"pasted quantity with a comma keeps", {"10", "2,5", ""}, true, std::nullopt},
        {"no system empties", {"10", "100", ""}, false, vuota},
        {"no system, empty price still keeps", {"", "100", ""}, false, std::nullopt},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        const A r = RicalcolaAcquisto(k.in, Stop, k.conSistema ? std::optional<Sistema>(Sistema2) : std::nullopt);
        EXPECT_EQ(r, k.atteso);
    }
    EXPECT_EQ(RicalcolaAcquisto({"10", "100", ""}, std::nullopt, Sistema2), vuota) << "no settings row";

    using V = std::optional<TestiVendita>;
    const V vuotaV = TestiVendita{};
    struct CasoV {
        const char* nome;
        Ingressi in;
        QString A;
        bool conSistema;
        V atteso;
    };
    const CasoV casiV[] = {
        {"example", {"10", "100", "11"}, "1000", true, TestiVendita{"1100", "10", "90", "9"}},
        {"sell price empty keeps", {"10", "100", ""}, "1000", true, std::nullopt},
        {"sell price 0 empties", {"10", "100", "0"}, "1000", true, vuotaV},
        {"pasted sell price keeps", {"10", "100", "1x"}, "1000", true, std::nullopt},
        {"no buy amount empties", {"10", "100", "11"}, "", true, vuotaV},
        {"buy amount 0 empties", {"0", "100", "11"}, "0", true, vuotaV},
        {"quantity 00 empties", {"10", "00", "11"}, "1000", true, vuotaV},
        // The sell side asks for the buy amount shown, the sell price and the quantity, not
        // for the buy price: the amount shown counts even when the price box is empty.
        {"buy price emptied, sell price changed",
         {"", "100", "12"},
         "1000",
         true,
         TestiVendita{"1200", "10", "190", "19"}},
        {"buy price emptied, quantity changed",
         {"", "200", "11"},
         "1000",
         true,
         TestiVendita{"2200", "10", "1190", "119"}},
        {"buy price pasted as letters", {"abc", "100", "12"}, "1000", true, TestiVendita{"1200", "10", "190", "19"}},
        {"no system empties", {"10", "100", "11"}, "1000", false, vuotaV},
        {"exponent form of a large amount",
         {"10", "100", "11"},
         "1,5E+20",
         true,
         TestiVendita{"1100", "3E+17", "-1,503E+20", "-101"}},
    };
    for (const CasoV& k : casiV) {
        SCOPED_TRACE(k.nome);
        EXPECT_EQ(RicalcolaVendita(k.in, k.A, k.conSistema ? std::optional<Sistema>(Sistema2) : std::nullopt),
                  k.atteso);
    }
}

TEST(Calcolatore, ReadsTheChosenSystemAndTheStopLosses)
{
    CartellaProva cartella;
    QSqlDatabase ds = cartella.apri(cartella.dataset());
    CartellaProva::esegui(ds, "UPDATE Settaggi SET SLP = 5, SLMM = 50");
    CartellaProva::esegui(ds, "INSERT INTO System (Cod, Descrizione, Commissioni, CommissioniMin) "
                              "VALUES ('D''X', 'apice', 2, 5), ('D''X', 'doppio', 9, 9)");

    const Lettura<Sistema> s = LeggiSistema(ds, "D'X");
    ASSERT_TRUE(s.ok()) << s.errore.toStdString();
    ASSERT_EQ(s.righe.size(), 1u) << "the code is a bound value, quote and all";
    EXPECT_DOUBLE_EQ(s.righe[0].Commissioni, 2) << "the first row with the code";
    EXPECT_DOUBLE_EQ(s.righe[0].CommissioniMin, 5);
    for (const char* cod : {"NOPE", "' OR '1'='1", ""}) {
        const Lettura<Sistema> nessuno = LeggiSistema(ds, cod);
        EXPECT_TRUE(nessuno.ok() && nessuno.righe.empty()) << cod;
    }

    Parametri p = LeggiParametri(ds, "D'X");
    EXPECT_EQ(p.errore, "");
    ASSERT_TRUE(p.settaggi && p.sistema);
    EXPECT_DOUBLE_EQ(p.settaggi->SLP, 5);
    EXPECT_DOUBLE_EQ(p.settaggi->SLMM, 50);
    p = LeggiParametri(ds, "NOPE");
    EXPECT_TRUE(p.errore.isEmpty() && p.settaggi && !p.sistema) << "a missing code is no failure";

    CartellaProva::esegui(ds, "DELETE FROM Settaggi");
    p = LeggiParametri(ds, "D'X");
    EXPECT_TRUE(p.errore.isEmpty() && !p.settaggi && p.sistema);

    CartellaProva::esegui(ds, "DROP TABLE System");
    p = LeggiParametri(ds, "D'X");
    EXPECT_TRUE(p.errore.startsWith("Errore del database")) << p.errore.toStdString();
    EXPECT_FALSE(p.sistema.has_value());
}
