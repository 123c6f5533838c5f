#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "edit/Creation.h"
#include "geometry/MatrixStack.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct ViewTest : ::testing::Test {
    test::FakeShell shell{583, 415};
    std::unique_ptr<Tiling> t = createTiling(shell);
    void addShape(double x, double y, int kind, int color) { t->shapes[++t->shapeLast] = TileShape{x, y, kind, 0, color}; }
    double mappedX(double x) {
        double X = 0, Y = 0;
        matrixStack().transformPoint(x, 0, X, Y);
        return X;
    }
};

TEST_F(ViewTest, ZoomCommandsScaleAboutTheWorldOrigin) {
    EXPECT_EQ(worldToPixel(0, 0).x, 291);  // origin at (291.5, 207.5)
    EXPECT_EQ(worldToPixel(0, 0).y, 207);
    for (int i = 0; i < 3; ++i) zoomin1Click(*t, shell);
    EXPECT_NEAR(t->zoom, 1.728, 1e-15);
    for (int i = 0; i < 3; ++i) zoomout1Click(*t, shell);
    EXPECT_EQ(t->zoom, 1.0);
    zoomin1Click(*t, shell);
    EXPECT_DOUBLE_EQ(mappedX(100) - 291.5, 120.0);
    const std::pair<void (*)(Tiling&, Shell&), double> levels[] = {
        {N411Click, 4.0}, {N311Click, 3.0}, {N211Click, 2.0}, {N111Click, 1.0},
        {N121Click, 0.5}, {N131Click, 1.0 / 3.0}, {N141Click, 0.25}, {zoomto111Click, 1.0}};
    for (const auto& [command, zoom] : levels) {
        command(*t, shell);
        EXPECT_DOUBLE_EQ(mappedX(10), 291.5 + 10 * zoom);
    }
    EXPECT_EQ(shell.recording.count("rectangle"), 15);  // every command repainted
}

TEST_F(ViewTest, PixelsTruncateTowardZero) {
    t->zoom = 0.5;
    t->viewOriginX = 0.75;
    applyView(*t);
    EXPECT_EQ(worldToPixel(1, 0).x, 1);   // 1.25
    EXPECT_EQ(worldToPixel(-2, 0).x, 0);  // -0.25
    EXPECT_EQ(worldToPixel(-4, 0).x, -1);
    EXPECT_EQ(toPixel(1e300), 1 << 24);  // never overflows an int
}

TEST_F(ViewTest, ResizeKeepsTheCentreRecentreAndWindowToWorld) {
    t->viewOriginX = 100;
    t->viewOriginY = 40;
    applyView(*t);
    const Point2 centre = windowToWorld(*t, 291, 207);
    shell.setClientSize(683, 415);
    FormResize(*t, shell);
    EXPECT_EQ(t->viewOriginX, 150.0);
    EXPECT_DOUBLE_EQ(windowToWorld(*t, 341, 207).x, centre.x);
    t->zoom = 2;
    recentre1Click(*t, shell);
    EXPECT_EQ(t->viewOriginX, 341.5);
    EXPECT_EQ(t->zoom, 2.0);

    t->viewOriginX = -10;
    t->zoom = 4;
    applyView(*t);
    const Matrix4 before = matrixStack().current();
    const Point2 w = windowToWorld(*t, 30, 8);
    EXPECT_EQ(w.x, 10.0);
    EXPECT_EQ(w.y, (8 - 207.5) / 4);
    EXPECT_EQ(0, std::memcmp(&before, &matrixStack().current(), sizeof before));
}

TEST_F(ViewTest, RegionSelectionGoesByCornerPixels) {
    t->viewOriginX = 0;
    t->viewOriginY = 0;
    applyView(*t);
    addShape(583 - t->largeTemplate.corners[3].x - 40, 200, kLargeShape, 5);   // inside
    addShape(583.5 - t->largeTemplate.corners[0].x, 200, kLargeShape, 6);      // leftmost corner on column 583
    addShape(-100, -100, kSmallShape, -7);                                     // selected stays selected
    visibleshapes1Click(*t, shell);
    visibleshapes1Click(*t, shell);
    EXPECT_EQ(t->shapes[0].color, -5);
    EXPECT_EQ(t->shapes[1].color, 6);
    EXPECT_EQ(t->shapes[2].color, -7);

    t->shapes[0].color = 5;
    t->box = {0, 0, 0, 700};  // no width: nothing
    insideboundingbox1Click(*t, shell);
    EXPECT_EQ(t->shapes[0].color, 5);
    t->box = {0, 0, 1000, 700};
    insideboundingbox1Click(*t, shell);
    EXPECT_EQ(t->shapes[0].color, -5);
}

}  // namespace
}  // namespace rho
