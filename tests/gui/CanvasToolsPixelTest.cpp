// The canvas tools that work on the view's pixels: floodfill, and the
// bounding box dragged in not-xor.
#include <gtest/gtest.h>

#include <QImage>

#include "app/QtSurface.h"
#include "edit/CanvasTools.h"
#include "edit/Creation.h"
#include "render/Renderer.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct CanvasToolsPixelTest : ::testing::Test {
    QImage image{583, 415, QImage::Format_RGB32};
    QtSurface surface{image};
    test::FakeShell shell{583, 415};
    std::unique_ptr<Tiling> t;
    void SetUp() override {
        shell.surface = &surface;
        t = createTiling(shell);
        t->shapes[0] = TileShape{0, 0, kLargeShape, 0, 5};
        t->shapeLast = 0;
        redrawView(*t, shell);
    }
    QImage snapshot() {
        surface.flush();
        return image.copy();
    }
};

TEST_F(CanvasToolsPixelTest, FloodfillPaintsTheAreaUnderThePointerOnly) {
    t->currentColor = 8;
    FloodfillTool(*t, shell).press(MouseButton::Right, 291, 207);  // the shape's centre
    EXPECT_EQ(surface.pixel(291, 207), t->palette[8]);
    EXPECT_EQ(surface.pixel(300, 210), t->palette[8]);
    EXPECT_EQ(surface.pixel(20, 20), t->palette[2]);  // the background is another area
    EXPECT_EQ(std::pair(t->shapes[0].color, t->modified), std::pair(5, 0));
}

TEST_F(CanvasToolsPixelTest, FloodfillMoveShowsThePixelUnderThePointer) {
    surface.setPixel(10, 20, rgb(255, 0, 0));
    FloodfillTool tool(*t, shell);
    tool.move(10, 20);
    EXPECT_EQ(shell.panels[2], "x=10 y=20  255 ; 0 ; 0");
    tool.move(291, 207);
    EXPECT_EQ(shell.panels[2], "x=291 y=207  0 ; 100 ; 0");  // palette entry 5
}

TEST_F(CanvasToolsPixelTest, DraggedBoxLeavesNoTrail) {
    t->displayBoundingBox = 1;
    const auto drag = [this](std::initializer_list<std::pair<int, int>> points) {
        t->box = BoundingBox{};
        redrawView(*t, shell);
        OrigoBoxTool box(*t, shell);
        box.press(MouseButton::Left, 100, 80);
        for (auto [x, y] : points) box.move(x, y);
        return snapshot();
    };
    const QImage direct = drag({{400, 300}});
    const QImage wandering = drag({{200, 150}, {50, 350}, {500, 90}, {400, 300}});
    EXPECT_EQ(wandering, direct);
    EXPECT_NE(direct, drag({{401, 300}}));
}

}  // namespace
}  // namespace rho
