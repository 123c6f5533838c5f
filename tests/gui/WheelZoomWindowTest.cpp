// The mouse wheel on the real view widget: a notch zooms about the pointer
// by the menu's factors, a notch back gives back the same picture, and a
// fine wheel adds up to whole notches.
#include <QWheelEvent>

#include "io/TilingFile.h"
#include "support/TempDir.h"

#include "gui/MainWindowFixture.h"
#include "render/View.h"

namespace rho::test {
namespace {

struct WheelZoom : MainWindowFixture {
    void wheel(QPoint at, int delta) {
        QWheelEvent event(QPointF(at), window->view().mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&window->view(), &event);
    }
    QImage picture() { return window->view().buffer().copy(); }
};

TEST_F(WheelZoom, NotchZoomsAboutThePointerAndANotchBackRestoresThePicture) {
    t.shapes[++t.shapeLast] = TileShape{0.0, 0.0, kLargeShape, 0, 1};
    t.shapes[++t.shapeLast] = TileShape{31.0, -17.5, kSmallShape, 3, 4};
    trigger("redraw");
    const QImage before = picture();
    const QPoint at(171, 130);
    const Point2 under = windowToWorld(t, at.x(), at.y());
    const double originX = t.viewOriginX, originY = t.viewOriginY;

    wheel(at, 120);
    EXPECT_EQ(t.zoom, 1.2);
    const Point2 still = windowToWorld(t, at.x(), at.y());
    EXPECT_NEAR(still.x, under.x, 1e-4);
    EXPECT_NEAR(still.y, under.y, 1e-4);
    EXPECT_NE(picture(), before);

    wheel(at, -120);
    EXPECT_EQ(std::tuple(t.zoom, t.viewOriginX, t.viewOriginY), std::tuple(1.0, originX, originY));
    EXPECT_EQ(picture(), before);

    // Two half notches make one; the tool and its buttons are untouched.
    wheel(at, 60);
    EXPECT_EQ(t.zoom, 1.0);
    wheel(at, 60);
    EXPECT_EQ(t.zoom, 1.2);
    wheel(at, -240);
    EXPECT_EQ(t.zoom, static_cast<double>(1.0 * kZoomOutFactor));  // two notches
    EXPECT_EQ(t.tool, ToolMode::Edit);
}

// Thousands of zoom-outs once made the zoom 0, an origin move then made
// every coordinate NaN, and the saved file could never be opened.
TEST_F(WheelZoom, AfterThousandsOfZoomOutsAnOriginMoveStillSavesAFileThatOpens) {
    TempDir dir("wheel-zoom");
    trigger("add large shape");
    click(Qt::RightButton, {400, 300});
    ASSERT_EQ(panel(0), "shapes:1 contour:4");
    double lowest = 1.0;
    for (int i = 0; i < 38; ++i) lowest = static_cast<double>(lowest * kZoomOutFactor);

    for (int i = 0; i < 100; ++i) wheel(QPoint(40, 300), -120);
    EXPECT_EQ(t.zoom, lowest);
    for (int i = 0; i < 4000; ++i) trigger("zoom out");
    EXPECT_EQ(t.zoom, lowest);

    chooseTool("origo & bounding box");
    click(Qt::RightButton, {10, 10});
    const std::string moved = tilingText(t);
    EXPECT_EQ(moved.find("nan"), std::string::npos) << moved;
    const std::string path = dir / "far.rho";
    ui.saveChoices.push_back(FileChoice{path, 1});
    trigger("save...");
    ASSERT_EQ(slurp(path), moved);

    ui.answers.push_back(Answer::No);
    trigger("new");
    ASSERT_EQ(panel(0), "shapes:0 contour:0");
    ui.openChoices.push_back(FileChoice{path, 1});
    trigger("open...");
    EXPECT_EQ(std::tuple(tilingText(t), panel(0), caption()), std::tuple(moved, "shapes:1 contour:4", "rho 2.0 " + path));
}

}  // namespace
}  // namespace rho::test
