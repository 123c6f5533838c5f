#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/FakeShell.h"
#include "support/Placing.h"
#include "tiling/Contour.h"
#include "tiling/Geometry.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using test::sectorDigits;

struct ContourTest : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> tiling = createTiling(shell);
    Tiling& t = *tiling;

    int merge(const TileShape& s) {
        buildCornerRecords(t, s);
        return mergeIntoContour(t);
    }
    // The small shape of this angle whose acute corner 0 lies on (px, py).
    TileShape smallWithCorner0At(double px, double py, int angle) {
        computeCorners(t, TileShape{0.0, 0.0, kSmallShape, angle, 1});
        return TileShape{px - t.cornerBuffer[0].x, py - t.cornerBuffer[0].y, kSmallShape, angle, 1};
    }
    int pointsNear(double x, double y) const {
        int n = 0;
        for (int c = 0; c <= t.contourLast; ++c) n += nearWithin5(t.contour[c].x, t.contour[c].y, x, y) ? 1 : 0;
        return n;
    }
    std::vector<unsigned char> snapshot() const {
        const auto* p = reinterpret_cast<const unsigned char*>(t.contour);
        std::vector<unsigned char> bytes(p, p + sizeof(ContourVertex) * (t.contourLast + 1));
        bytes.push_back(static_cast<unsigned char>(t.contourLast & 0xff));
        return bytes;
    }
};

TEST_F(ContourTest, SingleSmallShapeRecalculatesToFourPoints) {
    t.shapes[0] = {0.0, 0.0, kSmallShape, 0, 1};
    t.shapeLast = 0;
    EXPECT_TRUE(recalculateContour(t, shell));
    ASSERT_EQ(t.contourLast, 3);
    EXPECT_EQ(sectorDigits(t.contour[0]), "0000000001");
    EXPECT_EQ(sectorDigits(t.contour[1]), "0000011110");
    EXPECT_EQ(sectorDigits(t.contour[2]), "0000100000");
    EXPECT_EQ(sectorDigits(t.contour[3]), "1111000000");
    for (int c = 0; c <= 3; ++c) EXPECT_EQ(t.contour[c].sectors[10], 0);
    EXPECT_EQ(shell.panels[0], "shapes:1 contour:4");
    EXPECT_EQ(shell.panels[2], "idle");
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(ContourTest, TenAcuteCornersCloseThePointAndRemovalReopensIt) {
    const double px = 100.0, py = 50.0;
    std::vector<TileShape> star;
    for (int a = 0; a < 10; ++a) star.push_back(smallWithCorner0At(px, py, a));
    for (int a = 0; a < 9; ++a) ASSERT_EQ(merge(star[a]), 1) << a;
    ASSERT_EQ(pointsNear(px, py), 1);
    ASSERT_EQ(merge(star[9]), 1);
    EXPECT_EQ(pointsNear(px, py), 0);

    // Taking shape 3 out brings the centre back with only its sector free.
    for (int i = 0; i < 10; ++i) t.shapes[i] = star[i];
    t.shapeLast = 9;
    ASSERT_TRUE(removeFromContour(t, 3));
    ASSERT_EQ(pointsNear(px, py), 1);
    const ContourVertex& back = t.contour[t.contourLast];
    EXPECT_NEAR(back.x, px, 1e-9);
    EXPECT_EQ(sectorDigits(back), "1101111111");  // sector (3 + 9) mod 10 is free
    EXPECT_EQ(back.sectors[10], 0);

    for (int i : {0, 1, 2, 4, 5, 6, 7, 8, 9}) ASSERT_TRUE(removeFromContour(t, i));
    EXPECT_EQ(t.contourLast, -1);
}

TEST_F(ContourTest, RefusedMergesLeaveTheContourUntouched) {
    ASSERT_EQ(merge({0.0, 0.0, kLargeShape, 0, 1}), 1);
    auto before = snapshot();
    EXPECT_EQ(mergeIntoContourOutcome(t), MergeOutcome::Overlap);  // the same shape again
    EXPECT_EQ(snapshot(), before);

    // Two points on either side of a corner: the corner is ambiguous.
    ContourVertex extra = t.contour[0];
    extra.x += 4.0;
    t.contour[0].x -= 4.0;
    t.contour[++t.contourLast] = extra;
    before = snapshot();
    buildCornerRecords(t, {0.0, 0.0, kSmallShape, 9, 1});
    t.cornerScratch[0].x = extra.x - 4.0;
    t.cornerScratch[0].y = extra.y;
    EXPECT_EQ(mergeIntoContourOutcome(t), MergeOutcome::Ambiguous);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(ContourTest, TheContourTableNeverGrowsPastItsSlots) {
    // Fill the table with unrelated points far away.
    t.contourLast = kMaxContour - 4;  // 11997 points
    for (int c = 0; c <= t.contourLast; ++c) {
        t.contour[c] = ContourVertex{};
        t.contour[c].sectors[0] = 1;
        t.contour[c].x = 1.0e6 + 30.0 * c;
    }
    const auto before = snapshot();
    buildCornerRecords(t, {0.0, 0.0, kSmallShape, 0, 1});
    EXPECT_EQ(mergeIntoContourOutcome(t), MergeOutcome::Full);  // 11997 + 4 > 12000
    EXPECT_EQ(snapshot(), before);

    t.contourLast = kMaxContour - 5;
    EXPECT_EQ(merge({0.0, 0.0, kSmallShape, 0, 1}), 1);  // exactly fills the table
    EXPECT_EQ(t.contourLast, kMaxContour - 1);
}

TEST_F(ContourTest, RemovalOfAShapeTheContourDoesNotHoldClampsAtZero) {
    t.shapes[0] = {0.0, 0.0, kSmallShape, 0, 1};
    t.shapeLast = 0;
    ASSERT_EQ(merge(t.shapes[0]), 1);
    // Corner 1 of the shape covers sectors 5..8; leave only sector 0 there.
    std::memset(t.contour[1].sectors, 0, kSectorBytes);
    t.contour[1].sectors[0] = 1;
    ASSERT_TRUE(removeFromContour(t, 0));
    ASSERT_EQ(t.contourLast, 0);
    EXPECT_EQ(sectorDigits(t.contour[0]), "1000000000");
    EXPECT_FALSE(removeFromContour(t, 5));  // no such shape
    removePoint(t, 7);                      // no such point
    EXPECT_EQ(t.contourLast, 0);
}

TEST_F(ContourTest, RecalculationReportsOverlapsOnceAndFlipsTheirSelection) {
    t.shapes[0] = {0.0, 0.0, kLargeShape, 0, 1};
    t.shapes[1] = {38.042261, 12.360680, kLargeShape, 5, 4};
    t.shapes[2] = {300.0, 300.0, kSmallShape, 2, -6};
    t.shapes[3] = t.shapes[1];
    t.shapes[4] = {0.0, 0.0, kLargeShape, 0, -9};
    t.shapeLast = 4;
    t.modified = 0;
    for (bool indexed : {true, false}) {
        shell.messages.clear();
        shell.progressPositions.clear();
        shell.statusHistory.clear();
        shell.recording.calls.clear();
        EXPECT_FALSE(indexed ? recalculateContour(t, shell) : recalculateContourLinear(t, shell));
        ASSERT_EQ(shell.messages.size(), 1u);
        EXPECT_EQ(shell.messages[0].text, "Contur calculation failed");
        EXPECT_EQ(shell.messages[0].buttons, Buttons::Ok);
        // Shapes 3 and 4 redrawn, one of them selected and so hatched.
        EXPECT_EQ(shell.recording.count("polygon"), 3);
        EXPECT_EQ(shell.progressMax, 4);
        EXPECT_EQ(shell.progressPositions, (std::vector<int>{1, 2, 3, 4, 0}));
        EXPECT_EQ(shell.statusHistory.front(), "calculating conturs");
        EXPECT_EQ(shell.statusHistory.back(), "idle");
        EXPECT_EQ(t.contourLast, 9);
    }
    // Flipped twice over the two runs: back where they started.
    EXPECT_EQ(t.shapes[3].color, 4);
    EXPECT_EQ(t.shapes[4].color, -9);
    EXPECT_EQ(t.shapes[2].color, -6);
    EXPECT_EQ(t.modified, 0);
}

TEST_F(ContourTest, RecalculationThatRunsOutOfSlotsStopsAndKeepsWhatItHas) {
    // 3001 separate shapes need 12004 points.
    t.shapeLast = 3000;
    for (int i = 0; i <= t.shapeLast; ++i) t.shapes[i] = {100.0 * (i % 60), 100.0 * (i / 60), kSmallShape, 0, 1};
    EXPECT_FALSE(recalculateContour(t, shell));
    EXPECT_EQ(t.contourLast, kMaxContour - 1);
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>{"Contur calculation failed"});
    EXPECT_EQ(t.shapes[3000].color, 1);
    EXPECT_EQ(shell.progressPositions.back(), 0);

    t.shapeLast = -1;
    EXPECT_TRUE(recalculateContour(t, shell));
    EXPECT_EQ(t.contourLast, -1);
}

}  // namespace
}  // namespace rho
