#include <gtest/gtest.h>

#include <cmath>

#include "support/Placing.h"
#include "tiling/Contour.h"
#include "tiling/EditTool.h"
#include "tiling/Geometry.h"
#include "tiling/Selection.h"
#include "tiling/SelectionTools.h"

namespace rho {
namespace {

using test::attachAt;
// The view puts world (0, 0) at pixel (291.5, 207.5) at zoom 1.
using PlacementTest = test::TilingFixture;

TEST_F(PlacementTest, FirstShapeMakesTheContourAndASecondSnapsOntoItsEdge) {
    EditTool tool{t, shell};
    addlargeshape1Click(t, shell);
    EXPECT_EQ(shell.panels[2], "adding large shape");
    tool.press(MouseButton::Right, 10, 10);
    EXPECT_EQ(shell.panels[2], "idle");
    shell.recording.calls.clear();
    EXPECT_FALSE(attachAt(t, shell, 0.0, 0.0, kLargeShape, 0));  // overlap: refused silently
    EXPECT_EQ(t.adding, 0);
    EXPECT_EQ(shell.recording.count("polygon"), 2);  // only the outline, drawn and wiped
    EXPECT_TRUE(shell.messages.empty());
    ASSERT_EQ(t.shapeLast, 0);
    const double xs[4] = {-19.021130, -19.021130, 19.021130, 19.021130};
    const double ys[4] = {-26.180340, 13.819660, 26.180340, -13.819660};
    for (int c = 0; c < 4; ++c) EXPECT_TRUE(std::abs(t.contour[c].x - xs[c]) + std::abs(t.contour[c].y - ys[c]) < 1e-6);
    EXPECT_EQ(contourDigits(), (std::vector<std::string>{"0000000011", "0000011100", "0001100000", "1110000000"}));

    addlargeshape1Click(t, shell);
    for (int i = 0; i < 5; ++i) tool.press(MouseButton::Left, 10, 10);  // five turns
    t.floating.x = 40.0;
    t.floating.y = 15.0;
    tool.press(MouseButton::Right, 10, 10);
    ASSERT_EQ(t.shapeLast, 1);
    EXPECT_EQ(t.snapCorner, 2);
    EXPECT_NEAR(t.shapes[1].x, 38.042261, 1e-6);
    EXPECT_NEAR(t.shapes[1].y, 12.360680, 1e-6);
    EXPECT_EQ(contourDigits(), (std::vector<std::string>{"0000000011", "0000011100", "0001111100", "1110000011",
                                                         "0001100000", "1110000000"}));
}

TEST_F(PlacementTest, EditToolDragsInsideTheCentreBoxAndCopiesTheShapeUnderThePointer) {
    EditTool tool{t, shell};
    startAdding(t, shell, 0, 0, kSmallShape, 9);
    tool.press(MouseButton::Left, 100, 100);  // outside the centre box (281..301, 197..217): a turn
    tool.press(MouseButton::Left, 300, 216);
    tool.move(331, 222);
    tool.release(MouseButton::Left, 331, 222);
    tool.move(400, 300);
    EXPECT_EQ(t.floating.angle, 0);
    EXPECT_EQ(t.floating.x, 39.5);
    EXPECT_EQ(t.floating.y, 14.5);

    setShapes({{10.7, -20.3, kLargeShape, 7, 12}});
    t.adding = 0;
    tool.press(MouseButton::Middle, 302, 187);
    EXPECT_EQ(t.captured, 1);
    EXPECT_EQ(t.floating.x, 10.0);  // truncated toward zero
    EXPECT_EQ(t.floating.color, 1);
}

TEST_F(PlacementTest, SnapsAtNineUnitsAndRefusesAtTen) {
    t.shapeLast = 0;  // not the first shape: it must snap
    computeCorners(t, {110.0, 100.0, kSmallShape, 0, 1});
    const Point2 corner = t.cornerBuffer[0];
    for (double gap : {10.0, 9.0}) {
        t.contourLast = 0;
        t.contour[0] = {{1}, corner.x - gap, corner.y};  // free but for sector 0
        EXPECT_EQ(attachAt(t, shell, 110.0, 100.0, kSmallShape, 0), gap < 10.0) << gap;
    }
    ASSERT_EQ(t.shapeLast, 1);
    EXPECT_NEAR(t.shapes[1].x, 101.0, 1e-9);
    EXPECT_NEAR(t.shapes[1].y, 100.0, 1e-9);
    EXPECT_EQ(contourDigits()[0], "1000000001");
}

TEST_F(PlacementTest, AttachingStopsPast5000ShapesAndAtAFullContour) {
    ASSERT_TRUE(attachAt(t, shell, 0.0, 0.0, kLargeShape, 0));
    t.shapeLast = kMaxHandShapeLast;  // 5000 shapes: one more may come
    EXPECT_TRUE(attachAt(t, shell, 40.0, 15.0, kLargeShape, 5));
    EXPECT_FALSE(attachAt(t, shell, -40.0, -15.0, kLargeShape, 5));

    t.shapeLast = 0;  // the first shape alone among far points; the edge-sharing one adds two
    ASSERT_TRUE(recalculateContour(t, shell));
    for (int c = 4; c < kMaxContour; ++c) t.contour[c] = {{1}, 1.0e6 + 30.0 * c, 0.0};
    t.contourLast = kMaxContour - 2;
    EXPECT_FALSE(attachAt(t, shell, -40.0, -15.0, kLargeShape, 5));
    EXPECT_EQ(t.contourLast, kMaxContour - 2);
    t.contourLast = kMaxContour - 3;
    EXPECT_TRUE(attachAt(t, shell, -40.0, -15.0, kLargeShape, 5));
    EXPECT_EQ(t.contourLast, kMaxContour - 1);
}

TEST_F(PlacementTest, SelectionCommandsAndTheSelectToolOnlyEverFlipTheSign) {
    setShapes({{0, 0, kSmallShape, 0, 7}, {0, 0, kLargeShape, 0, 3}, {0, 0, kSmallShape, 0, -5},
               {0, 0, kLargeShape, 0, -9}, {0, 0, 2, 0, 4}});
    const std::pair<void (*)(Tiling&, Shell&), std::vector<int>> steps[] = {
        {smallshapes1Click, {-7, 3, -5, -9, 4}}, {largeshapes1Click, {-7, -3, -5, -9, 4}},
        {invert1Click, {7, 3, 5, 9, -4}}, {none1Click, {7, 3, 5, 9, 4}}, {allshapes1Click, {-7, -3, -5, -9, -4}}};
    for (const auto& [command, expected] : steps) {
        command(t, shell);
        EXPECT_EQ(colors(), expected);
    }
    EXPECT_EQ(t.modified, 0);
    SelectTool selector(t, shell);
    selector.press(MouseButton::Left, 291, 207);  // the topmost shape under the pointer
    EXPECT_EQ(colors(), (std::vector<int>{-7, -3, -5, -9, 4}));
    selector.press(MouseButton::Right, 10, 10);
    EXPECT_EQ(colors(), (std::vector<int>{7, 3, 5, 9, 4}));
}

TEST_F(PlacementTest, AnErasedShapeCanBeAttachedAgainAtTheSamePlace) {
    ASSERT_TRUE(attachAt(t, shell, 0.0, 0.0, kLargeShape, 0));
    ASSERT_TRUE(attachAt(t, shell, 40.0, 15.0, kLargeShape, 5));
    ASSERT_TRUE(attachAt(t, shell, 68.8, 74.7, kSmallShape, 0));  // meets the second shape at a corner
    EraseTool eraser(t, shell);
    shell.recording.calls.clear();
    eraser.press(MouseButton::Right, 329, 219);  // the second shape, centre (38.04, 12.36)
    ASSERT_EQ(t.shapeLast, 1);
    EXPECT_EQ(t.shapes[1].kind, kSmallShape);
    ASSERT_EQ(t.contourLast, 7);  // its lone corner went, the one shared with the small shape stayed

    EXPECT_TRUE(attachAt(t, shell, 40.0, 15.0, kLargeShape, 5));
    EXPECT_NEAR(t.shapes[2].x, 38.042261, 1e-6);
    ASSERT_EQ(t.contourLast, 8);
    EXPECT_EQ(contourDigits()[2], "0001111100");
    EXPECT_EQ(contourDigits()[4], "0001100001");
}

}  // namespace
}  // namespace rho
