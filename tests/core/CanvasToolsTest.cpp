// The colorize, zoom, scroll and origo & bounding box tools of the main view,
// and the palette's tool buttons and swatches, through the scripted shell.
#include <gtest/gtest.h>

#include "edit/CanvasTools.h"
#include "edit/PaletteCommands.h"
#include "render/View.h"
#include "support/Placing.h"

namespace rho {
namespace {

using Texts = std::vector<std::string>;

struct CanvasTools : test::TilingFixture {
    // A view centred on world (0, 0) with whole-pixel halves: 600 x 400.
    void SetUp() override {
        t.halfWidth = t.viewOriginX = 300.0;
        t.halfHeight = t.viewOriginY = 200.0;
        applyView(t);
    }
    // Full repaints so far: each starts with the background rectangle.
    int redraws() const {
        int n = 0;
        for (const auto& c : shell.recording.calls)
            n += c.op == "rectangle" && c.points.size() == 2 && c.points[0].x == 0 && c.points[0].y == 0;
        return n;
    }
    std::vector<test::DrawCall> boxCalls() const {
        std::vector<test::DrawCall> boxes;
        for (const auto& c : shell.recording.calls)
            if (c.op == "rectangle" && c.brushStyle == BrushStyle::Clear) boxes.push_back(c);
        return boxes;
    }
};

TEST_F(CanvasTools, ZoomScalesAndBringsTheClickedPixelToTheCentre) {
    const struct {
        MouseButton button;
        int x, y;
        double zoom, originX, originY;
    } cases[] = {
        {MouseButton::Left, 300, 200, 1.2, 300, 200},  // the exact centre: only the zoom changes
        {MouseButton::Right, 300, 200, 0.8333333333333334, 300, 200},
        {MouseButton::Middle, 0, 0, 0.8333333333333334, 600, 400},
        {MouseButton::Left, 310, 190, 1.2, 290, 210},
    };
    for (const auto& c : cases) {
        SetUp();
        t.zoom = 1.0;
        ZoomTool(t, shell).press(c.button, c.x, c.y);
        EXPECT_EQ(t.zoom, c.zoom);
        EXPECT_EQ(std::pair(t.viewOriginX, t.viewOriginY), std::pair(c.originX, c.originY));
        const Pixel p = worldToPixel(100.0, 0.0);  // the current matrix is the new view
        EXPECT_EQ(p.x, static_cast<int>(c.originX + 100.0 * c.zoom));
    }
    EXPECT_EQ(redraws(), 4);
}

TEST_F(CanvasTools, ThreeZoomsInAndThreeOutAtTheCentreGiveBackOne) {
    ZoomTool zoom(t, shell);
    for (MouseButton b : {MouseButton::Left, MouseButton::Left, MouseButton::Left}) zoom.press(b, 300, 200);
    EXPECT_EQ(t.zoom, 1.728);
    for (MouseButton b : {MouseButton::Right, MouseButton::Right, MouseButton::Middle}) zoom.press(b, 300, 200);
    EXPECT_EQ(t.zoom, 1.0);
}

TEST_F(CanvasTools, ScrollDragsTheViewOnlyBetweenPressAndRelease) {
    ScrollTool scroll(t, shell);
    scroll.move(50, 50);
    EXPECT_EQ(redraws(), 0);
    scroll.press(MouseButton::Right, 100, 100);
    scroll.move(130, 90);
    EXPECT_EQ(std::pair(t.viewOriginX, t.viewOriginY), std::pair(330.0, 190.0));
    EXPECT_EQ(worldToPixel(0.0, 0.0).x, 330);
    scroll.release(MouseButton::Left, 130, 90);
    scroll.move(0, 0);
    EXPECT_EQ(std::pair(t.viewOriginX, t.viewOriginY), std::pair(330.0, 190.0));
    EXPECT_EQ(std::pair(t.captured, redraws()), std::pair(0, 1));
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
    ASSERT_EQ(t.contourLast, before->contourLast);
    for (int i = 0; i <= t.contourLast; ++i)
        EXPECT_EQ(std::pair(t.contour[i].x, t.contour[i].y), std::pair(before->contour[i].x - 40, before->contour[i].y + 20));
    EXPECT_EQ(t.modified, 1);
    EXPECT_EQ(std::pair(t.box.x, t.box.w), std::pair(before->box.x, before->box.w));
    EXPECT_EQ(std::pair(t.viewOriginX, t.zoom), std::pair(300.0, 2.0));
}

TEST_F(CanvasTools, BoxDragFollowsThePointerInNotXorAndKeepsThePageRatio) {
    const struct {
        int ratioMode;
        double h;
        const char* status;
    } cases[] = {
        {0, 60.0, "x=0.000000;y=0.000000 w=100.000000;h=60.000000"},
        {1, 100.0 / 1.5, "x=0.000000;y=0.000000 w=100.000000;h=66.666667"},
        {2, 60.0, "x=0.000000;y=0.000000 w=100.000000;h=60.000000"},
    };
    t.displayBoundingBox = 1;
    t.pageAspect = 1.5;
    for (const auto& c : cases) {
        shell.recording.calls.clear();
        shell.statusHistory.clear();
        t.ratioMode = c.ratioMode;
        OrigoBoxTool box(t, shell);
        box.press(MouseButton::Left, 300, 200);
        EXPECT_EQ(std::pair(t.captured, shell.captured), std::pair(1, true));
        box.move(400, 260);
        EXPECT_EQ(std::pair(t.box.w, t.box.h), std::pair(100.0, c.h));
        box.release(MouseButton::Right, 400, 260);  // only the left button ends the drag
        box.release(MouseButton::Left, 420, 270);
        EXPECT_EQ(std::pair(t.box.w, t.box.h), std::pair(120.0, c.ratioMode == 1 ? 80.0 : 70.0));
        EXPECT_EQ(std::pair(t.captured, shell.captured), std::pair(0, false));
        EXPECT_EQ(shell.statusHistory, (Texts{"bounding box", c.status, "idle"}));
        // Drawn at the press, erased and drawn at the move, then the repaint's own box.
        const auto boxes = boxCalls();
        ASSERT_EQ(boxes.size(), 4u);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(boxes[i].strokeMode, StrokeMode::NotXor);
        EXPECT_EQ(boxes[3].strokeMode, StrokeMode::Copy);
    }
}

TEST_F(CanvasTools, BoxDraggedUpAndLeftKeepsItsNegativeSize) {
    OrigoBoxTool box(t, shell);
    box.press(MouseButton::Middle, 300, 200);
    EXPECT_EQ(t.captured, 0);
    box.press(MouseButton::Left, 300, 200);
    box.release(MouseButton::Left, 250, 170);
    EXPECT_EQ(std::pair(t.box.w, t.box.h), std::pair(-50.0, -30.0));
}

TEST_F(CanvasTools, ColorizeGivesTheCurrentColourKeepingTheSelection) {
    setShapes({{0, 0, kLargeShape, 0, -5}, {100, 0, kSmallShape, 3, 5}});
    t.currentColor = 8;
    ColorizeTool colorize(t, shell);
    colorize.press(MouseButton::Right, 300, 200);
    colorize.press(MouseButton::Left, 350, 200);  // between the shapes
    EXPECT_EQ(colors(), (std::vector<int>{-5, 5}));
    EXPECT_EQ(t.modified, 0);
    colorize.press(MouseButton::Left, 300, 200);
    colorize.press(MouseButton::Left, 400, 200);
    EXPECT_EQ(colors(), (std::vector<int>{-8, 8}));
    EXPECT_EQ(t.modified, 1);
    EXPECT_EQ(redraws(), 0);  // only the two shapes are drawn
    EXPECT_EQ(shell.recording.count("polygon"), 3);  // the selected one twice: fill and hatch
    EXPECT_EQ(shell.recording.calls.back().brush, t.palette[8]);
}

struct Palette : CanvasTools {
    PaletteState state;
};

TEST_F(Palette, ToolButtonsSetTheToolTheStatusAndTheHeight) {
    const struct {
        ToolMode tool;
        int height;
        const char* text;
    } cases[] = {
        {ToolMode::Select, 123, "tool: select shapes"},     {ToolMode::Erase, 123, "tool: delete shapes"},
        {ToolMode::Colorize, 291, "tool: colorize shapes"}, {ToolMode::Zoom, 123, "tool: zoom in & out"},
        {ToolMode::Scroll, 123, "tool: scroll the view"},   {ToolMode::Floodfill, 291, "tool: floodfill"},
        {ToolMode::Edit, 123, "tool: edit the tiling"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toolButtonClick(t, shell, state, c.tool), c.height);
        EXPECT_EQ(std::pair(t.tool, shell.panels[1]), std::pair(c.tool, std::string(c.text)));
    }
    EXPECT_EQ(redraws(), 0);
    EXPECT_EQ(swatchHint(t.palette[4]), "255-0-0");
}

TEST_F(Palette, OrigoToolHidesOnLeavingOnlyWhatItShowed) {
    const auto flags = [this] { return std::pair(t.displayOrigin, t.displayBoundingBox); };
    EXPECT_EQ(toolButtonClick(t, shell, state, ToolMode::OrigoBoundingBox), 123);
    EXPECT_EQ(flags(), std::pair(1, 1));
    EXPECT_EQ(shell.panels[1], "tool: set origo & bounding box");
    toolButtonClick(t, shell, state, ToolMode::Edit);
    EXPECT_EQ(flags(), std::pair(0, 0));
    EXPECT_EQ(redraws(), 2);

    for (ToolMode m : {ToolMode::OrigoBoundingBox, ToolMode::OrigoBoundingBox, ToolMode::Edit})
        toolButtonClick(t, shell, state, m);
    EXPECT_EQ(flags(), std::pair(1, 1));

    t.displayBoundingBox = 0;  // the origin was on before: only the box goes again
    for (ToolMode m : {ToolMode::OrigoBoundingBox, ToolMode::Zoom}) toolButtonClick(t, shell, state, m);
    EXPECT_EQ(flags(), std::pair(1, 0));
}

TEST_F(Palette, SwatchesChooseTheCurrentColourOrEditTheirEntry) {
    std::vector<Color> asked;
    std::optional<Color> answer = 0x123456;
    const ColorChooser choose = [&](Color initial) {
        asked.push_back(initial);
        return answer;
    };
    const Color entry7 = t.palette[7];
    EXPECT_EQ(swatchMouseDown(t, 7, MouseButton::Right, choose), SwatchChange::PaletteEntry);
    EXPECT_EQ(std::tuple(t.palette[7], t.currentColor, asked), std::tuple(Color{0x123456}, 3, std::vector{entry7}));
    answer.reset();
    EXPECT_EQ(swatchMouseDown(t, 7, MouseButton::Middle, choose), SwatchChange::None);
    EXPECT_EQ(t.palette[7], Color{0x123456});
    EXPECT_EQ(swatchMouseDown(t, 12, MouseButton::Left, choose), SwatchChange::CurrentColor);
    EXPECT_EQ(t.currentColor, 12);
    EXPECT_EQ(swatchMouseDown(t, 21, MouseButton::Left, choose), SwatchChange::None);
    EXPECT_EQ(t.currentColor, 12);
}

}  // namespace
}  // namespace rho
