#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>
#include <utility>

#include "edit/EditTool.h"
#include "edit/OrderShapes.h"
#include "edit/Selection.h"
#include "edit/SelectionTools.h"
#include "geometry/Geometry.h"
#include "support/Placing.h"
#include "tiling/Contour.h"
#include "tiling/Ordering.h"
#include "tiling/ShapeCorners.h"

namespace rho {
namespace {

// The view puts world (0, 0) at pixel (291.5, 207.5) at zoom 1.
using PlacementTest = test::TilingFixture;
using OrderingTest = test::TilingFixture;

TEST_F(PlacementTest, FirstShapeMakesTheContourASecondSnapsOntoItsEdgeAndAnErasedOneComesBack) {
    ASSERT_TRUE(attachAt(0.0, 0.0, kLargeShape, 0));
    shell.recording.calls.clear();
    EXPECT_FALSE(attachAt(0.0, 0.0, kLargeShape, 0));  // overlap: refused silently
    // No floating shape, no new shape, only the outline drawn and wiped, no message.
    ASSERT_EQ(std::tuple(t.adding, t.shapeLast, shell.recording.count("polygon"), shell.messages.size()),
              std::tuple(0, 0, 2, 0u));
    const double xs[4] = {-19.021130, -19.021130, 19.021130, 19.021130};
    const double ys[4] = {-26.180340, 13.819660, 26.180340, -13.819660};
    for (int c = 0; c < 4; ++c) EXPECT_TRUE(std::abs(t.contour[c].x - xs[c]) + std::abs(t.contour[c].y - ys[c]) < 1e-6);
    EXPECT_EQ(contourDigits(), (std::vector<std::string>{"0000000011", "0000011100", "0001100000", "1110000000"}));

    EXPECT_TRUE(attachAt(40.0, 15.0, kLargeShape, 5));
    EXPECT_EQ(t.snapCorner, 2);
    EXPECT_LT(std::hypot(t.shapes[1].x - 38.042261, t.shapes[1].y - 12.360680), 1e-6);
    EXPECT_EQ(contourDigits(), (std::vector<std::string>{"0000000011", "0000011100", "0001111100", "1110000011",
                                                         "0001100000", "1110000000"}));

    // A small shape meets the second one at a corner; the second is erased and attached again.
    ASSERT_TRUE(attachAt(68.8, 74.7, kSmallShape, 0));
    EraseTool{t, shell}.press(MouseButton::Right, 329, 219);  // the second shape, centre (38.04, 12.36)
    // Its lone corner went, the one shared with the small shape stayed.
    ASSERT_EQ(std::tuple(t.shapeLast, t.shapes[1].kind, t.contourLast), std::tuple(1, kSmallShape, 7));
    EXPECT_TRUE(attachAt(40.0, 15.0, kLargeShape, 5));
    EXPECT_EQ(contourDigits(), (std::vector<std::string>{"0000000011", "0000011100", "0001111100", "1110000011",
                                                         "0001100001", "0000011110", "0000100000", "1111000000",
                                                         "1110000000"}));
}

TEST_F(PlacementTest, EditToolTurnsDragsAttachesAndCopiesTheShapeUnderThePointer) {
    EditTool tool{t, shell};
    addsmallshape1Click(t, shell);
    EXPECT_EQ(shell.panels[2], "adding small shape");
    for (int i = 0; i < 11; ++i) tool.press(MouseButton::Left, 100, 100);  // outside the centre box: a turn
    tool.press(MouseButton::Left, 300, 216);  // inside the box (281..301, 197..217): a drag
    tool.move(331, 222);
    tool.release(MouseButton::Left, 331, 222);
    tool.move(400, 300);
    EXPECT_EQ(std::tuple(t.floating.angle, t.floating.x, t.floating.y), std::tuple(1, 39.5, 14.5));
    tool.press(MouseButton::Right, 10, 10);
    EXPECT_EQ(std::tuple(t.shapeLast, shell.panels[2]), std::tuple(0, "idle"));

    setShapes({{10.7, -20.3, kLargeShape, 7, 12}});
    tool.press(MouseButton::Middle, 302, 187);  // a copy at whole units toward zero, grabbed
    EXPECT_EQ(std::tuple(t.captured, t.floating.x, t.floating.y, t.floating.color), std::tuple(1, 10.0, -20.0, 1));
}

TEST_F(PlacementTest, SnapsWithinNineUnitsInXOrYRefusesAtTenAndOnlyASnapMarksTheTilingModified) {
    computeCorners(t, {110.0, 100.0, kSmallShape, 0, 1});
    const Point2 corner = t.cornerBuffer[0];
    const struct {
        double gapX, gapY;
        bool snaps;
    } cases[] = {{10, 0, false}, {9, 0, true}, {0, 10, false}, {0, 9, true}, {-9, -9, true}, {9.5, -10, false}};
    for (const auto& c : cases) {
        t.shapeLast = 0;  // not the first shape: it must snap
        t.modified = 0;
        t.contourLast = 0;
        t.contour[0] = {{1}, corner.x - c.gapX, corner.y - c.gapY};  // free but for sector 0
        ASSERT_EQ(attachAt(110.0, 100.0, kSmallShape, 0), c.snaps) << c.gapX << " " << c.gapY;
        EXPECT_EQ(t.modified, c.snaps ? 1 : 0);
        if (!c.snaps) continue;
        EXPECT_LT(std::hypot(t.shapes[1].x - (110.0 - c.gapX), t.shapes[1].y - (100.0 - c.gapY)), 1e-9);
        EXPECT_EQ(contourDigits()[0], "1000000001");
    }
}

TEST_F(PlacementTest, DeletingTheSelectedShapesKeepsTheOthersInOrderAndTheirContour) {
    ASSERT_TRUE(attachAt(0.0, 0.0, kLargeShape, 0));
    ASSERT_TRUE(attachAt(40.0, 15.0, kLargeShape, 5));
    ASSERT_TRUE(attachAt(68.8, 74.7, kSmallShape, 0));
    const TileShape kept = t.shapes[1];
    t.shapes[0].color = -1;
    t.shapes[2].color = -1;
    t.modified = 0;
    selected1Click(t, shell);
    ASSERT_EQ(t.shapeLast, 0);
    EXPECT_EQ(std::tuple(t.shapes[0].x, t.shapes[0].y, t.shapes[0].kind, t.shapes[0].angle, t.shapes[0].color),
              std::tuple(kept.x, kept.y, kept.kind, kept.angle, kept.color));
    EXPECT_EQ(t.modified, 1);
    EXPECT_EQ(shell.panels[0], "shapes:1 contour:4");
    // The contour is that of the remaining shape alone, point for point.
    auto describe = [](const ContourVertex& v) {
        char text[64];
        std::snprintf(text, sizeof text, "%.6f %.6f ", v.x, v.y);
        std::string out = text;
        for (int k = 0; k < kSectors; ++k) out += static_cast<char>('0' + v.sectors[k]);
        return out;
    };
    std::vector<std::string> left, alone;
    for (int c = 0; c <= t.contourLast; ++c) left.push_back(describe(t.contour[c]));
    buildCornerRecords(t, kept);
    for (const ContourVertex& v : t.cornerScratch) alone.push_back(describe(v));
    std::sort(left.begin(), left.end());
    std::sort(alone.begin(), alone.end());
    EXPECT_EQ(left, alone);

    // With every shape selected both tables go.
    t.shapes[0].color = -1;
    selected1Click(t, shell);
    EXPECT_EQ(std::pair(t.shapeLast, t.contourLast), std::pair(-1, -1));
}

TEST_F(PlacementTest, SelectionCommandsAndTheSelectToolOnlyEverFlipTheSign) {
    setShapes({{0, 0, kSmallShape, 0, 7}, {0, 0, kLargeShape, 0, 3}, {0, 0, kSmallShape, 0, -5},
               {0, 0, kLargeShape, 0, -9}, {0, 0, 2, 0, 4}});
    auto pick = [](Tiling& tl, Shell& sh) { SelectTool(tl, sh).press(MouseButton::Left, 291, 207); };
    auto clear = [](Tiling& tl, Shell& sh) { SelectTool(tl, sh).press(MouseButton::Right, 10, 10); };
    const std::pair<void (*)(Tiling&, Shell&), std::vector<int>> steps[] = {
        {smallshapes1Click, {-7, 3, -5, -9, 4}}, {largeshapes1Click, {-7, -3, -5, -9, 4}},
        {invert1Click, {7, 3, 5, 9, -4}}, {none1Click, {7, 3, 5, 9, 4}}, {allshapes1Click, {-7, -3, -5, -9, -4}},
        {pick, {-7, -3, -5, -9, 4}}, {clear, {7, 3, 5, 9, 4}}};  // the select tool flips the topmost shape
    for (const auto& [command, expected] : steps) {
        command(t, shell);
        EXPECT_EQ(colors(), expected);
    }
    EXPECT_EQ(t.modified, 0);
}

// Shapes are told apart by their colors.
TEST_F(OrderingTest, RowsByYAfterAnXPassWithKeysComparedExactly) {
    const std::pair<std::vector<TileShape>, std::vector<int>> cases[] = {
        {{{10, 5, 1, 0, 1}, {0, 5, 1, 0, 2}}, {2, 1}},
        {{{0, 9, 1, 0, 1}, {0, 3, 1, 0, 2}}, {2, 1}},
        {{{3, 1, 1, 0, 1}, {1, 2, 1, 0, 2}, {2, 1, 1, 0, 3}}, {3, 1, 2}},
        {{{1, 0.30000000000000004, 1, 0, 1}, {2, 0.3, 1, 0, 2}}, {2, 1}}};
    for (const auto& [shapes, order] : cases) {
        setShapes(shapes);
        ordershapes1Click(t, shell);
        EXPECT_EQ(colors(), order);
    }
    EXPECT_EQ(shell.statusHistory.end()[-2] + ", then " + shell.statusHistory.back(), "ordering shapes, then idle");
}

// Few distinct keys, so that equal keys meet often and their order shows.
TEST_F(OrderingTest, SameOrderAsAShellSortOfTheRecordsThemselvesWithManyTies) {
    for (int n : {2, 17, 1000, 15000}) {
        std::vector<TileShape> expected;
        for (int i = 0; i < n; ++i) expected.push_back({below(13) * 1.0, below(7) * 1.0, 1, 0, i + 1});
        setShapes(expected);
        for (auto key : {&TileShape::x, &TileShape::y})
            for (int gap = n / 2; gap > 0; gap /= 2)
                for (int i = gap; i < n; ++i)
                    for (int j = i - gap; j >= 0 && expected[j].*key > expected[j + gap].*key; j -= gap)
                        std::swap(expected[j], expected[j + gap]);
        orderShapes(t, shell);
        for (int i = 0; i < n; ++i) ASSERT_EQ(t.shapes[i].color, expected[static_cast<size_t>(i)].color) << n;
    }
}

}  // namespace
}  // namespace rho
