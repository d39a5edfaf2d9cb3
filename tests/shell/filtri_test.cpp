#include "filtri.h"

#include <gtest/gtest.h>

namespace {

struct CasoNumero {
    const char* testo;
    int caret;
    char tasto;
    int maxInt;
    int maxDec;
    bool passa;
};

} // namespace

TEST(FiltraNumero, LimitsEachSideOfTheComma)
{
    const CasoNumero casi[] = {
        {"12345", 5, '6', 5, 2, false},   // sixth integer digit
        {"12345", 5, ',', 5, 2, true},
        {"12345,", 6, '6', 5, 2, true},
        {"12345,6", 7, '7', 5, 2, true},
        {"12345,67", 8, '8', 5, 2, false}, // third decimal
        {"12345,67", 2, '1', 5, 2, false}, // caret in a full integer part
        {"1234,67", 2, '1', 5, 2, true},
        {"1,5", 0, '2', 1, 2, false},     // caret before the comma: the integer part is full
        {"1,5", 0, ',', 1, 2, false},     // second comma
        {"1,5", 3, ',', 5, 2, false},
        {"123", 3, ',', 8, 0, false},     // quantities take no comma
        {"", 0, ',', 8, 0, false},
        {"", 0, '0', 8, 0, true},
        {"12", 2, '.', 5, 2, false},
        {"12", 2, '-', 5, 2, false},
        {"12", 2, 'a', 5, 2, false},
        {"", 0, ',', 5, 2, true},
    };
    for (const CasoNumero& c : casi) {
        const int atteso = c.passa ? c.tasto : 0;
        EXPECT_EQ(FiltraNumero(c.testo, c.caret, c.tasto, c.maxInt, c.maxDec), atteso)
            << "text '" << c.testo << "' caret " << c.caret << " key '" << c.tasto << "'";
    }
}

TEST(FiltraNumero, BackspaceAlwaysPasses)
{
    EXPECT_EQ(FiltraNumero("12345,67", 8, TastoBackspace, 5, 2), TastoBackspace);
    EXPECT_EQ(FiltraNumero("", 0, TastoBackspace, 0, 0), TastoBackspace);
}

TEST(FiltraCaratteri, SwallowsTheFifteenCharacters)
{
    for (char c : QByteArray("!@#$%^&*()_+-='"))
        EXPECT_EQ(FiltraCaratteri(c), 0) << c;
    for (char c : QByteArray("aZ09 .,;:/"))
        EXPECT_EQ(FiltraCaratteri(c), c) << c;
    EXPECT_EQ(FiltraCaratteri(TastoBackspace), TastoBackspace);
    EXPECT_EQ(FiltraCaratteri(0xE8), 0xE8); // è
}
