#include "punti_per_pixel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

QList<QPointF> Onda(int n)
{
    QList<QPointF> punti;
    for (int i = 0; i < n; ++i)
        punti.append(QPointF(i, std::sin(i * 0.37) * 100 + (i % 11) - i * 0.01));
    return punti;
}

} // namespace

TEST(PuntiPerPixelTest, AShortLineComesBackWhole)
{
    const QList<QPointF> punti = Onda(400);
    EXPECT_EQ(PuntiPerPixel(punti, -0.5, 399.5, 100), punti);
    EXPECT_EQ(PuntiPerPixel(punti, -0.5, 399.5, 0), punti) << "no pixels: nothing to thin for";
}

// Every pixel column keeps where the line enters and leaves it and its extremes, in order.
TEST(PuntiPerPixelTest, ALongLineKeepsWhatEachPixelColumnShows)
{
    const int n = 20000;
    const int pixel = 300;
    const QList<QPointF> punti = Onda(n);
    const QList<QPointF> scelti = PuntiPerPixel(punti, -0.5, n - 0.5, pixel);
    ASSERT_LE(scelti.size(), 4 * pixel);
    EXPECT_EQ(scelti.front(), punti.front());
    EXPECT_EQ(scelti.back(), punti.back());
    EXPECT_TRUE(
        std::is_sorted(scelti.begin(), scelti.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); }));

    auto colonna = [&](const QPointF& p) { return int(std::floor((p.x() + 0.5) * pixel / n)); };
    std::map<int, std::pair<double, double>> estremi;
    for (const QPointF& p : punti) {
        auto [it, nuovo] = estremi.try_emplace(colonna(p), p.y(), p.y());
        it->second.first = std::min(it->second.first, p.y());
        it->second.second = std::max(it->second.second, p.y());
    }
    std::map<int, std::pair<double, double>> tenuti;
    for (const QPointF& p : scelti) {
        EXPECT_TRUE(punti.contains(p)) << "only points of the line";
        auto [it, nuovo] = tenuti.try_emplace(colonna(p), p.y(), p.y());
        it->second.first = std::min(it->second.first, p.y());
        it->second.second = std::max(it->second.second, p.y());
    }
    EXPECT_EQ(tenuti, estremi) << "every column keeps its lowest and highest point";
}
