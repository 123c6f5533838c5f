#include <gtest/gtest.h>

#include "render/Renderer.h"
#include "support/FakeShell.h"
#include "support/Placing.h"
#include "tiling/Contour.h"
#include "tiling/EditTool.h"
#include "tiling/Geometry.h"
#include "tiling/Placement.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using test::sectorDigits;

// The view puts world (0, 0) at pixel (291.5, 207.5) at zoom 1.
struct PlacementTest : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> tiling = createTiling(shell);
    Tiling& t = *tiling;
    EditTool tool{t, shell};

    int previewStrokes() const {
        int n = 0;
        for (const auto& c : shell.recording.calls) n += c.strokeMode == StrokeMode::NotXor ? 1 : 0;
        return n;
    }
    void placeFirstLargeShape() {
        addlargeshape1Click(t, shell);
        tool.press(MouseButton::Right, 10, 10);
    }
};

TEST_F(PlacementTest, FirstLargeShapeStandsWhereItIsAndMakesTheContour) {
    addlargeshape1Click(t, shell);
    EXPECT_EQ(t.adding, 1);
    EXPECT_EQ(shell.panels[2], "adding large shape");
    EXPECT_EQ(previewStrokes(), 1);
    redrawView(t, shell);  // a repaint draws the floating outline again
    EXPECT_EQ(previewStrokes(), 2);

    tool.press(MouseButton::Right, 10, 10);
    EXPECT_EQ(t.adding, 0);
    ASSERT_EQ(t.shapeLast, 0);
    EXPECT_EQ(t.shapes[0].x, 0.0);
    EXPECT_EQ(t.shapes[0].kind, kLargeShape);
    EXPECT_EQ(t.shapes[0].angle, 0);
    EXPECT_EQ(t.shapes[0].color, 1);
    ASSERT_EQ(t.contourLast, 3);
    const double expected[4][2] = {{-19.021130, -26.180340}, {-19.021130, 13.819660}, {19.021130, 26.180340},
                                   {19.021130, -13.819660}};
    const char* sectors[4] = {"0000000011", "0000011100", "0001100000", "1110000000"};
    for (int c = 0; c < 4; ++c) {
        EXPECT_NEAR(t.contour[c].x, expected[c][0], 1e-6);
        EXPECT_NEAR(t.contour[c].y, expected[c][1], 1e-6);
        EXPECT_EQ(sectorDigits(t.contour[c]), sectors[c]);
        EXPECT_EQ(t.contour[c].sectors[10], 0);
    }
    EXPECT_EQ(shell.panels[0], "shapes:1 contour:4");
    EXPECT_EQ(shell.panels[2], "idle");
    EXPECT_EQ(t.modified, 1);
    EXPECT_EQ(previewStrokes(), 3);  // the outline wiped before the shape is drawn
}

TEST_F(PlacementTest, TheLastSnapPairWins) {
    placeFirstLargeShape();
    addlargeshape1Click(t, shell);
    for (int i = 0; i < 5; ++i) tool.press(MouseButton::Left, 10, 10);  // five turns
    ASSERT_EQ(t.floating.angle, 5);
    t.floating.x = 40.0;
    t.floating.y = 15.0;
    tool.press(MouseButton::Right, 10, 10);
    ASSERT_EQ(t.shapeLast, 1);
    EXPECT_EQ(t.snapCorner, 2);
    EXPECT_NEAR(t.shapes[1].x, 38.042261, 1e-6);
    EXPECT_NEAR(t.shapes[1].y, 12.360680, 1e-6);
    EXPECT_EQ(shell.panels[0], "shapes:2 contour:6");
    // The shared points hold both shapes' sectors; the other two corners are new.
    EXPECT_EQ(sectorDigits(t.contour[2]), "0001111100");
    EXPECT_EQ(sectorDigits(t.contour[3]), "1110000011");
    const double added[2][2] = {{57.063391, 38.541020}, {57.063391, -1.458980}};
    const char* sectors[2] = {"0001100000", "1110000000"};
    for (int k = 0; k < 2; ++k) {
        EXPECT_NEAR(t.contour[4 + k].x, added[k][0], 1e-6);
        EXPECT_NEAR(t.contour[4 + k].y, added[k][1], 1e-6);
        EXPECT_EQ(sectorDigits(t.contour[4 + k]), sectors[k]);
    }
}

TEST_F(PlacementTest, LeftClicksTurnOrDragAndMiddleDoesNothing) {
    startAdding(t, shell, 0, 0, kSmallShape, 8);
    for (int i = 0; i < 3; ++i) tool.press(MouseButton::Left, 100, 100);
    EXPECT_EQ(t.floating.angle, 1);  // 8 + 3, after 9 comes 0

    const auto calls = shell.recording.calls.size();
    tool.press(MouseButton::Middle, 100, 100);
    EXPECT_EQ(shell.recording.calls.size(), calls);
    EXPECT_EQ(t.adding, 1);

    tool.move(331, 222);  // no drag yet
    EXPECT_EQ(t.floating.x, 0.0);
    tool.press(MouseButton::Left, 300, 216);  // inside the centre box (281..301, 197..217)
    EXPECT_EQ(t.captured, 1);
    EXPECT_TRUE(shell.captured);
    EXPECT_EQ(t.floating.angle, 1);
    tool.move(331, 222);
    EXPECT_DOUBLE_EQ(t.floating.x, 39.5);
    EXPECT_DOUBLE_EQ(t.floating.y, 14.5);
    tool.release(MouseButton::Left, 331, 222);
    EXPECT_EQ(t.captured, 0);
    EXPECT_EQ(shell.releaseCount, 1);
    tool.move(400, 300);
    EXPECT_DOUBLE_EQ(t.floating.x, 39.5);
}

TEST_F(PlacementTest, PressOnAShapeFloatsACopyWithColorOne) {
    t.shapes[0] = {10.7, -20.3, kLargeShape, 7, 12};
    t.shapeLast = 0;
    tool.press(MouseButton::Middle, 302, 187);
    EXPECT_EQ(t.adding, 1);
    EXPECT_EQ(t.floating.x, 10.0);  // truncated toward zero
    EXPECT_EQ(t.floating.y, -20.0);
    EXPECT_EQ(t.floating.kind, kLargeShape);
    EXPECT_EQ(t.floating.angle, 7);
    EXPECT_EQ(t.floating.color, 1);
    EXPECT_EQ(t.shapes[0].color, 12);
    EXPECT_EQ(t.captured, 1);
    EXPECT_EQ(shell.captureCount, 1);
    EXPECT_EQ(shell.panels[2], "adding large shape");
}

TEST_F(PlacementTest, SnapsAtNineUnitsAndRefusesAtTen) {
    t.shapes[0] = {-500.0, -500.0, kSmallShape, 0, 1};
    t.shapeLast = 0;
    buildCornerRecords(t, t.shapes[0]);
    ASSERT_EQ(mergeIntoContour(t), 1);
    const Point2 c0 = templateFor(t, kSmallShape).corners[0];
    const TileShape probe{110.0 - c0.x, 100.0 - c0.y, kSmallShape, 0, 1};
    computeCorners(t, probe);
    const Point2 corner = t.cornerBuffer[0];  // about (110, 100)

    for (double gap : {10.0, 9.0}) {
        // One free point `gap` units left of the floating shape's corner 0.
        t.contourLast = 4;
        t.contour[4] = ContourVertex{};
        t.contour[4].sectors[0] = 1;
        t.contour[4].x = corner.x - gap;
        t.contour[4].y = corner.y;
        const bool attached = test::attachAt(t, shell, probe);
        EXPECT_EQ(t.adding, 0);
        EXPECT_EQ(attached, gap < 10.0) << gap;
    }
    ASSERT_EQ(t.shapeLast, 1);
    EXPECT_EQ(t.snapCorner, 0);
    computeCorners(t, t.shapes[1]);
    EXPECT_NEAR(t.cornerBuffer[0].x, corner.x - 9.0, 1e-9);
    EXPECT_NEAR(t.cornerBuffer[0].y, corner.y, 1e-9);
    EXPECT_EQ(sectorDigits(t.contour[4]), "1000000001");
}

TEST_F(PlacementTest, RefusalsAreSilentAndOnlyTheFloatingShapeGoes) {
    placeFirstLargeShape();
    t.modified = 0;
    const int strokes = previewStrokes();
    EXPECT_FALSE(test::attachAt(t, shell, 0.0, 0.0, kLargeShape, 0));  // overlap
    EXPECT_FALSE(test::attachAt(t, shell, 500.0, 0.0, kLargeShape, 0));  // touches nothing
    EXPECT_EQ(t.adding, 0);
    EXPECT_EQ(previewStrokes(), strokes + 4);  // each outline drawn and wiped
    EXPECT_EQ(t.shapeLast, 0);
    EXPECT_EQ(t.contourLast, 3);
    EXPECT_EQ(t.modified, 0);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(t.statusText, "idle");  // attachAt bypasses the menu texts

    addsmallshape1Click(t, shell);
    t.floating.x = 500.0;
    tool.press(MouseButton::Right, 10, 10);
    EXPECT_EQ(t.adding, 0);
    EXPECT_EQ(shell.panels[2], "adding small shape");
}

TEST_F(PlacementTest, HandPlacementStopsAt5001Shapes) {
    placeFirstLargeShape();
    for (int i = 1; i <= 5000; ++i) t.shapes[i] = {5000.0 + 100.0 * i, 0.0, kSmallShape, 0, 1};
    t.shapeLast = 5000;
    EXPECT_FALSE(test::attachAt(t, shell, 40.0, 15.0, kLargeShape, 5));
    EXPECT_EQ(t.contourLast, 3);
    t.shapeLast = 4999;
    EXPECT_TRUE(test::attachAt(t, shell, 40.0, 15.0, kLargeShape, 5));
    EXPECT_EQ(t.shapeLast, 5000);
}

TEST_F(PlacementTest, MenuCommandsNeedTheEditTool) {
    t.tool = ToolMode::Zoom;
    addsmallshape1Click(t, shell);
    addlargeshape1Click(t, shell);
    EXPECT_EQ(t.adding, 0);
    EXPECT_EQ(shell.refreshCount, 0);

    // A second "add" replaces the floating shape and wipes its outline.
    t.tool = ToolMode::Edit;
    addlargeshape1Click(t, shell);
    addsmallshape1Click(t, shell);
    EXPECT_EQ(t.floating.kind, kSmallShape);
    EXPECT_EQ(previewStrokes(), 3);
    EXPECT_EQ(shell.panels[2], "adding small shape");
}

}  // namespace
}  // namespace rho
