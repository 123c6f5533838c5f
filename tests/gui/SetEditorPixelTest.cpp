#include <gtest/gtest.h>

#include <QImage>
#include <tuple>

#include "app/QtSurface.h"
#include "support/EditorFixture.h"

namespace rho {
namespace {

struct SetEditorPixelTest : test::EditorFixture {
    QImage image{800, 600, QImage::Format_RGB32};
    QtSurface surface{image};
    void SetUp() override {
        editorShell.surface = &surface;
        EditorFixture::SetUp();
    }
    Color at(int x, int y) { return surface.pixel(x, y); }
    int count(Color c) {
        int n = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) n += at(x, y) == c;
        return n;
    }
};

TEST_F(SetEditorPixelTest, GridDotsLookPressedIntoTheRhomb) {
    // The dot at the rhomb centre (400, 300): shadow above and left, highlight below and right.
    const Color shadow = editorShell.buttonShadow, light = editorShell.buttonHighlight;
    EXPECT_EQ(std::tuple(at(399, 300), at(400, 299), at(399, 299)), std::tuple(shadow, shadow, shadow));
    EXPECT_EQ(std::tuple(at(401, 300), at(401, 301), at(400, 301)), std::tuple(light, light, light));
    EXPECT_EQ(std::tuple(at(400, 300), at(398, 300), at(402, 302)),
              std::tuple(tiling->palette[1], tiling->palette[1], tiling->palette[1]));
    EXPECT_EQ(at(5, 5), tiling->palette[2]);

    displaygrid1Click(e);
    EXPECT_EQ(count(shadow), 0);
    EXPECT_EQ(count(light), 0);
}

TEST_F(SetEditorPixelTest, RubberBandInvertsAndLeavesNoTraceWhenItMoves) {
    SpeedButton10Click(e);
    selectEditorTool(e, kAddLine);
    e.currentLineColor = 0x0000ff;
    FormMouseDown(e, MouseButton::Left, 100, 100);
    FormMouseMove(e, 200, 100);
    EXPECT_EQ(std::tuple(at(150, 100), at(150, 101)), std::tuple(0x000000u, 0xffffffu));
    FormMouseMove(e, 100, 200);
    EXPECT_EQ(std::tuple(at(150, 100), at(100, 150)), std::tuple(0xffffffu, 0x000000u));
    FormPaint(e);  // a redraw while the band follows the mouse keeps it on screen
    FormMouseMove(e, 100, 180);
    EXPECT_EQ(std::tuple(at(100, 150), at(100, 190)), std::tuple(0x000000u, 0xffffffu));
    FormMouseUp(e, MouseButton::Left, 100, 200);
    EXPECT_EQ(at(100, 150), 0x000000u);  // the band's image stays until the next redraw
    FormPaint(e);
    EXPECT_EQ(std::tuple(at(100, 150), at(150, 100)), std::tuple(0x0000ffu, 0xffffffu));
}

TEST_F(SetEditorPixelTest, VertexAddedByAPlainClickLeavesItsSegmentOnScreen) {
    SpeedButton10Click(e);
    selectEditorTool(e, kAddPolyline);
    drag(100, 100, 200, 100);
    FormMouseDown(e, MouseButton::Left, 100, 200);  // no move between press and release
    FormMouseUp(e, MouseButton::Left, 100, 200);
    EXPECT_EQ(std::tuple(at(150, 100), at(150, 150), at(100, 150)), std::tuple(0x000000u, 0x000000u, 0xffffffu));
}

TEST_F(SetEditorPixelTest, BandLeftFollowingTheMouseByAMiddleReleaseIsFinishedByTheNextClick) {
    SpeedButton10Click(e);
    selectEditorTool(e, kAddPolyline);
    drag(100, 100, 200, 100);
    drag(200, 100, 200, 150, MouseButton::Middle);
    FormMouseMove(e, 200, 200);
    click(200, 200);
    EXPECT_EQ(std::tuple(at(150, 100), at(200, 180), at(200, 100)), std::tuple(0x000000u, 0x000000u, 0x000000u));
    EXPECT_EQ(e.workingDrawing.objects[0].lastPoint, 2);
}

TEST_F(SetEditorPixelTest, ColourPickerTakesTheShownPixel) {
    selectEditorTool(e, kColorPicker);
    click(399, 300);
    click(401, 300, MouseButton::Right);
    EXPECT_EQ(std::tuple(e.currentFillColor, e.currentLineColor),
              std::tuple(editorShell.buttonShadow, editorShell.buttonHighlight));
}

TEST_F(SetEditorPixelTest, ClosedPolygonShowsFilledAndUncountedSlotsStayHidden) {
    SpeedButton10Click(e);
    displaygrid1Click(e);
    e.currentFillColor = 0x00ff00;
    selectEditorTool(e, kAddPolygon);
    drag(300, 250, 500, 250);
    click(500, 350);
    click(300, 350);
    EXPECT_EQ(at(400, 300), tiling->palette[1]);  // not counted yet, not drawn
    click(0, 0, MouseButton::Right);
    EXPECT_EQ(at(400, 300), 0x00ff00u);
    EXPECT_EQ(at(400, 250), 0x000000u);

    e.workingDrawing.count = 0;
    FormPaint(e);
    EXPECT_EQ(at(400, 300), tiling->palette[1]);
}

}  // namespace
}  // namespace rho
