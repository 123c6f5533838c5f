#include <gtest/gtest.h>

#include <QImage>
#include <random>

#include "app/QtSurface.h"
#include "render/MatrixStack.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct RendererPixelTest : ::testing::Test {
    QImage image{583, 415, QImage::Format_RGB32};
    QtSurface surface{image};
    test::FakeShell shell{583, 415};
    std::unique_ptr<Tiling> t;

    void SetUp() override {
        shell.surface = &surface;
        t = createTiling(shell);
    }
    QImage snapshot() {
        surface.flush();
        return image.copy();
    }
};

TEST_F(RendererPixelTest, PreviewDrawnTwiceRestoresThePicture) {
    t->shapes[0] = TileShape{0, 0, kLargeShape, 0, 4};
    t->shapeLast = 0;
    redrawView(*t, shell);
    const QImage before = snapshot();
    const TileShape floating{10.4, -3.7, kSmallShape, 3, 1};
    drawShape(*t, shell, surface, floating, kPreview);
    EXPECT_NE(snapshot(), before);
    drawShape(*t, shell, surface, floating, kPreview);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(RendererPixelTest, SelectedShapeIsFilledAndHatched) {
    t->zoom = 4;
    applyView(*t);
    t->shapes[0] = TileShape{0, 0, kLargeShape, 0, -7};
    t->shapeLast = 0;
    redrawView(*t, shell);
    surface.flush();
    int fill = 0, black = 0;
    for (int y = 180; y < 235; ++y)
        for (int x = 260; x < 320; ++x) {
            const Color c = surface.pixel(x, y);
            if (c == t->palette[7]) ++fill;
            if (c == 0) ++black;
        }
    EXPECT_GT(fill, 1000);
    EXPECT_GT(black, 200);  // the crossing hatch lines

    t->shapes[0].color = 7;  // deselected: the hatch is gone
    redrawView(*t, shell);
    surface.flush();
    black = 0;
    for (int y = 180; y < 235; ++y)
        for (int x = 260; x < 320; ++x) black += surface.pixel(x, y) == 0;
    EXPECT_EQ(black, 0);
}

TEST_F(RendererPixelTest, BoundingBoxAtHalfZoom) {
    t->viewOriginX = 10;
    t->viewOriginY = 20;
    t->zoom = 0.5;
    t->displayBoundingBox = 1;
    applyView(*t);
    redrawView(*t, shell);
    surface.flush();
    const Color bg = t->palette[2];
    EXPECT_EQ(surface.pixel(10, 20), 0u);
    EXPECT_EQ(surface.pixel(200, 20), 0u);
    EXPECT_EQ(surface.pixel(10, 300), 0u);
    EXPECT_EQ(surface.pixel(9, 21), bg);
    EXPECT_EQ(surface.pixel(11, 21), bg);  // outline only
    EXPECT_EQ(surface.pixel(0, 100), 0u);  // the background's left black line
}

TEST_F(RendererPixelTest, NegativePositionsTruncateTowardZero) {
    // World (0, 0) at pixel (-0.7, -0.7): truncation puts the origin cross on
    // column and row 0; flooring would put it outside the window.
    t->viewOriginX = -0.7;
    t->viewOriginY = 100.2;
    t->displayOrigin = 1;
    applyView(*t);
    redrawView(*t, shell);
    surface.flush();
    const Color bg = t->palette[2];
    EXPECT_EQ(surface.pixel(0, 200), 0u);
    EXPECT_EQ(surface.pixel(1, 200), bg);
    EXPECT_EQ(surface.pixel(300, 100), 0u);
    EXPECT_EQ(surface.pixel(300, 101), bg);
    EXPECT_EQ(surface.pixel(4, 100), bg);  // the horizontal line starts at column 5
    EXPECT_EQ(surface.pixel(5, 100), 0u);
}

TEST_F(RendererPixelTest, FullRepaintEqualsShapeByShapeDrawing) {
    // redrawView skips shapes wholly outside and draws the overlays once;
    // the reference draws every shape with drawShape, overlays after each.
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> pos(-500, 500);
    for (int i = 0; i < 400; ++i) {
        const int color = 1 + static_cast<int>(rng() % 20);
        t->shapes[i] = TileShape{pos(rng), pos(rng), static_cast<int>(rng() % 2), static_cast<int>(rng() % 10),
                                 rng() % 4 == 0 ? -color : color};
    }
    t->shapeLast = 399;
    t->floating = TileShape{12, 7, kLargeShape, 4, 1};
    t->adding = 1;
    t->displayOrigin = 1;
    t->displayBoundingBox = 1;
    t->zoom = 0.8;
    applyView(*t);

    redrawView(*t, shell);
    const QImage fast = snapshot();

    surface.setStrokeColor(0);
    surface.setBrushColor(t->palette[2]);
    surface.rectangle(0, 0, 584, 416);
    for (int i = 0; i <= t->shapeLast; ++i) drawShape(*t, shell, surface, t->shapes[i], kNormal);
    drawShape(*t, shell, surface, t->floating, kPreview);
    drawOrigin(*t, shell);
    drawBoundingBox(*t, shell);
    EXPECT_EQ(snapshot(), fast);
    EXPECT_EQ(matrixStack().depth(), 0);
}

}  // namespace
}  // namespace rho
