#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "render/PixelRaster.h"

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

}  // namespace
}  // namespace rho
