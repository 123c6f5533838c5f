#include <gtest/gtest.h>

#include "render/MatrixStack.h"
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
    test::RecordingSurface& rec = shell.recording;

    std::vector<DrawCall> polygons() const {
        std::vector<DrawCall> out;
        for (const auto& c : rec.calls)
            if (c.op == "polygon") out.push_back(c);
        return out;
    }
};

TEST_F(RendererTest, RedrawPaintsBackgroundThenShapesThenFloatingShape) {
    t->shapes[0] = TileShape{0, 0, kLargeShape, 0, 4};
    t->shapes[1] = TileShape{50, 0, kSmallShape, 3, -9};
    t->shapeLast = 1;
    t->floating = TileShape{-60, 0, kSmallShape, 0, 1};
    t->adding = 1;
    redrawView(*t, shell);

    ASSERT_FALSE(rec.calls.empty());
    const DrawCall& bg = rec.calls.front();
    EXPECT_EQ(bg.op, "rectangle");
    EXPECT_EQ(bg.points[0].x, 0);
    EXPECT_EQ(bg.points[1].x, 584);
    EXPECT_EQ(bg.points[1].y, 416);
    EXPECT_EQ(bg.brush, t->palette[2]);
    EXPECT_EQ(bg.stroke, 0u);

    const auto p = polygons();
    ASSERT_EQ(p.size(), 4u);  // plain, selected (fill + hatch), floating
    EXPECT_EQ(p[0].brush, t->palette[4]);
    EXPECT_EQ(p[0].brushStyle, BrushStyle::Solid);
    EXPECT_EQ(p[0].stroke, 0u);
    EXPECT_EQ(p[1].brush, t->palette[9]);
    EXPECT_EQ(p[2].brush, 0u);
    EXPECT_EQ(p[2].brushStyle, BrushStyle::DiagonalCross);
    EXPECT_EQ(p[3].strokeMode, StrokeMode::NotXor);
    EXPECT_EQ(p[3].brushStyle, BrushStyle::Clear);
    // Closed polygon of the large template moved to the centre pixel (291.5, 207.5), truncated.
    ASSERT_EQ(p[0].points.size(), 5u);
    EXPECT_EQ(p[0].points[0].x, static_cast<int>(291.5 + t->largeTemplate.corners[0].x));
    EXPECT_EQ(p[0].points[0].y, static_cast<int>(207.5 + t->largeTemplate.corners[0].y));
    EXPECT_EQ(p[0].points[4].x, p[0].points[0].x);
    EXPECT_EQ(p[0].points[4].y, p[0].points[0].y);

    t->antialiased = 1;
    rec.calls.clear();
    redrawView(*t, shell);
    EXPECT_EQ(rec.calls.front().brush, 0xffffffu);
}

TEST_F(RendererTest, DrawModesChooseStrokeAndBrush) {
    Surface& s = rec;
    const TileShape shape{0, 0, kSmallShape, 0, 3};
    drawShape(*t, shell, s, shape, kErase);
    drawShape(*t, shell, s, shape, kOutline);
    drawShape(*t, shell, s, shape, 17);  // unknown mode: nothing
    const auto p = polygons();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].stroke, t->palette[2]);
    EXPECT_EQ(p[0].brush, t->palette[2]);
    EXPECT_EQ(p[1].stroke, 0u);
    EXPECT_EQ(p[1].brushStyle, BrushStyle::Clear);

    // The blue outline follows the body, in not-xor only after a preview.
    t->outline = 1;
    rec.calls.clear();
    drawShape(*t, shell, s, shape, kNormal);
    drawShape(*t, shell, s, shape, kPreview);
    const auto q = polygons();
    ASSERT_EQ(q.size(), 4u);
    EXPECT_EQ(q[1].stroke, 0xff0000u);
    EXPECT_EQ(q[1].strokeMode, StrokeMode::Copy);
    EXPECT_EQ(q[3].stroke, 0xff0000u);
    EXPECT_EQ(q[3].strokeMode, StrokeMode::NotXor);
    EXPECT_EQ(matrixStack().depth(), 0);
}

TEST_F(RendererTest, ShapesWithDamagedColoursDrawBlack) {
    drawShape(*t, shell, rec, TileShape{0, 0, kLargeShape, 0, 99}, kNormal);
    drawShape(*t, shell, rec, TileShape{0, 0, kLargeShape, 0, INT32_MIN}, kNormal);
    const auto p = polygons();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].brush, 0u);
    EXPECT_EQ(p[1].brush, 0u);
}

TEST_F(RendererTest, OverlaysFollowTheirFlags) {
    t->viewOriginX = 10;
    t->viewOriginY = 20;
    t->zoom = 0.5;
    applyView(*t);
    drawOrigin(*t, shell);
    drawBoundingBox(*t, shell);
    EXPECT_TRUE(rec.calls.empty());

    t->displayOrigin = 1;
    t->displayBoundingBox = 1;
    drawOrigin(*t, shell);
    drawBoundingBox(*t, shell);
    ASSERT_EQ(rec.calls.size(), 3u);
    EXPECT_EQ(rec.calls[0].op, "line");
    EXPECT_EQ(rec.calls[0].points[0].x, 10);
    EXPECT_EQ(rec.calls[0].points[0].y, 5);
    EXPECT_EQ(rec.calls[0].points[1].y, 415);
    EXPECT_EQ(rec.calls[1].points[0].x, 5);
    EXPECT_EQ(rec.calls[1].points[0].y, 20);
    EXPECT_EQ(rec.calls[1].points[1].x, 583);
    const DrawCall& box = rec.calls[2];
    EXPECT_EQ(box.op, "rectangle");
    EXPECT_EQ(box.brushStyle, BrushStyle::Clear);
    EXPECT_EQ(box.points[0].x, 10);
    EXPECT_EQ(box.points[0].y, 20);
    EXPECT_EQ(box.points[1].x, 510);
    EXPECT_EQ(box.points[1].y, 370);
}

TEST_F(RendererTest, ShapesOutsideTheViewAreSkippedOnlyWhenWhollyOutside) {
    t->shapes[0] = TileShape{-311, 0, kLargeShape, 0, 1};  // right corners at x = -0.5: pixel 0, inside
    t->shapes[1] = TileShape{-312, 0, kLargeShape, 0, 1};  // right corners at pixel -1: outside
    t->shapes[2] = TileShape{5000, 5000, kSmallShape, 0, 1};
    t->shapeLast = 2;
    redrawView(*t, shell);
    EXPECT_EQ(polygons().size(), 1u);
}

}  // namespace
}  // namespace rho
