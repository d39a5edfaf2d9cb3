#include "date.h"
#include "numeri.h"
#include "numero_scritto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <cstring>
#include <iomanip>
#include <random>
#include <vector>

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

// The text as printf rounds 15 significant digits, built the plain way.
std::string TestoDaPrintf(double valore)
{
    if (valore == 0.0 || !std::isfinite(valore))
        return "0";
    if (std::fabs(valore) < 1e15 && valore == std::trunc(valore))
        return std::to_string(static_cast<long long>(valore));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(valore));
    std::string cifre;
    const char* e = buffer;
    for (; *e && *e != 'e'; ++e)
        if (*e >= '0' && *e <= '9')
            cifre += *e;
    const int esponente = std::atoi(e + 1);
    while (cifre.size() > 1 && cifre.back() == '0')
        cifre.pop_back();
    std::string testo;
    if (esponente >= 15 || esponente < -4) {
        testo = cifre.substr(0, 1) + (cifre.size() > 1 ? "," + cifre.substr(1) : "") + (esponente < 0 ? "E-" : "E+");
        const std::string x = std::to_string(std::abs(esponente));
        testo += (x.size() < 2 ? "0" : "") + x;
    } else if (esponente < 0) {
        testo = "0," + std::string(size_t(-esponente - 1), '0') + cifre;
    } else if (int(cifre.size()) <= esponente + 1) {
        testo = cifre + std::string(size_t(esponente + 1 - int(cifre.size())), '0');
    } else {
        testo = cifre.substr(0, size_t(esponente + 1)) + "," + cifre.substr(size_t(esponente + 1));
    }
    return valore < 0 ? "-" + testo : testo;
}

TEST(TestoNumero, RoundsAsPrintfOverEveryScale)
{
    std::vector<double> valori = {0.5, 1e15 + 0.5, 9.999999999999995, 0.000099999999999999995, 1e-5, 1e300, 5e-324,
                                  -1.7976931348623157e308, 123456789012345.6, 99999999999999.95, 1e21, 1e100};
    // Halves exact in binary at the 16th digit, where the rounding goes to even.
    for (int k = 1; k <= 60; ++k) {
        valori.push_back(std::ldexp(1.0, -k));
        valori.push_back(std::ldexp(3.0, -k) * 1e6);
    }
    std::mt19937_64 caso(7);
    std::uniform_real_distribution<double> unita(-1, 1);
    std::uniform_int_distribution<int> scala(-12, 22);
    for (int i = 0; i < 200000; ++i) {
        const double v = unita(caso) * std::pow(10.0, scala(caso));
        valori.push_back(v);
        valori.push_back(ArrotondaPari(v, 4));
        valori.push_back(ArrotondaPari(v, 2));
    }
    std::uniform_int_distribution<std::uint64_t> bit;
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t b = bit(caso);
        double v;
        std::memcpy(&v, &b, sizeof v);
        valori.push_back(v);
    }
    int diverse = 0;
    for (const double v : valori) {
        char testo[TestoNumeroMassimo];
        const int n = ScriviNumero(v, testo);
        const std::string atteso = TestoDaPrintf(v);
        if (std::string(testo, size_t(n)) != atteso || TestoNumero(v).toStdString() != atteso) {
            if (++diverse <= 10)
                ADD_FAILURE() << std::setprecision(17) << v << ": " << std::string(testo, size_t(n)) << " != " << atteso;
        }
    }
    EXPECT_EQ(diverse, 0);
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

namespace {

// The rounding as first written, through pow and log10 on every call: the rounding of every
// stored figure must stay bit for bit what it was.
double SenzaRumoreDiRiferimento(double valore)
{
    if (valore == 0.0 || !std::isfinite(valore))
        return valore;
    const int cifre = std::max(1, static_cast<int>(std::floor(std::log10(std::fabs(valore)))) + 1);
    const int decimali = std::min(9, 15 - cifre);
    if (decimali <= 0)
        return valore;
    const double scala = std::pow(10.0, decimali);
    return std::nearbyint(valore * scala) / scala;
}

double ArrotondaPariDiRiferimento(double valore, int decimali)
{
    const double scala = std::pow(10.0, decimali);
    return std::nearbyint(SenzaRumoreDiRiferimento(valore * scala)) / scala;
}

bool StessiBit(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

TEST(SenzaRumore, EveryValueKeepsTheBitsOfTheLogarithmicForm)
{
    // Around every power of ten, where the count of digits changes, and a spread of everyday
    // and extreme magnitudes.
    std::vector<double> valori;
    for (int k = -12; k <= 20; ++k) {
        const double p = std::pow(10.0, k);
        double v = p;
        for (int i = 0; i < 40; ++i)
            v = std::nextafter(v, 0.0);
        for (int i = 0; i < 80; ++i, v = std::nextafter(v, 1e300))
            valori.push_back(v);
        for (double f : {1 - 1e-9, 1 - 1e-10, 1 + 1e-9, 1 + 1e-10, 1 - 2e-9, 1 + 2e-9, 0.5, 2.5, 9.999999})
            valori.push_back(p * f);
    }
    std::mt19937_64 caso(7);
    std::uniform_real_distribution<double> esponente(-8, 17);
    for (int i = 0; i < 200000; ++i)
        valori.push_back(std::pow(10.0, esponente(caso)));
    for (double prezzo = 0.0001; prezzo < 2000; prezzo = prezzo * 1.37 + 0.0001)
        for (long long qta : {1LL, 7LL, 100LL, 333LL, 12345LL, 999999999LL})
            valori.push_back(prezzo * static_cast<double>(qta));
    for (const double assoluto : valori)
        for (const double v : {assoluto, -assoluto}) {
            ASSERT_TRUE(StessiBit(SenzaRumore(v), SenzaRumoreDiRiferimento(v))) << std::setprecision(17) << v;
            for (int decimali : {0, 1, 2, 3, 4})
                ASSERT_TRUE(StessiBit(ArrotondaPari(v, decimali), ArrotondaPariDiRiferimento(v, decimali)))
                    << std::setprecision(17) << v << " a " << decimali;
        }
}

TEST(Date, TheStoredFormReadsAsTheGeneralParserReadsIt)
{
    // Every day of the field widths, valid or not, and texts the short way must leave alone.
    QStringList testi;
    for (int anno : {0, 1, 99, 999, 1752, 1899, 1900, 2000, 2023, 2024, 2100, 9999})
        for (int mese = 0; mese <= 13; ++mese)
            for (int giorno = 0; giorno <= 32; ++giorno)
                testi << QStringLiteral("%1-%2-%3")
                             .arg(anno, 4, 10, QLatin1Char('0'))
                             .arg(mese, 2, 10, QLatin1Char('0'))
                             .arg(giorno, 2, 10, QLatin1Char('0'));
    testi << "2024-03-05 10:30" << "2024-03-05T00:00:00" << "2024-3-05" << "2024-03-5" << " 2024-03-05"
          << "2024-03-05 " << "+024-03-05" << "-024-03-05" << "2024/03/05" << "20240305" << "2024-03-0x"
          << "２０２４-03-05" << "2024-03" << "" << "abcd-ef-gh" << "2024--3-05" << "2024-0 -05" << "12345-03-05";
    for (const QString& testo : testi)
        EXPECT_EQ(date::DaIso(testo), QDate::fromString(testo.left(10), QStringLiteral("yyyy-MM-dd")))
            << testo.toStdString();
}
