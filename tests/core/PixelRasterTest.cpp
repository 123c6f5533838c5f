#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "edit/Creation.h"
#include "render/CornerPixels.h"
#include "render/PixelRaster.h"
#include "render/RasterSurface.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

constexpr uint32_t kWhite = 0xffffffffu;
constexpr uint32_t kBlack = 0xff000000u;
constexpr uint32_t kRed = 0xffff0000u;

struct Canvas {
    std::vector<uint32_t> pixels;
    PixelBuffer buffer;
    Canvas(int w, int h, uint32_t fill = kWhite) : pixels(static_cast<size_t>(w * h), fill) {
        buffer = PixelBuffer{pixels.data(), w, h, w, 0, 0, w, h};
    }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y * buffer.stride + x)]; }
    int count(uint32_t v) const { return static_cast<int>(std::count(pixels.begin(), pixels.end(), v)); }
};

TEST(PixelRaster, FillsPixelCentresOutlinesAndRectangles) {
    Canvas c(20, 20);
    const PixelPoint square[5] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}, {2, 2}};
    rasterPolygon(c.buffer, square, 5, RasterPen{kBlack, false}, RasterBrush{BrushStyle::Solid, kRed});
    EXPECT_EQ(c.count(kBlack), 40);
    EXPECT_EQ(c.count(kRed), 81);
    EXPECT_EQ(c.at(13, 7), kWhite);

    Canvas r(30, 30);
    rasterRectangle(r.buffer, 25, 20, 5, 10, RasterPen{kBlack, false}, RasterBrush{BrushStyle::Solid, kRed});
    EXPECT_EQ(r.at(5, 10), kBlack);
    EXPECT_EQ(r.at(24, 19), kBlack);
    EXPECT_EQ(r.at(25, 19), kWhite);
    EXPECT_EQ(r.count(kRed), 18 * 8);
}

TEST(PixelRaster, NotXorOutlineDrawnTwiceRestores) {
    std::mt19937 rng(3);
    for (int round = 0; round < 200; ++round) {
        Canvas c(64, 64, 0xff123456u);
        const std::vector<uint32_t> before = c.pixels;
        PixelPoint pts[5];
        for (int k = 0; k < 4; ++k) pts[k] = {static_cast<int>(rng() % 80) - 8, static_cast<int>(rng() % 80) - 8};
        pts[4] = pts[0];
        rasterPolygon(c.buffer, pts, 5, RasterPen{kBlack, true}, RasterBrush{BrushStyle::Clear, 0});
        rasterPolygon(c.buffer, pts, 5, RasterPen{kBlack, true}, RasterBrush{BrushStyle::Clear, 0});
        ASSERT_EQ(c.pixels, before) << round;
    }
}

TEST(PixelRaster, ClipBoundsEverythingAndHatchLeavesGaps) {
    Canvas c(40, 40);
    c.buffer.clipLeft = 10;
    c.buffer.clipRight = 20;
    const PixelPoint big[4] = {{-100, -100}, {100, -100}, {100, 100}, {-100, 100}};
    rasterPolygon(c.buffer, big, 4, RasterPen{kBlack, false}, RasterBrush{BrushStyle::DiagonalCross, kBlack});
    int inside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            inside += c.at(x, y) == kBlack;
            EXPECT_EQ(c.at(x, y) == kBlack, x >= 10 && x < 20 && hatchPixel(x, y));
        }
    EXPECT_GT(inside, 40);
}


// The pixels of the line from a to b without its end pixel, walked step by
// step over its whole length, kept where they fall inside the canvas.
std::set<std::pair<int, int>> walkedLine(PixelPoint a, PixelPoint b, int w, int h) {
    std::set<std::pair<int, int>> pixels;
    const long long dx = std::llabs(static_cast<long long>(b.x) - a.x), dy = -std::llabs(static_cast<long long>(b.y) - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    long long err = dx + dy;
    for (int x = a.x, y = a.y; x != b.x || y != b.y;) {
        if (x >= 0 && x < w && y >= 0 && y < h) pixels.insert({x, y});
        const long long e2 = 2 * err;
        if (e2 >= dy) err += dy, x += sx;
        if (e2 <= dx) err += dx, y += sy;
    }
    return pixels;
}

std::set<std::pair<int, int>> pixelsOf(const Canvas& c, uint32_t value) {
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < c.buffer.height; ++y)
        for (int x = 0; x < c.buffer.width; ++x)
            if (c.at(x, y) == value) pixels.insert({x, y});
    return pixels;
}

TEST(PixelRaster, LinesStartingFarOutsideDrawTheSamePixelsAsTheFullWalk) {
    std::mt19937 rng(11);
    // Near, far, and at the hold of the view's pixels (few: the reference walks every step).
    const std::pair<int, int> reaches[] = {{80, 300}, {5000, 300}, {1 << 24, 6}};
    for (const auto& [reach, rounds] : reaches)
        for (int round = 0; round < rounds; ++round) {
            auto coordinate = [&] { return static_cast<int>(rng() % (2u * static_cast<unsigned>(reach) + 1)) - reach; };
            // One end near the canvas, so that most lines cross it.
            const PixelPoint a{coordinate(), coordinate()};
            const PixelPoint b{static_cast<int>(rng() % 48), static_cast<int>(rng() % 48)};
            const PixelPoint ends[2][2] = {{a, b}, {b, a}};
            for (const auto& [from, to] : ends) {
                Canvas c(40, 40);
                rasterLine(c.buffer, from.x, from.y, to.x, to.y, RasterPen{kBlack, false});
                ASSERT_EQ(pixelsOf(c, kBlack), walkedLine(from, to, 40, 40))
                    << from.x << "," << from.y << " -> " << to.x << "," << to.y;
            }
        }
}

TEST(PixelRaster, SlantedPolygonFillsPixelCentresAndTheOutlineGoesOverIt) {
    Canvas c(12, 11);
    const PixelPoint shape[5] = {{2, 1}, {10, 5}, {10, 9}, {2, 5}, {2, 1}};
    rasterPolygon(c.buffer, shape, 5, RasterPen{kBlack, false}, RasterBrush{BrushStyle::Solid, kRed});
    const char* const expected[] = {
        "............",
        "..#.........",
        "..###.......",
        "..#rr##.....",
        "..#rrrr##...",
        "..##rrrrr##.",
        "....##rrrr#.",
        "......##rr#.",
        "........###.",
        "..........#.",
        "............",
    };
    for (int y = 0; y < 11; ++y) {
        std::string row;
        for (int x = 0; x < 12; ++x) row += c.at(x, y) == kBlack ? '#' : c.at(x, y) == kRed ? 'r' : '.';
        EXPECT_EQ(row, expected[y]) << "row " << y;
    }
}

TEST(PixelRaster, DrawsIntoTheLastColumnAndRow) {
    Canvas c(10, 8);
    rasterLine(c.buffer, 9, 0, 9, 8, RasterPen{kBlack, false});
    rasterLine(c.buffer, 0, 7, 9, 7, RasterPen{kBlack, false});
    const PixelPoint wide[4] = {{-5, 2}, {20, 2}, {20, 5}, {-5, 5}};
    rasterPolygon(c.buffer, wide, 4, RasterPen{kRed, false}, RasterBrush{BrushStyle::Solid, kRed});
    for (int y = 0; y < 8; ++y) EXPECT_EQ(c.at(9, y), y >= 2 && y <= 5 ? kRed : kBlack) << y;
    for (int x = 0; x < 9; ++x) EXPECT_EQ(c.at(x, 7), kBlack) << x;
    EXPECT_EQ(c.count(kRed), 10 * 4);
}

// Each edge of a shape in turn is put across a 100 x 100 surface at zooms
// where the shape spans hundreds of thousands of pixels (and, at 10^6, runs
// into the hold of the view's pixels): the outline drawn is exactly the
// edges between the corner pixels of the transform stack's own arithmetic.
TEST(PixelRaster, ShapeAtExtremeZoomDrawsTheEdgesOfTheStacksCorners) {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
    const std::pair<double, TileShape> cases[] = {{1e4, {0, 0, kLargeShape, 3, 1}},
                                                  {1e4, {5, -7, kSmallShape, 1, 1}},
                                                  {1e6, {0, 0, kLargeShape, 3, 1}}};
    for (const auto& [zoom, shape] : cases) {
            computeCorners(*t, shape);
            const Point2 world[4] = {t->cornerBuffer[0], t->cornerBuffer[1], t->cornerBuffer[2], t->cornerBuffer[3]};
            for (int edge = 0; edge < 4; ++edge) {
                const Point2& a = world[edge];
                const Point2& b = world[(edge + 1) % 4];
                t->zoom = zoom;
                t->viewOriginX = 50.0 - (a.x + b.x) / 2 * zoom;
                t->viewOriginY = 50.0 - (a.y + b.y) / 2 * zoom;
                applyView(*t);
                PixelPoint corners[5];
                cornerPixelsByStack(*t, shape, corners);
                std::set<std::pair<int, int>> expected;
                for (int k = 0; k < 4; ++k) expected.merge(walkedLine(corners[k], corners[k + 1], 100, 100));
                ASSERT_FALSE(expected.empty());

                RasterSurface surface(100, 100);
                drawShapeBody(*t, surface, shape, kOutline);
                std::set<std::pair<int, int>> drawn;
                for (int y = 0; y < 100; ++y)
                    for (int x = 0; x < 100; ++x)
                        if (surface.pixel(x, y) == 0) drawn.insert({x, y});
                EXPECT_EQ(drawn, expected) << zoom << " kind " << shape.kind << " edge " << edge;
            }
        }
}

}  // namespace
}  // namespace rho
