#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "support/DeflatedTiling.h"
#include "support/Placing.h"
#include "tiling/Contour.h"
#include "tiling/ContourIndex.h"
#include "tiling/Geometry.h"
#include "tiling/Selection.h"

namespace rho {
namespace {

using ContourTest = test::TilingFixture;

TEST_F(ContourTest, TenAcuteCornersCloseThePointAndRemovalReopensIt) {
    auto pointsThere = [&] {
        auto there = [](const ContourVertex& v) { return nearWithin5(v.x, v.y, 100.0, 50.0); };
        return std::count_if(t.contour, t.contour + t.contourLast + 1, there);
    };
    for (int a = 0; a < 10; ++a) {
        computeCorners(t, {0.0, 0.0, kSmallShape, a, 1});
        t.shapes[a] = {100.0 - t.cornerBuffer[0].x, 50.0 - t.cornerBuffer[0].y, kSmallShape, a, 1};
        ASSERT_EQ(pointsThere(), a == 0 ? 0 : 1);
        buildCornerRecords(t, t.shapes[a]);
        ASSERT_EQ(mergeIntoContour(t), 1) << a;
    }
    EXPECT_EQ(pointsThere(), 0);
    t.shapeLast = 9;
    ASSERT_TRUE(removeFromContour(t, 3));
    ASSERT_EQ(pointsThere(), 1);
    EXPECT_EQ(contourDigits().back(), "1101111111");  // only shape 3's sector is free
}

TEST_F(ContourTest, ACornerNearTwoPointsIsRefusedAndRemovalClampsAtZero) {
    setShapes({{0.0, 0.0, kSmallShape, 0, 1}});
    buildCornerRecords(t, t.shapes[0]);
    ASSERT_EQ(mergeIntoContour(t), 1);
    t.contour[++t.contourLast] = {{1}, t.contour[0].x + 8.0, t.contour[0].y};
    const auto before = contourDigits();
    t.cornerScratch[0] = {{1}, t.contour[0].x + 4.0, t.contour[0].y};  // within 5 of points 0 and 4
    EXPECT_EQ(mergeIntoContourOutcome(t), MergeOutcome::Ambiguous);
    EXPECT_EQ(contourDigits(), before);

    // Corner 1 of the shape covers sectors 5..8; with only sector 0 left there, its point stays.
    t.contourLast = 3;
    t.contour[1] = {{1}, t.contour[1].x, t.contour[1].y};
    ASSERT_TRUE(removeFromContour(t, 0));
    EXPECT_EQ(contourDigits(), std::vector<std::string>{"1000000000"});
}

TEST_F(ContourTest, RecalculationReportsOverlapsOnceAndFlipsTheirSelection) {
    const TileShape second{38.042261, 12.360680, kLargeShape, 5, 4};
    setShapes({{0.0, 0.0, kLargeShape, 0, 1}, second, {300.0, 300.0, kSmallShape, 2, -6}, second,
               {0.0, 0.0, kLargeShape, 0, -9}});
    shell.statusHistory.clear();
    EXPECT_FALSE(recalculateContour(t, shell));
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Contur calculation failed"});
    EXPECT_EQ(colors(), (std::vector<int>{1, 4, -6, -4, 9}));
    EXPECT_EQ(shell.recording.count("polygon"), 3);  // the two refused shapes redrawn, one hatched
    EXPECT_EQ(t.contourLast, 9);
    EXPECT_EQ(shell.progressMax, 4);
    EXPECT_EQ(shell.progressPositions, (std::vector<int>{1, 2, 3, 4, 0}));
    EXPECT_EQ(shell.statusHistory.front(), "calculating conturs");
    EXPECT_EQ(shell.statusHistory.back(), "idle");

    t.shapeLast = 3000;  // 3001 separate shapes need 12004 points
    for (int i = 0; i <= t.shapeLast; ++i) t.shapes[i] = {100.0 * (i % 60), 100.0 * (i / 60), kSmallShape, 0, 1};
    EXPECT_FALSE(recalculateContour(t, shell));
    EXPECT_EQ(t.contourLast, kMaxContour - 1);
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>(2, "Contur calculation failed"));
    EXPECT_EQ(t.shapes[3000].color, 1);
}

struct ContourRebuildTest : test::TilingFixture {
    test::FakeShell freshShell;
    std::unique_ptr<Tiling> fresh = createTiling(freshShell);
    std::mt19937 rng{12345};

    int below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); }
    // Same sectors, and the same place (exact) or near within 5.
    static bool alike(const ContourVertex& p, const ContourVertex& q, bool exact) {
        return std::memcmp(p.sectors, q.sectors, kSectorBytes) == 0 &&
               (exact ? p.x == q.x && p.y == q.y : nearWithin5(p.x, p.y, q.x, q.y));
    }
    void copyShapesToFresh() {
        fresh->shapeLast = t.shapeLast;
        std::copy(t.shapes, t.shapes + t.shapeLast + 1, fresh->shapes);
    }
};

// Random attaches (pointer a little off) and deletions (one, or several through the selection) keep
// the contour equal to a fresh rebuild, as a set of points with their sectors.
TEST_F(ContourRebuildTest, IncrementalContourEqualsAFreshRebuild) {
    const std::vector<TileShape> full = test::deflatedTiling(t, 5);
    const std::vector<TileShape> pool(full.begin(), full.begin() + 120);
    for (unsigned seed : {1u, 2u, 3u}) {
        rng.seed(seed);
        t.shapeLast = t.contourLast = -1;
        int attached = 0, reopened = 0;  // reopened: deletions that brought inner corners back
        for (int step = 0; step < 400; ++step) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " step " + std::to_string(step));
            const int shapesBefore = t.shapeLast, pointsBefore = t.contourLast, roll = below(20);
            for (int tries = 0; (t.shapeLast < 0 || roll < 16) && tries < 8; ++tries) {
                const TileShape& s = pool[static_cast<size_t>(below(static_cast<int>(pool.size())))];
                if (test::attachAt(t, shell, s.x + uniform(-3, 3), s.y + uniform(-3, 3), s.kind, s.angle)) break;
            }
            if (shapesBefore >= 0 && roll >= 16 && roll < 19) deleteShape(t, shell, below(t.shapeLast + 1));
            if (shapesBefore >= 0 && roll == 19) {
                for (int k = 0; k < 3; ++k) flipSelection(t.shapes[below(t.shapeLast + 1)]);
                selected1Click(t, shell);
            }
            attached += t.shapeLast > shapesBefore;
            reopened += t.shapeLast < shapesBefore && t.contourLast > pointsBefore;
            copyShapesToFresh();
            ASSERT_TRUE(recalculateContour(*fresh, freshShell));
            ASSERT_EQ(t.contourLast, fresh->contourLast);
            for (int c = 0; c <= t.contourLast; ++c) {
                auto same = [&](const ContourVertex& q) { return alike(t.contour[c], q, false); };
                ASSERT_EQ(std::count_if(fresh->contour, fresh->contour + t.contourLast + 1, same), 1) << "point " << c;
            }
        }
        EXPECT_GT(attached, 100);
        EXPECT_GT(reopened, 10);
    }
}

// Random tilings (shuffled rhombs of a proper tiling, then copies turned or shifted a little): both
// rebuilds agree bit for bit, and corners on or just off their points meet the same pairs in order.
TEST_F(ContourRebuildTest, IndexedRebuildFindsThePairsOfThePlainScan) {
    const std::vector<TileShape> pool = test::deflatedTiling(t, 6);
    const double offsets[] = {-5.0, -4.999999, -0.5, 0.0, 4.999999, 5.0, 5.000001};
    ContourIndex index(kMaxContour);
    int multiPairs = 0;
    for (int round = 0; round < 4; ++round) {
        std::vector<TileShape> shapes(pool.begin(), pool.begin() + 400);
        std::shuffle(shapes.begin(), shapes.end(), rng);
        for (int k = 0; k < round * 20; ++k) {
            TileShape s = shapes[static_cast<size_t>(below(400))];
            s.angle = (s.angle + below(3)) % 10;
            s.x += round > 1 ? uniform(-4.0, 4.0) : 0.0;
            shapes.insert(shapes.begin() + below(static_cast<int>(shapes.size())), s);
        }
        setShapes(shapes);
        copyShapesToFresh();
        ASSERT_EQ(recalculateContour(t, shell), recalculateContourLinear(*fresh, freshShell));
        ASSERT_EQ(t.contourLast, fresh->contourLast);
        for (int c = 0; c <= t.contourLast; ++c) ASSERT_TRUE(alike(t.contour[c], fresh->contour[c], true)) << c;
        for (int i = 0; i <= t.shapeLast; ++i) ASSERT_EQ(t.shapes[i].color, fresh->shapes[i].color) << i;

        index.loadTable(t.contour, t.contourLast + 1);
        for (int probe = 0; probe < 2000; ++probe) {
            const ContourVertex& p = t.contour[below(t.contourLast + 1)];
            TileShape s{0.0, 0.0, below(2), below(10), 1};
            const int j = below(4);
            buildCornerRecords(t, s);
            s.x = p.x - t.cornerScratch[j].x + (probe % 2 ? offsets[below(7)] : uniform(-6.0, 6.0));
            s.y = p.y - t.cornerScratch[j].y + (probe % 3 ? offsets[below(7)] : uniform(-6.0, 6.0));
            buildCornerRecords(t, s);
            MatchList plain, indexed;
            findMatchesLinear(t, plain);
            index.findMatches(t.cornerScratch, indexed);
            ASSERT_EQ(plain.count, indexed.count);
            multiPairs += plain.count > 1;
            ASSERT_EQ(std::memcmp(plain.pairs, indexed.pairs, sizeof(ContourMatch) * std::min(plain.count, 64)), 0);
        }
    }
    EXPECT_GT(multiPairs, 100);
}

}  // namespace
}  // namespace rho
