#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "support/Placing.h"
#include "tiling/Ordering.h"

namespace rho {
namespace {

using OrderingTest = test::TilingFixture;

TEST_F(OrderingTest, RowsByYAfterAnXPassWithKeysComparedExactly) {
    using Centres = std::vector<std::pair<double, double>>;
    auto order = [&](const Centres& centres) {
        t.shapeLast = static_cast<int>(centres.size()) - 1;
        for (int i = 0; i <= t.shapeLast; ++i) t.shapes[i] = {centres[i].first, centres[i].second, 1, 0, 1};
        ordershapes1Click(t, shell);
        Centres out;
        for (int i = 0; i <= t.shapeLast; ++i) out.emplace_back(t.shapes[i].x, t.shapes[i].y);
        return out;
    };
    EXPECT_EQ(order({{10, 5}, {0, 5}}), (Centres{{0, 5}, {10, 5}}));
    EXPECT_EQ(order({{0, 9}, {0, 3}}), (Centres{{0, 3}, {0, 9}}));
    EXPECT_EQ(order({{3, 1}, {1, 2}, {2, 1}}), (Centres{{2, 1}, {3, 1}, {1, 2}}));
    EXPECT_EQ(order({{1, 0.30000000000000004}, {2, 0.3}}), (Centres{{2, 0.3}, {1, 0.30000000000000004}}));
    EXPECT_EQ(shell.statusHistory.end()[-2], "ordering shapes");
    EXPECT_EQ(shell.statusHistory.back(), "idle");
}

// Few distinct keys, so that equal keys meet often and their order shows.
TEST_F(OrderingTest, SameOrderAsAShellSortOfTheRecordsThemselvesWithManyTies) {
    auto recordSort = [](std::vector<TileShape>& a, double TileShape::*key) {
        const int n = static_cast<int>(a.size());
        for (int gap = n / 2; gap > 0; gap /= 2)
            for (int i = gap; i < n; ++i)
                for (int j = i - gap; j >= 0 && a[j].*key > a[j + gap].*key; j -= gap) std::swap(a[j], a[j + gap]);
    };
    std::mt19937 rng(5);
    for (int n : {2, 3, 17, 1000, 15000}) {
        std::vector<TileShape> expected;
        for (int i = 0; i < n; ++i) expected.push_back({rng() % 13 * 1.0, rng() % 7 * 1.0, 1, 0, i + 1});
        setShapes(expected);
        for (auto key : {&TileShape::x, &TileShape::y}) recordSort(expected, key);
        orderShapes(t, shell);
        for (int i = 0; i < n; ++i) ASSERT_EQ(t.shapes[i].color, expected[static_cast<size_t>(i)].color) << n;
    }
}

}  // namespace
}  // namespace rho
