#include <gtest/gtest.h>

#include <QImage>
#include <random>

#include "app/QtSurface.h"
#include "edit/Creation.h"
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
    void view(double originX, double originY, double zoom) {
        t->viewOriginX = originX;
        t->viewOriginY = originY;
        t->zoom = zoom;
        applyView(*t);
    }
    QImage snapshot() {
        surface.flush();
        return image.copy();
    }
    int count(Color c, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += surface.pixel(x, y) == c;
        return n;
    }
};

TEST_F(RendererPixelTest, PreviewTwiceRestoresAndSelectionIsHatched) {
    view(291.5, 207.5, 4);
    t->shapes[0] = TileShape{0, 0, kLargeShape, 0, -7};
    t->shapeLast = 0;
    redrawView(*t, shell);
    EXPECT_GT(count(t->palette[7], 260, 180, 320, 235), 1000);
    EXPECT_GT(count(0, 260, 180, 320, 235), 200);  // the crossing hatch lines

    const QImage before = snapshot();
    const TileShape floating{10.4, -3.7, kSmallShape, 3, 1};
    drawShape(*t, shell, surface, floating, kPreview);
    EXPECT_NE(snapshot(), before);
    drawShape(*t, shell, surface, floating, kPreview);
    EXPECT_EQ(snapshot(), before);

    t->shapes[0].color = 7;
    redrawView(*t, shell);
    EXPECT_EQ(count(0, 260, 180, 320, 235), 0);
}

TEST_F(RendererPixelTest, OverlaysAndTruncationTowardZero) {
    view(10, 20, 0.5);
    t->displayBoundingBox = 1;
    redrawView(*t, shell);
    const Color bg = t->palette[2];
    EXPECT_EQ(surface.pixel(10, 20), 0u);  // box from (10, 20) to (510, 370), outline only
    EXPECT_EQ(surface.pixel(509, 369), 0u);
    EXPECT_EQ(surface.pixel(510, 369), bg);
    EXPECT_EQ(surface.pixel(11, 21), bg);

    // World (0, 0) at (-0.7, 100.2): truncation puts the vertical line on
    // column 0 (flooring would put it outside the window).
    view(-0.7, 100.2, 1);
    t->displayBoundingBox = 0;
    t->displayOrigin = 1;
    redrawView(*t, shell);
    EXPECT_EQ(surface.pixel(0, 200), 0u);
    EXPECT_EQ(surface.pixel(1, 200), bg);
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
    t->displayOrigin = t->displayBoundingBox = 1;
    view(291.5, 207.5, 0.8);
    redrawView(*t, shell);
    const QImage fast = snapshot();

    surface.setBrushColor(t->palette[2]);
    surface.rectangle(0, 0, 584, 416);
    for (int i = 0; i <= t->shapeLast; ++i) drawShape(*t, shell, surface, t->shapes[i], kNormal);
    drawShape(*t, shell, surface, t->floating, kPreview);
    EXPECT_EQ(snapshot(), fast);
}

}  // namespace
}  // namespace rho
