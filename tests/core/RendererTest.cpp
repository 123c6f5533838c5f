#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "edit/Creation.h"
#include "geometry/MatrixStack.h"
#include "render/CornerPixels.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using test::DrawCall;

struct RendererTest : ::testing::Test {
    test::FakeShell shell{583, 415};
    std::unique_ptr<Tiling> t = createTiling(shell);
    std::vector<DrawCall> polygons() const {
        std::vector<DrawCall> out;
        for (const auto& c : shell.recording.calls)
            if (c.op == "polygon") out.push_back(c);
        return out;
    }
};

TEST_F(RendererTest, RedrawPaintsBackgroundShapesAndFloatingShape) {
    t->shapes[0] = TileShape{0, 0, kLargeShape, 0, 4};
    t->shapes[1] = TileShape{50, 0, kSmallShape, 3, -9};
    t->shapes[2] = TileShape{-312, 0, kLargeShape, 0, 1};  // right corners at pixel -1: skipped
    t->shapeLast = 2;
    t->floating = TileShape{-60, 0, kSmallShape, 0, 1};
    t->adding = 1;
    redrawView(*t, shell);

    const DrawCall& bg = shell.recording.calls.front();
    EXPECT_EQ(bg.op, "rectangle");
    EXPECT_EQ(bg.points[1].x, 584);
    EXPECT_EQ(bg.brush, t->palette[2]);
    const auto p = polygons();
    ASSERT_EQ(p.size(), 4u);  // plain, selected fill + hatch, floating outline
    EXPECT_EQ(p[0].brush, t->palette[4]);
    EXPECT_EQ(p[0].points[0].x, static_cast<int>(291.5 + t->largeTemplate.corners[0].x));
    EXPECT_EQ(p[0].points[4].y, p[0].points[0].y);
    EXPECT_EQ(p[1].brush, t->palette[9]);
    EXPECT_EQ(p[2].brushStyle, BrushStyle::DiagonalCross);
    EXPECT_EQ(p[2].brush, 0u);
    EXPECT_EQ(p[3].strokeMode, StrokeMode::NotXor);
    EXPECT_EQ(p[3].brushStyle, BrushStyle::Clear);

    t->antialiased = 1;
    redrawView(*t, shell);
    EXPECT_EQ(shell.recording.calls[5].brush, 0xffffffu);
}

TEST_F(RendererTest, ModesOutlinesAndDamagedColours) {
    Surface& s = shell.recording;
    drawShape(*t, shell, s, TileShape{0, 0, kSmallShape, 0, 3}, kErase);
    drawShape(*t, shell, s, TileShape{0, 0, kSmallShape, 0, 3}, kOutline);
    drawShape(*t, shell, s, TileShape{0, 0, kSmallShape, 0, 3}, 17);  // unknown mode: nothing
    drawShape(*t, shell, s, TileShape{0, 0, kLargeShape, 0, 99}, kNormal);
    t->outline = 1;  // blue outline after the body, not-xor only after a preview
    drawShape(*t, shell, s, TileShape{0, 0, kSmallShape, 0, 3}, kPreview);
    const auto p = polygons();
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[0].stroke, t->palette[2]);
    EXPECT_EQ(p[0].brush, t->palette[2]);
    EXPECT_EQ(p[1].brushStyle, BrushStyle::Clear);
    EXPECT_EQ(p[2].brush, 0u);  // a colour beyond the palette draws black
    EXPECT_EQ(p[4].stroke, 0xff0000u);
    EXPECT_EQ(p[4].strokeMode, StrokeMode::NotXor);
    EXPECT_EQ(matrixStack().depth(), 0);
}

TEST_F(RendererTest, OverlaysFollowTheirFlags) {
    t->viewOriginX = 10;
    t->viewOriginY = 20;
    t->zoom = 0.5;
    applyView(*t);
    drawOrigin(*t, shell);
    drawBoundingBox(*t, shell);
    EXPECT_TRUE(shell.recording.calls.empty());
    t->displayOrigin = 1;
    t->displayBoundingBox = 1;
    drawOrigin(*t, shell);
    drawBoundingBox(*t, shell);
    const auto& c = shell.recording.calls;
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[0].points[0].y, 5);  // vertical line from row 5 to the bottom
    EXPECT_EQ(c[0].points[1].y, 415);
    EXPECT_EQ(c[1].points[0].x, 5);
    EXPECT_EQ(c[2].op, "rectangle");
    EXPECT_EQ(c[2].brushStyle, BrushStyle::Clear);
    EXPECT_EQ(c[2].points[0].x, 10);
    EXPECT_EQ(c[2].points[1].x, 510);
    EXPECT_EQ(c[2].points[1].y, 370);
}

TEST_F(RendererTest, CornerMapperGivesTheStacksPixelsExactly) {
    std::mt19937 rng(9);
    std::uniform_real_distribution<double> coordinate(-3000, 3000);
    const double zooms[] = {1.0, 0.25, 1.0 / 3.0, 1.2 * 1.2 * 1.2, 0.8333333333333334, 4.0, 0.1};
    for (double zoom : zooms) {
        t->zoom = zoom;
        t->viewOriginX = coordinate(rng) / 7;
        t->viewOriginY = 207.5;
        applyView(*t);
        const CornerPixels mapper(*t);
        for (int i = 0; i < 3000; ++i) {
            // Centres on the pentagrid's kind of values and on round ones.
            const TileShape s{i % 3 ? coordinate(rng) : std::round(coordinate(rng)), coordinate(rng),
                              static_cast<int>(rng() % 2), static_cast<int>(rng() % 12) - 1, 1};
            PixelPoint fast[5], slow[5];
            mapper.corners(s, fast);
            cornerPixelsByStack(*t, s, slow);
            for (int k = 0; k < 5; ++k) {
                ASSERT_EQ(fast[k].x, slow[k].x) << zoom << " " << i;
                ASSERT_EQ(fast[k].y, slow[k].y) << zoom << " " << i;
            }
        }
    }
}

}  // namespace
}  // namespace rho
