#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "edit/ContourRecalculation.h"
#include "edit/Selection.h"
#include "geometry/Geometry.h"
#include "support/DeflatedTiling.h"
#include "support/Placing.h"
#include "tiling/Contour.h"
#include "tiling/ShapeCorners.h"

namespace rho {
namespace {

using ContourTest = test::TilingFixture;

TEST_F(ContourTest, TenAcuteCornersCloseThePointAndRemovalReopensIt) {
    auto there = [](const ContourVertex& v) { return nearWithin5(v.x, v.y, 100.0, 50.0); };
    auto pointsThere = [&] { return std::count_if(t.contour, t.contour + t.contourLast + 1, there); };
    for (int a = 0; a < 10; ++a) {
        computeCorners(t, {0.0, 0.0, kSmallShape, a, 1});
        ASSERT_TRUE(attachAt(100.0 - t.cornerBuffer[0].x, 50.0 - t.cornerBuffer[0].y, kSmallShape, a)) << a;
        ASSERT_EQ(pointsThere(), a < 9 ? 1 : 0) << a;
    }
    ASSERT_TRUE(deleteShape(t, shell, 3));
    EXPECT_EQ(contourDigits().back(), "1101111111");  // only the deleted shape's sector is free
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
    EXPECT_EQ(std::pair(shell.progressMax, shell.progressPositions), std::pair(4, std::vector<int>{1, 2, 3, 4, 0}));
    EXPECT_EQ(shell.statusHistory.front() + ", then " + shell.statusHistory.back(), "calculating conturs, then idle");
}

TEST_F(ContourTest, LimitsOnShapesPointsAndAmbiguousCornersAndSectorsClampedAtZero) {
    ASSERT_TRUE(attachAt(0.0, 0.0, kLargeShape, 0));
    t.shapeLast = kMaxHandShapeLast;  // 5000 shapes: one more may come
    EXPECT_TRUE(attachAt(40.0, 15.0, kLargeShape, 5));
    EXPECT_FALSE(attachAt(-40.0, -15.0, kLargeShape, 5));

    t.shapeLast = 0;
    ASSERT_TRUE(recalculateContour(t, shell));  // leaves the first shape's corners in the scratch records
    t.contour[++t.contourLast] = {{1}, t.contour[0].x + 8.0, t.contour[0].y};
    t.cornerScratch[0] = {{1}, t.contour[0].x + 4.0, t.contour[0].y};  // within 5 of points 0 and 4
    EXPECT_EQ(mergeIntoContourOutcome(t), MergeOutcome::Ambiguous);
    // Corner 1 of the shape covers sectors 5..7; with only sector 0 left there, its point stays.
    t.contourLast = 3;
    t.contour[1] = {{1}, t.contour[1].x, t.contour[1].y};
    ASSERT_TRUE(removeFromContour(t, 0));
    EXPECT_EQ(contourDigits(), std::vector<std::string>{"1000000000"});

    ASSERT_TRUE(recalculateContour(t, shell));  // the first shape alone among far points
    for (int c = 4; c < kMaxContour; ++c) t.contour[c] = {{1}, 1.0e6 + 30.0 * c, 0.0};
    t.contourLast = kMaxContour - 2;  // the edge-sharing shape adds two points
    EXPECT_FALSE(attachAt(-40.0, -15.0, kLargeShape, 5));
    EXPECT_EQ(t.contourLast, kMaxContour - 2);
    t.contourLast = kMaxContour - 3;
    EXPECT_TRUE(attachAt(-40.0, -15.0, kLargeShape, 5));
    EXPECT_EQ(t.contourLast, kMaxContour - 1);

    t.shapeLast = 3000;  // 3001 separate shapes need 12004 points: merging stops at a full table
    for (int i = 0; i <= t.shapeLast; ++i) t.shapes[i] = {100.0 * (i % 60), 100.0 * (i / 60), kSmallShape, 0, 1};
    EXPECT_FALSE(recalculateContour(t, shell));
    EXPECT_EQ(t.contourLast, kMaxContour - 1);
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Contur calculation failed"});
    EXPECT_EQ(t.shapes[3000].color, 1);
}

// Same sectors, and places at most `slack` apart on either axis.
bool alike(const ContourVertex& p, const ContourVertex& q, double slack) {
    return std::ranges::equal(p.sectors, q.sectors) && std::abs(p.x - q.x) <= slack && std::abs(p.y - q.y) <= slack;
}

// Random attaches (pointer a little off) and deletions keep the contour equal to a fresh rebuild,
// as a set of points with their sectors.
TEST_F(ContourTest, IncrementalContourEqualsAFreshRebuild) {
    const std::vector<TileShape> pool = test::deflatedTiling(t, 5);
    int reopened = 0;  // deletions that brought inner corners back
    for (int step = 0; step < 1200; ++step) {
        const int shapesBefore = t.shapeLast, pointsBefore = t.contourLast;
        if (shapesBefore >= 0 && below(5) == 0) deleteShape(t, shell, below(t.shapeLast + 1));
        for (int tries = 0; t.shapeLast == shapesBefore && tries < 8; ++tries) {
            const TileShape& s = pool[static_cast<size_t>(below(120))];
            attachAt(s.x + uniform(-3, 3), s.y + uniform(-3, 3), s.kind, s.angle);
        }
        reopened += t.shapeLast < shapesBefore && t.contourLast > pointsBefore;
        *fresh = t;
        ASSERT_TRUE(recalculateContour(*fresh, shell));
        ASSERT_EQ(t.contourLast, fresh->contourLast) << step;
        for (int c = 0; c <= t.contourLast; ++c) {
            auto same = [&](const ContourVertex& q) { return alike(t.contour[c], q, 1e-6); };
            ASSERT_EQ(std::count_if(fresh->contour, fresh->contour + t.contourLast + 1, same), 1) << step;
        }
    }
    EXPECT_GT(reopened, 100);
}

// Random tilings: rhombs of a proper tiling with copies turned and shifted onto, just inside and
// just outside the reach of a corner, in random order. Both rebuilds agree bit for bit.
TEST_F(ContourTest, IndexedRebuildEqualsThePlainOne) {
    const std::vector<TileShape> pool = test::deflatedTiling(t, 6);
    const double offsets[] = {-5.0, -4.999999, 0.0, 4.999999, 5.0, 5.000001};
    for (int round = 0; round < 6; ++round) {
        std::vector<TileShape> shapes(pool.begin(), pool.begin() + 400);
        for (int k = 0; k < round * 150; ++k) {
            const TileShape& s = pool[static_cast<size_t>(below(400))];
            const double dx = k % 3 ? offsets[below(6)] : uniform(-6, 6), dy = k % 2 ? offsets[below(6)] : 0.0;
            shapes.push_back({s.x + dx, s.y + dy, s.kind, (s.angle + below(3)) % 10, 1});
        }
        std::shuffle(shapes.begin(), shapes.end(), rng);
        setShapes(shapes);
        *fresh = t;
        ASSERT_EQ(recalculateContour(t, shell), recalculateContourLinear(*fresh, shell)) << round;
        ASSERT_EQ(t.contourLast, fresh->contourLast) << round;
        for (int c = 0; c <= t.contourLast; ++c) ASSERT_TRUE(alike(t.contour[c], fresh->contour[c], 0.0)) << c;
        for (int i = 0; i <= t.shapeLast; ++i) ASSERT_EQ(t.shapes[i].color, fresh->shapes[i].color) << round;
    }
}

}  // namespace
}  // namespace rho
