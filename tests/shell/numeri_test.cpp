#include "date.h"
#include "numeri.h"
#include "numero_scritto.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace numeri;

TEST(ArrotondaPari, HalvesGoToTheEvenDigit)
{
    struct Caso { double valore; int decimali; double atteso; };
    const Caso casi[] = {
        {2.125, 2, 2.12}, {2.375, 2, 2.38}, {0.5, 0, 0}, {1.5, 0, 2}, {2.5, 0, 2}, {-2.5, 0, -2},
        {11.00005, 4, 11.0}, {10.123456, 4, 10.1235}, {34.25, 1, 34.2}, {34.35, 1, 34.4}, {-0.125, 2, -0.12},
        // halves whose double lies just below the half
        {1.015, 2, 1.02}, {-1.015, 2, -1.02}, {1.025, 2, 1.02}, {1.00005, 4, 1.0},
    };
    for (const Caso& c : casi)
        EXPECT_DOUBLE_EQ(ArrotondaPari(c.valore, c.decimali), c.atteso) << c.valore << " to " << c.decimali;
}

TEST(Interi, IntIsFloorAndConversionRoundsHalvesToEven)
{
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(112.5), 112);
    EXPECT_EQ(Int(3.0), 3);
    EXPECT_EQ(InteroPari(2.5), 2);
    EXPECT_EQ(InteroPari(3.5), 4);
    EXPECT_EQ(InteroPari(-1.5), -2);
    EXPECT_EQ(InteroPari(9999.4), 9999);
}

TEST(SenzaRumore, IntDropsOnlyATrueFraction)
{
    struct Caso {
        const char* nome;
        double valore;
        double intero; // Int of the value without noise
    };
    // Values worked out at run time, as the figures work them out.
    volatile double quattrocento = 400, sette = 7, unoTredici = 1.13;
    const Caso casi[] = {
        {"400 x (2,85 - 2,70) = 59,99999999999996", quattrocento * (2.85 - 2.70), 60},
        {"7 x 0,15 = 1,05 keeps its fraction", sette * 0.15, 1},
        {"1,05 - 8,05 = -7,000000000000001", 1.05 - 8.05, -7},
        {"-0,5 still goes down", -0.5, -1},
        {"a fraction at the fourth decimal", 59.9999, 59},
        {"100700 x 1,13 = 113790,99999999999", 100700 * unoTredici, 113791},
        {"10000000 x 1,13 = 11299999,999999998", 10000000 * unoTredici, 11300000},
        {"a large whole number stays itself", 123456789012.0, 123456789012},
        {"zero", 0, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(Int(SenzaRumore(c.valore)), c.intero);
    }
    EXPECT_EQ(SenzaRumore(1.05), 1.05) << "the nearest double to the decimal";
    EXPECT_EQ(SenzaRumore(quattrocento * (2.85 - 2.70)), 60.0);
    EXPECT_TRUE(std::isinf(SenzaRumore(HUGE_VAL)));
    EXPECT_TRUE(std::isnan(SenzaRumore(NAN)));
}

TEST(SenzaRumore, HalvesReachTheEvenDigit)
{
    // 28 wins in 29: Round(9,655..., 3) x 100 is 965,4999999999999 in binary, a true half.
    volatile double ventotto = 28;
    const double quota = ArrotondaPari(10 * ventotto / 29, 3) * 100;
    ASSERT_LT(quota, 965.5);
    EXPECT_EQ(InteroPari(SenzaRumore(quota)), 966);
    EXPECT_EQ(InteroPari(SenzaRumore(62.5)), 62) << "an exact half still goes to even";
    EXPECT_EQ(InteroPari(SenzaRumore(965.4999)), 965) << "a true fraction below the half";
}

TEST(TestoNumero, ItalianPlainForm)
{
    struct Caso { double valore; const char* atteso; };
    const Caso casi[] = {
        {0, "0"}, {12.5, "12,5"}, {-3.25, "-3,25"}, {1000000, "1000000"}, {0.1 + 0.2, "0,3"},
        {1e20, "1E+20"}, {1.5e-7, "1,5E-07"}, {123456789012345678.0, "1,23456789012346E+17"},
        {999999999999999.0, "999999999999999"}, {0.0001, "0,0001"}, {0.00001, "1E-05"}, {2.0 / 3.0, "0,666666666666667"},
        {-1e15, "-1E+15"}, {-42, "-42"}, {7, "7"}, {-999999999999999.0, "-999999999999999"}, {1e14, "100000000000000"},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(TestoNumero(c.valore).toStdString(), c.atteso) << c.valore;
}

TEST(LeggiNumero, AcceptsOnlyDigitsWithOneComma)
{
    EXPECT_EQ(LeggiNumero("12,5"), 12.5);
    EXPECT_EQ(LeggiNumero("7"), 7.0);
    EXPECT_EQ(LeggiNumero(",5"), 0.5);
    EXPECT_EQ(LeggiNumero("5,"), 5.0);
    for (const char* cattivo : {"", ",", "1,2,3", "1.5", "-3", "abc", "1e5", " , "})
        EXPECT_FALSE(LeggiNumero(cattivo).has_value()) << cattivo;
    EXPECT_EQ(LeggiIntero("00120"), 120);
    EXPECT_FALSE(LeggiIntero("12,0").has_value());
    EXPECT_FALSE(LeggiIntero("").has_value());
}

TEST(LeggiNumeroMostrato, TakesTypedNumbersAndTheProgramsOwnTextOnly)
{
    struct Caso { const char* testo; double atteso; };
    const Caso buoni[] = {{"12,5", 12.5}, {",5", 0.5}, {"-50", -50}, {"1E+20", 1e20}, {"1,5E-07", 1.5e-7},
                          {"-3,25", -3.25}, {"0,666666666666667", 0.666666666666667}};
    for (const Caso& c : buoni) {
        SCOPED_TRACE(c.testo);
        ASSERT_TRUE(LeggiNumeroMostrato(c.testo).has_value());
        EXPECT_DOUBLE_EQ(*LeggiNumeroMostrato(c.testo), c.atteso);
    }
    // Texts the program never writes: a typed sign or exponent is still refused.
    for (const char* cattivo : {"", ",", "-", "1e+20", "1E20", "+5", "1.5", "-0", "1,50E+20", "--5", "5-"})
        EXPECT_FALSE(LeggiNumeroMostrato(cattivo).has_value()) << cattivo;
}

TEST(Date, IsoForStorageAndDayMonthYearForTheUser)
{
    const QDate d(2024, 3, 5);
    EXPECT_EQ(date::DataIso(d), "2024-03-05");
    EXPECT_EQ(date::DataUtente(d), "05/03/2024");
    EXPECT_EQ(date::DaIso("2024-03-05"), d);
    EXPECT_EQ(date::IsoInUtente("2024-12-31"), "31/12/2024");
    EXPECT_EQ(date::GiornoSettimana(QDate(2024, 3, 3)), 1); // a Sunday
    EXPECT_EQ(date::GiornoSettimana(QDate(2024, 3, 9)), 7); // a Saturday
}
