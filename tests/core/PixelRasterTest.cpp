#include <gtest/gtest.h>

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
    int count(uint32_t value) const {
        int n = 0;
        for (uint32_t p : pixels) n += p == value;
        return n;
    }
};

TEST(PixelRaster, FillCoversPixelCentresAndOutlineClosesIt) {
    Canvas c(20, 20);
    const PixelPoint square[5] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}, {2, 2}};
    rasterPolygon(c.buffer, square, 5, RasterPen{kBlack, false}, RasterBrush{BrushStyle::Solid, kRed});
    // Outline on columns/rows 2 and 12, fill strictly inside.
    EXPECT_EQ(c.count(kBlack), 40);
    EXPECT_EQ(c.count(kRed), 81);
    EXPECT_EQ(c.at(7, 7), kRed);
    EXPECT_EQ(c.at(12, 12), kBlack);
    EXPECT_EQ(c.at(13, 7), kWhite);
}

TEST(PixelRaster, NotXorOutlineTouchesEveryPixelOnce) {
    std::mt19937 rng(3);
    for (int round = 0; round < 200; ++round) {
        Canvas c(64, 64, 0xff123456u);
        const std::vector<uint32_t> before = c.pixels;
        PixelPoint pts[5];
        for (int k = 0; k < 4; ++k) pts[k] = {static_cast<int>(rng() % 80) - 8, static_cast<int>(rng() % 80) - 8};
        pts[4] = pts[0];
        const RasterPen pen{kBlack, true};
        rasterPolygon(c.buffer, pts, 5, pen, RasterBrush{BrushStyle::Clear, 0});
        // Every touched pixel is inverted, none left at its old value by a double hit
        // (unless two edges cross there), and a second pass restores the picture.
        rasterPolygon(c.buffer, pts, 5, pen, RasterBrush{BrushStyle::Clear, 0});
        ASSERT_EQ(c.pixels, before) << round;
    }
}

TEST(PixelRaster, ClipAndHatchAndRectangle) {
    Canvas c(40, 40);
    c.buffer.clipLeft = 10;
    c.buffer.clipRight = 20;
    const PixelPoint big[4] = {{-100, -100}, {100, -100}, {100, 100}, {-100, 100}};
    rasterPolygon(c.buffer, big, 4, RasterPen{kBlack, false}, RasterBrush{BrushStyle::DiagonalCross, kBlack});
    int inside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            if (x < 10 || x >= 20) EXPECT_EQ(c.at(x, y), kWhite);
            else inside += c.at(x, y) == kBlack;
        }
    EXPECT_GT(inside, 40);
    EXPECT_LT(inside, 200);  // a hatch, not a solid fill
    EXPECT_EQ(c.at(10, 30), hatchPixel(10, 30) ? kBlack : kWhite);

    Canvas r(30, 30);
    rasterRectangle(r.buffer, 25, 20, 5, 10, RasterPen{kBlack, false}, RasterBrush{BrushStyle::Solid, kRed});
    EXPECT_EQ(r.at(5, 10), kBlack);
    EXPECT_EQ(r.at(24, 19), kBlack);
    EXPECT_EQ(r.at(25, 19), kWhite);
    EXPECT_EQ(r.at(24, 20), kWhite);
    EXPECT_EQ(r.count(kRed), 18 * 8);
}

}  // namespace
}  // namespace rho
