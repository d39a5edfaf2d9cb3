#include "twips.h"

#include <gtest/gtest.h>

#include <cmath>

// Designed sizes go to the nearest pixel; a position stepped one twip at a time goes to the
// pixel at or before it, so it moves one pixel every 15 twips.
TEST(Twips, NearestPixelAndPixelAtOrBefore)
{
    struct Caso {
        int twips;
        int vicino;
        int perDifetto;
    };
    const Caso casi[] = {
        {0, 0, 0},     {7, 0, 0},      {8, 1, 0},        {14, 1, 0},        {15, 1, 1},  {22, 1, 1},
        {23, 2, 1},    {1000, 67, 66}, {1935, 129, 129}, {-1, 0, -1},       {-7, 0, -1}, {-8, -1, -1},
        {-15, -1, -1}, {-16, -1, -2},  {-23, -2, -2},    {10420, 695, 694},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.twips);
        EXPECT_EQ(twips::Pixel(k.twips), k.vicino);
        EXPECT_EQ(twips::PixelPerDifetto(k.twips), k.perDifetto);
    }
    for (int t = -20000; t <= 20000; ++t) {
        ASSERT_EQ(twips::Pixel(t), std::lround(t / 15.0)) << t;
        ASSERT_EQ(twips::PixelPerDifetto(t), static_cast<int>(std::floor(t / 15.0))) << t;
    }
    EXPECT_EQ(twips::DaPixel(67), 1005);
}
