#include "data_scritta.h"

#include <gtest/gtest.h>

namespace {

const QDate Oggi(2026, 12, 11);

} // namespace

TEST(LeggiDataScritta, DayMonthYearAsTyped)
{
    const struct {
        const char* testo;
        QDate data;
    } casi[] = {
        {"12/01/2026", QDate(2026, 1, 12)},
        {"1/2/2026", QDate(2026, 2, 1)},
        {"01/02/26", QDate(2026, 2, 1)},
        {"12012026", QDate(2026, 1, 12)},
        {"120126", QDate(2026, 1, 12)},
        {"31-12-2025", QDate(2025, 12, 31)},
        {"29.2.2024", QDate(2024, 2, 29)},
        {" 5/6/99 ", QDate(1999, 6, 5)},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.testo);
        const std::optional<QDate> d = date::LeggiDataScritta(QString::fromLatin1(c.testo), Oggi);
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(*d, c.data);
    }
}

TEST(LeggiDataScritta, WhatIsNoDateReadsAsNothing)
{
    for (const char* testo : {"", "31/02/2026", "29/02/2025", "12/13/2026", "0/1/2026", "1/0/2026", "1/2/202",
                              "1/2/2", "1/2/20260", "123/1/2026", "12/01", "12/01/2026/1", "1//2026", "1202026",
                              "1201202", "12 01 2026", "12/O1/2026", "+1/2/2026", "-1/2/2026", "1/2/0000"}) {
        SCOPED_TRACE(testo);
        EXPECT_FALSE(date::LeggiDataScritta(QString::fromLatin1(testo), Oggi).has_value());
    }
}

// Two digits are the year of those digits nearest to today: 50 years back, 49 ahead.
TEST(AnnoDaDueCifre, NearestYearToToday)
{
    const struct {
        int dueCifre, annoOggi, anno;
    } casi[] = {
        {26, 2026, 2026}, {0, 2026, 2000}, {75, 2026, 2075}, {76, 2026, 1976}, {99, 2026, 1999},
        {29, 2080, 2129}, {30, 2080, 2030}, {50, 2000, 1950}, {49, 2000, 2049}, {0, 1999, 2000},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.dueCifre << " in " << c.annoOggi);
        EXPECT_EQ(date::AnnoDaDueCifre(c.dueCifre, c.annoOggi), c.anno);
    }
}
