#include <gtest/gtest.h>

#include <cfloat>

#include "edit/CanvasTools.h"
#include "geometry/MatrixStack.h"
#include "io/TilingFile.h"
#include "render/View.h"
#include "support/Placing.h"

namespace rho {
namespace {

struct ZoomRange : test::TilingFixture {
    std::tuple<double, double, double> view() const { return {t.zoom, t.viewOriginX, t.viewOriginY}; }
    Point2 mapped(Point2 w) const {
        Point2 p;
        matrixStack().transformPoint(w.x, w.y, p.x, p.y);
        return p;
    }
};

TEST_F(ZoomRange, WheelZoomsAboutThePointerAndANotchBackRestoresTheView) {
    // Half-pixel origins (odd client sizes) and whole-pixel ones.
    for (const double origin : {291.5, 292.0}) {
        for (const auto& [px, py] : {std::pair(100, 50), std::pair(0, 0), std::pair(582, 414), std::pair(37, 400)}) {
            t.zoom = 1.0;
            t.viewOriginX = origin;
            t.viewOriginY = origin - 84;
            applyView(t);
            const auto before = view();
            const Point2 w = windowToWorld(t, px, py);

            wheelZoom(t, shell, 1, px, py);
            EXPECT_EQ(t.zoom, 1.2);
            const Point2 back = mapped(w);  // the matrix follows, and w is still under the pointer
            EXPECT_NEAR(back.x, px, 1e-4);
            EXPECT_NEAR(back.y, py, 1e-4);
            wheelZoom(t, shell, -1, px, py);
            EXPECT_EQ(view(), before) << origin << " at " << px << "," << py;
        }
    }
    t.captured = 1;  // a drag in progress keeps its view
    const auto before = view();
    const int redraws = shell.recording.count("rectangle");
    wheelZoom(t, shell, 1, 10, 10);
    EXPECT_EQ(std::pair(view(), shell.recording.count("rectangle")), std::pair(before, redraws));
}

TEST_F(ZoomRange, EveryZoomCommandStopsAtTheEndsOfTheRange) {
    t.shapes[++t.shapeLast] = TileShape{40.0, 0.0, kLargeShape, 0, 1};
    double lowest = 1.0;
    for (int i = 0; i < 38; ++i) lowest = static_cast<double>(lowest * kZoomOutFactor);
    ASSERT_GE(lowest, kMinZoom);
    ASSERT_LT(static_cast<double>(lowest * kZoomOutFactor), kMinZoom);

    for (int i = 0; i < 5000; ++i) zoomout1Click(t, shell);
    EXPECT_EQ(t.zoom, lowest);
    EXPECT_EQ(worldToPixel(40.0, 0.0).x, 291);  // 291.5 + 0.039
    EXPECT_EQ(windowToWorld(t, 0, 0).x, -291.5 / lowest);
    wheelZoom(t, shell, -2, 0, 0);
    ZoomTool(t, shell).press(MouseButton::Right, 300, 207);
    EXPECT_EQ(view(), std::tuple(lowest, 283.0, 208.0));  // the click still centres its spot
    zoomin1Click(t, shell);
    EXPECT_EQ(t.zoom, lowest * 1.2);

    for (int i = 0; i < 5000; ++i) zoomin1Click(t, shell);
    EXPECT_LE(t.zoom, kMaxZoom);
    EXPECT_GT(t.zoom * 1.2, kMaxZoom);
    const double highest = t.zoom;
    for (int i = 0; i < 50; ++i) ZoomTool(t, shell).press(MouseButton::Left, 291, 207);
    wheelZoom(t, shell, 5, 10, 10);
    EXPECT_EQ(t.zoom, highest);
    N141Click(t, shell);  // the fixed levels lie inside the range
    EXPECT_EQ(t.zoom, 0.25);
}

TEST_F(ZoomRange, OrigoMoveThatWouldLeaveTheDoublesChangesNothing) {
    // At zoom 1e-300 a move pushes DBL_MAX past the largest double; at 0 every
    // move is infinite or NaN. The far point is a shape, then a contour point.
    for (const bool farShape : {true, false}) {
        for (const double zoom : {1e-300, 0.0}) {
            t.shapeLast = t.contourLast = -1;
            t.shapes[++t.shapeLast] = TileShape{1.0, 2.0, kLargeShape, 0, 1};
            t.shapes[++t.shapeLast] = TileShape{farShape ? DBL_MAX : 4.0, -5.0, kSmallShape, 3, -2};
            t.contour[++t.contourLast] = ContourVertex{{1, 1}, 3.0, farShape ? 6.0 : DBL_MAX};
            t.modified = 0;
            const std::string before = tilingText(t);
            const int redraws = shell.recording.count("rectangle");
            t.zoom = zoom;
            OrigoBoxTool(t, shell).press(MouseButton::Right, 0, 0);
            EXPECT_EQ(tilingText(t), before) << farShape << zoom;
            EXPECT_EQ(std::tuple(t.modified, shell.recording.count("rectangle")), std::tuple(0, redraws));
        }
    }
}

}  // namespace
}  // namespace rho
