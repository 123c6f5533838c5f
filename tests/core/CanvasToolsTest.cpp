// The colorize, zoom, scroll and origo & bounding box tools, and the origo
// tool's display flags, through the scripted shell.
#include <gtest/gtest.h>

#include "edit/CanvasTools.h"
#include "edit/PaletteCommands.h"
#include "render/View.h"
#include "support/Placing.h"

namespace rho {
namespace {

struct CanvasTools : test::TilingFixture {
    // A 600 x 400 view with world (0, 0) at its centre.
    void SetUp() override {
        t.halfWidth = t.viewOriginX = 300.0;
        t.halfHeight = t.viewOriginY = 200.0;
        t.zoom = 1.0;
        applyView(t);
    }
    std::pair<double, double> origin() const { return {t.viewOriginX, t.viewOriginY}; }
    // Full repaints so far: each starts with the background rectangle at (0, 0).
    int redraws() const {
        int n = 0;
        for (const auto& c : shell.recording.calls) n += c.op == "rectangle" && c.points[0].x == 0 && c.points[0].y == 0;
        return n;
    }
};

TEST_F(CanvasTools, ZoomScalesAndBringsTheClickedPixelToTheCentre) {
    const struct {
        MouseButton button;
        int x, y;
        double zoom, originX, originY;
    } cases[] = {
        {MouseButton::Left, 300, 200, 1.2, 300, 200},  // at the exact centre only the zoom changes
        {MouseButton::Right, 300, 200, 0.8333333333333334, 300, 200},
        {MouseButton::Middle, 0, 0, 0.8333333333333334, 600, 400},
        {MouseButton::Left, 310, 190, 1.2, 290, 210},
    };
    for (const auto& c : cases) {
        SetUp();
        ZoomTool(t, shell).press(c.button, c.x, c.y);
        EXPECT_EQ(std::tuple(t.zoom, t.viewOriginX, t.viewOriginY), std::tuple(c.zoom, c.originX, c.originY));
        EXPECT_EQ(worldToPixel(100.0, 0.0).x, static_cast<int>(c.originX + 100.0 * c.zoom));  // the matrix follows
    }
    EXPECT_EQ(redraws(), 4);
    SetUp();
    for (MouseButton b : {MouseButton::Left, MouseButton::Left, MouseButton::Left}) ZoomTool(t, shell).press(b, 300, 200);
    EXPECT_EQ(t.zoom, 1.728);
    for (MouseButton b : {MouseButton::Right, MouseButton::Middle, MouseButton::Right}) ZoomTool(t, shell).press(b, 300, 200);
    EXPECT_EQ(t.zoom, 1.0);
}

TEST_F(CanvasTools, ScrollDragsTheViewOnlyBetweenPressAndRelease) {
    ScrollTool scroll(t, shell);
    scroll.move(50, 50);
    scroll.press(MouseButton::Right, 100, 100);
    scroll.move(130, 90);
    EXPECT_EQ(std::pair(origin(), worldToPixel(0.0, 0.0).x), std::pair(std::pair(330.0, 190.0), 330));
    scroll.release(MouseButton::Middle, 130, 90);
    scroll.move(0, 0);
    EXPECT_EQ(std::tuple(origin(), t.captured, redraws()), std::tuple(std::pair(330.0, 190.0), 0, 1));
}

TEST_F(CanvasTools, OrigoRightClickMovesEveryPointAndMarksTheTilingModified) {
    ASSERT_TRUE(attachAt(0, 0, kLargeShape, 0));
    t.shapes[++t.shapeLast] = TileShape{-31.5, 12.25, kSmallShape, 2, -4};
    t.modified = 0;
    const auto before = std::make_unique<Tiling>(t);
    t.zoom = 2.0;
    applyView(t);
    OrigoBoxTool(t, shell).press(MouseButton::Right, 380, 160);  // world (40, -20)
    for (int i = 0; i <= t.shapeLast; ++i)
        EXPECT_EQ(std::pair(t.shapes[i].x, t.shapes[i].y), std::pair(before->shapes[i].x - 40, before->shapes[i].y + 20));
    for (int i = 0; i <= t.contourLast; ++i)
        EXPECT_EQ(std::pair(t.contour[i].x, t.contour[i].y), std::pair(before->contour[i].x - 40, before->contour[i].y + 20));
    EXPECT_EQ(std::tuple(t.contourLast, t.modified, t.box.x, origin()), std::tuple(3, 1, before->box.x, std::pair(300.0, 200.0)));
}

TEST_F(CanvasTools, BoxDragFollowsThePointerInNotXorAndKeepsThePageRatio) {
    const struct {
        int ratioMode, endX, endY;
        double w, h;
        const char* status;
    } cases[] = {
        {0, 400, 260, 100, 60, "x=0.000000;y=0.000000 w=100.000000;h=60.000000"},
        {1, 400, 260, 100, 100 / 1.5, "x=0.000000;y=0.000000 w=100.000000;h=66.666667"},
        {2, 250, 170, -50, -30, "x=0.000000;y=0.000000 w=-50.000000;h=-30.000000"},
    };
    t.displayBoundingBox = 1;
    t.pageAspect = 1.5;
    for (const auto& c : cases) {
        shell.recording.calls.clear();
        shell.statusHistory.clear();
        t.ratioMode = c.ratioMode;
        OrigoBoxTool box(t, shell);
        box.press(MouseButton::Middle, 300, 200);
        box.press(MouseButton::Left, 300, 200);
        EXPECT_EQ(std::pair(t.captured, shell.captured), std::pair(1, true));
        box.move(320, 210);
        box.release(MouseButton::Right, c.endX, c.endY);  // only the left button ends the drag
        box.move(c.endX, c.endY);
        box.release(MouseButton::Left, c.endX, c.endY);
        EXPECT_EQ(std::tuple(t.box.w, t.box.h, t.captured, shell.captured), std::tuple(c.w, c.h, 0, false));
        EXPECT_EQ(shell.statusHistory[2], c.status);
        EXPECT_EQ(shell.statusHistory.back(), "idle");
        // Drawn at the press, erased and drawn at each move, then the repaint's own box.
        std::vector<StrokeMode> modes;
        for (const auto& d : shell.recording.calls)
            if (d.op == "rectangle" && d.brushStyle == BrushStyle::Clear) modes.push_back(d.strokeMode);
        std::vector<StrokeMode> expected(5, StrokeMode::NotXor);
        expected.push_back(StrokeMode::Copy);
        EXPECT_EQ(modes, expected);
    }
}

TEST_F(CanvasTools, ColorizeGivesTheCurrentColourKeepingTheSelection) {
    setShapes({{0, 0, kLargeShape, 0, -5}, {100, 0, kSmallShape, 3, 5}});
    t.currentColor = 8;
    ColorizeTool colorize(t, shell);
    colorize.press(MouseButton::Right, 300, 200);
    colorize.press(MouseButton::Left, 350, 200);  // between the shapes
    EXPECT_EQ(std::pair(colors(), t.modified), std::pair(std::vector<int>{-5, 5}, 0));
    colorize.press(MouseButton::Left, 300, 200);
    colorize.press(MouseButton::Left, 400, 200);
    EXPECT_EQ(std::pair(colors(), t.modified), std::pair(std::vector<int>{-8, 8}, 1));
    // Only the two shapes are drawn, the selected one with its hatch.
    EXPECT_EQ(std::pair(redraws(), shell.recording.count("polygon")), std::pair(0, 3));
    EXPECT_EQ(shell.recording.calls.back().brush, t.palette[8]);
}

TEST_F(CanvasTools, OrigoToolHidesOnLeavingOnlyWhatItShowed) {
    PaletteState state;
    const auto choose = [&](std::initializer_list<ToolMode> tools) {
        for (ToolMode m : tools) toolButtonClick(t, shell, state, m);
        // The menu's check marks show the flags.
        EXPECT_EQ(std::pair(shell.menuChecked["display origin"], shell.menuChecked["display bounding box"]),
                  std::pair(t.displayOrigin == 1, t.displayBoundingBox == 1));
        return std::pair(t.displayOrigin, t.displayBoundingBox);
    };
    EXPECT_EQ(choose({ToolMode::OrigoBoundingBox}), std::pair(1, 1));
    EXPECT_EQ(choose({ToolMode::Edit}), std::pair(0, 0));
    EXPECT_EQ(redraws(), 2);
    EXPECT_EQ(choose({ToolMode::OrigoBoundingBox, ToolMode::OrigoBoundingBox, ToolMode::Edit}), std::pair(1, 1));
    t.displayBoundingBox = 0;  // the origin was on already: only the box goes again
    EXPECT_EQ(choose({ToolMode::OrigoBoundingBox, ToolMode::Zoom}), std::pair(1, 0));
}

}  // namespace
}  // namespace rho
