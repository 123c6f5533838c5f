#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "support/FakeShell.h"
#include "tiling/Ordering.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using Centres = std::vector<std::pair<double, double>>;

struct OrderingTest : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> tiling = createTiling(shell);
    Tiling& t = *tiling;

    Centres order(const Centres& centres) {
        t.shapeLast = static_cast<int>(centres.size()) - 1;
        for (size_t i = 0; i < centres.size(); ++i) {
            t.shapes[i] = {centres[i].first, centres[i].second, static_cast<int>(i % 2), static_cast<int>(i),
                           static_cast<int>(i) + 1};
        }
        ordershapes1Click(t, shell);
        Centres out;
        for (int i = 0; i <= t.shapeLast; ++i) out.emplace_back(t.shapes[i].x, t.shapes[i].y);
        return out;
    }
};

TEST_F(OrderingTest, RowsByYAfterAnXPass) {
    EXPECT_EQ(order({}), Centres{});
    EXPECT_EQ(order({{4, 4}}), (Centres{{4, 4}}));
    EXPECT_EQ(order({{10, 5}, {0, 5}}), (Centres{{0, 5}, {10, 5}}));
    EXPECT_EQ(order({{0, 9}, {0, 3}}), (Centres{{0, 3}, {0, 9}}));
    EXPECT_EQ(order({{3, 1}, {1, 2}, {2, 1}}), (Centres{{2, 1}, {3, 1}, {1, 2}}));
    // Keys are compared exactly: a y that differs in the last bit is another row.
    EXPECT_EQ(order({{1, 0.30000000000000004}, {2, 0.3}}), (Centres{{2, 0.3}, {1, 0.30000000000000004}}));
}

TEST_F(OrderingTest, RecordsMoveWholeAndOnlyTheStatusIsTouched) {
    t.shapes[0] = {5.0, 5.0, kLargeShape, 7, -12};
    t.shapes[1] = {1.0, 1.0, kSmallShape, 3, 4};
    t.shapeLast = 1;
    t.modified = 0;
    orderShapes(t, shell);
    EXPECT_EQ(t.shapes[1].x, 5.0);
    EXPECT_EQ(t.shapes[1].kind, kLargeShape);
    EXPECT_EQ(t.shapes[1].angle, 7);
    EXPECT_EQ(t.shapes[1].color, -12);  // still selected
    EXPECT_EQ(t.shapes[0].color, 4);
    EXPECT_EQ(shell.statusHistory, (std::vector<std::string>{"ordering shapes", "idle"}));
    EXPECT_EQ(t.modified, 0);
    EXPECT_TRUE(shell.recording.calls.empty());
    EXPECT_TRUE(shell.progressPositions.empty());
}

// The Shell sort over whole records, step for step, as the reference order.
void referenceSort(std::vector<TileShape>& a, double TileShape::*key) {
    const int n = static_cast<int>(a.size());
    for (int gap = n / 2; gap > 0; gap /= 2)
        for (int i = gap; i < n; ++i)
            for (int j = i - gap; j >= 0 && a[j].*key > a[j + gap].*key; j -= gap) std::swap(a[j], a[j + gap]);
}

TEST_F(OrderingTest, SameOrderAsSortingTheRecordsThemselvesWithManyTies) {
    std::mt19937 rng(5);
    for (int n : {2, 3, 17, 1000, 15000}) {
        std::vector<TileShape> expected;
        for (int i = 0; i < n; ++i) {
            // Few distinct keys, so equal keys meet often and their order shows.
            const TileShape s{static_cast<double>(rng() % 13), static_cast<double>(rng() % 7), 1, 0, i + 1};
            expected.push_back(s);
            t.shapes[i] = s;
        }
        t.shapeLast = n - 1;
        referenceSort(expected, &TileShape::x);
        referenceSort(expected, &TileShape::y);
        orderShapes(t, shell);
        for (int i = 0; i < n; ++i) ASSERT_EQ(t.shapes[i].color, expected[static_cast<size_t>(i)].color) << n << " " << i;
    }
}

}  // namespace
}  // namespace rho
