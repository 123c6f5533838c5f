#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "render/MatrixStack.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct ViewTest : ::testing::Test {
    test::FakeShell shell{583, 415};
    std::unique_ptr<Tiling> t = createTiling(shell);

    void addShape(double x, double y, int kind, int angle, int color) {
        t->shapes[++t->shapeLast] = TileShape{x, y, kind, angle, color};
    }
};

TEST_F(ViewTest, StartsCentredAtZoomOne) {
    EXPECT_EQ(t->viewOriginX, 291.5);
    EXPECT_EQ(t->viewOriginY, 207.5);
    EXPECT_EQ(t->zoom, 1.0);
    const Pixel p = worldToPixel(0, 0);
    EXPECT_EQ(p.x, 291);
    EXPECT_EQ(p.y, 207);
}

TEST_F(ViewTest, ZoomCommandsScaleAboutTheWorldOrigin) {
    zoomin1Click(*t, shell);
    zoomin1Click(*t, shell);
    zoomin1Click(*t, shell);
    EXPECT_EQ(t->zoom, 1.0 * 1.2 * 1.2 * 1.2);
    EXPECT_NEAR(t->zoom, 1.728, 1e-15);
    zoomout1Click(*t, shell);
    zoomout1Click(*t, shell);
    zoomout1Click(*t, shell);
    EXPECT_EQ(t->zoom, 1.0);

    // The world origin keeps its pixel; a point 100 units right moves from 100 to 120 pixels away.
    zoomin1Click(*t, shell);
    EXPECT_EQ(t->viewOriginX, 291.5);
    double x = 0, y = 0;
    matrixStack().transformPoint(100, 0, x, y);
    EXPECT_DOUBLE_EQ(x - 291.5, 120.0);

    const std::pair<void (*)(Tiling&, Shell&), double> levels[] = {
        {N411Click, 4.0}, {N311Click, 3.0}, {N211Click, 2.0}, {N111Click, 1.0},
        {N121Click, 0.5}, {N131Click, 1.0 / 3.0}, {N141Click, 0.25}, {zoomto111Click, 1.0}};
    for (const auto& [command, zoom] : levels) {
        command(*t, shell);
        EXPECT_EQ(t->zoom, zoom);
        matrixStack().transformPoint(10, 0, x, y);
        EXPECT_DOUBLE_EQ(x, 291.5 + 10 * zoom);
    }
    // Every view command repaints.
    EXPECT_GE(shell.recording.count("rectangle"), 15);
}

TEST_F(ViewTest, PixelsTruncateTowardZero) {
    t->zoom = 0.5;
    t->viewOriginX = 0.75;
    t->viewOriginY = 0;
    applyView(*t);
    EXPECT_EQ(worldToPixel(1, 0).x, 1);   // 1.25
    EXPECT_EQ(worldToPixel(-2, 0).x, 0);  // -0.25, not -1
    EXPECT_EQ(worldToPixel(-4, 0).x, -1); // -1.25
}

TEST_F(ViewTest, ResizeKeepsTheCentreAndRecentreRestoresTheOrigin) {
    t->viewOriginX = 100;
    t->viewOriginY = 40;
    applyView(*t);
    const Point2 centreBefore = windowToWorld(*t, 291, 207);
    shell.setClientSize(683, 415);
    FormResize(*t, shell);
    EXPECT_EQ(t->viewOriginX, 150.0);
    EXPECT_EQ(t->halfWidth, 341.5);
    const Point2 centreAfter = windowToWorld(*t, 341, 207);
    EXPECT_DOUBLE_EQ(centreAfter.x, centreBefore.x);
    EXPECT_DOUBLE_EQ(centreAfter.y, centreBefore.y);

    t->zoom = 2;
    recentre1Click(*t, shell);
    EXPECT_EQ(t->viewOriginX, 341.5);
    EXPECT_EQ(t->viewOriginY, 207.5);
    EXPECT_EQ(t->zoom, 2.0);
}

TEST_F(ViewTest, WindowToWorldUndoesTheViewAndLeavesTheMatrix) {
    t->viewOriginX = -10;
    t->viewOriginY = 0;
    applyView(*t);
    const Matrix4 before = matrixStack().current();
    const Point2 w = windowToWorld(*t, 0, 0);
    EXPECT_EQ(w.x, 10.0);
    EXPECT_EQ(w.y, 0.0);
    EXPECT_EQ(0, std::memcmp(&before, &matrixStack().current(), sizeof before));

    t->zoom = 4;
    applyView(*t);
    const Point2 z = windowToWorld(*t, 30, 8);
    EXPECT_EQ(z.x, 10.0);
    EXPECT_EQ(z.y, 2.0);
}

TEST_F(ViewTest, VisibleShapesSelectsByCornerPixelsOnly) {
    // Corner 3 of a large shape at angle 0 is the rightmost corner (x + 19.02).
    // Put it exactly on column 583 (outside), then one pixel inside.
    t->viewOriginX = 0;
    t->viewOriginY = 0;
    applyView(*t);
    const double corner3 = t->largeTemplate.corners[3].x;  // 19.021130...
    addShape(583 - corner3 - 40, 200, kLargeShape, 0, 5);  // every corner left of 583: selected
    addShape(583.5 - t->largeTemplate.corners[0].x, 200, kLargeShape, 0, 6);  // all corners >= 583
    addShape(-100, -100, kSmallShape, 0, -7);  // already selected, outside: stays selected
    addShape(-30, 100, kSmallShape, 0, 8);     // corners 2 and 3 at x <= -18: outside
    visibleshapes1Click(*t, shell);
    EXPECT_EQ(t->shapes[0].color, -5);
    EXPECT_EQ(t->shapes[1].color, 6);
    EXPECT_EQ(t->shapes[2].color, -7);
    EXPECT_EQ(t->shapes[3].color, 8);
    // Running it again changes nothing.
    visibleshapes1Click(*t, shell);
    EXPECT_EQ(t->shapes[0].color, -5);
    EXPECT_EQ(t->shapes[1].color, 6);
}

TEST_F(ViewTest, InsideBoundingBoxUsesTheBoxPixels) {
    addShape(100, 100, kLargeShape, 2, 4);
    addShape(2000, 100, kSmallShape, 0, 4);
    t->box = {0, 0, 0, 700};  // zero width: nothing
    insideboundingbox1Click(*t, shell);
    EXPECT_EQ(t->shapes[0].color, 4);
    t->box = {1000, 1000, -1000, -1000};  // negative size: nothing
    insideboundingbox1Click(*t, shell);
    EXPECT_EQ(t->shapes[0].color, 4);
    t->box = {0, 0, 1000, 700};
    insideboundingbox1Click(*t, shell);
    EXPECT_EQ(t->shapes[0].color, -4);
    EXPECT_EQ(t->shapes[1].color, 4);
}

}  // namespace
}  // namespace rho
