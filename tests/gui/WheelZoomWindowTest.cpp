#include <QWheelEvent>

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

    // Two half notches make one; the tool is untouched.
    wheel(at, 60);
    EXPECT_EQ(t.zoom, 1.0);
    wheel(at, 60);
    EXPECT_EQ(t.zoom, 1.2);
    wheel(at, -240);
    EXPECT_EQ(t.zoom, static_cast<double>(1.0 * kZoomOutFactor));  // two notches
    EXPECT_EQ(t.tool, ToolMode::Edit);
}

}  // namespace
}  // namespace rho::test
