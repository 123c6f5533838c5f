#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "edit/Creation.h"
#include "geometry/MatrixStack.h"
#include "io/Printing.h"
#include "render/RasterSurface.h"
#include "render/Renderer.h"
#include "support/FakeShell.h"
#include "support/ScriptedPrinter.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

constexpr int kPageWidth = 300, kPageHeight = 600;

struct PrintRaster : ::testing::Test {
    test::FakeShell shell;
    test::ScriptedPrinter printer;
    std::unique_ptr<Tiling> tiling = createTiling(shell, PrinterState{true, 0.75});

    void SetUp() override {
        Tiling& t = *tiling;
        printer.width = kPageWidth;
        printer.height = kPageHeight;
        t.box = BoundingBox{-20.0, -30.0, 200.0, 200.0};  // 1.5 page pixels per world unit
        t.decoration = 1;
        t.antialiased = 1;
        t.printColor = 1;
        t.printBoundingBox = 0;
        // Lines far beyond the rhomb, a slanted one, a polygon covering an earlier shape.
        SetDrawing& large = t.set.large;
        large.objects[0] = SetObject{0, 1, 0, 0, {{-60.0, 0.0}, {60.0, 0.0}}};
        large.objects[1] = SetObject{1, 2, 0, 0, {{0.0, -45.0}, {10.0, 0.0}, {-5.5, 38.25}}};
        large.objects[2] = SetObject{2, 3, 0, 0xff, {{-12.0, -12.0}, {12.0, -12.0}, {12.0, 12.0}, {-12.0, 12.0}}};
        large.count = 3;
        SetDrawing& small = t.set.small;
        small.objects[0] = SetObject{0, 1, 0, 0, {{-3.25, -50.0}, {2.0, 50.0}}};
        small.count = 1;
        const TileShape shapes[] = {{10, 10, kLargeShape, 0, 4}, {30.5, 25, kSmallShape, 3, 5},
                                    {60, 80, kLargeShape, 7, 6}, {45, 40.25, kLargeShape, 2, 7}};
        for (const TileShape& s : shapes) t.shapes[++t.shapeLast] = s;
    }

    std::vector<uint32_t> printedPage() const {
        std::vector<uint32_t> page(kPageWidth * kPageHeight, 0xffffffffu);
        for (const auto& r : printer.rasters) {
            const int w = r.pixels.width(), h = r.pixels.height();
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + w <= kPageWidth && r.top + h <= kPageHeight);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) page[(r.top + y) * kPageWidth + r.left + x] = r.pixels.pixels()[y * w + x];
        }
        return page;
    }

    std::vector<uint32_t> wholePage() {
        RasterSurface page(kPageWidth, kPageHeight);
        MatrixStack& ms = matrixStack();
        ms.pushMatrix();
        ms.loadIdentity();
        ms.scale(1.5, 1.5, 1.0);
        ms.translate(20.0, 30.0, 0.0);
        for (int i = 0; i <= tiling->shapeLast; ++i) drawShape(*tiling, shell, page, tiling->shapes[i], kNormal);
        ms.popMatrix();
        return page.pixels();
    }
};

TEST_F(PrintRaster, BandsOfAnySizeGiveTheWholePagesPixelsWithinTheShapesReach) {
    const std::vector<uint32_t> expected = wholePage();
    int dark = 0;
    for (uint32_t p : expected) dark += (p & 0xffu) < 0xffu;
    ASSERT_GT(dark, 1000);

    for (long long limit : {1LL << 23, 3000LL, 301LL, 1LL}) {
        printer.maxRasterPixels = limit;
        print1Click(*tiling, shell, printer);
        ASSERT_EQ(std::tuple(printer.pagesSent > 0, shell.messages.size()), std::tuple(true, 0u)) << limit;
        EXPECT_EQ(printedPage(), expected) << limit;
        long long covered = 0;
        int top = printer.rasters.front().top;
        for (const auto& r : printer.rasters) {
            const long long pixels = 1LL * r.pixels.width() * r.pixels.height();
            EXPECT_TRUE(r.pixels.height() == 1 || pixels <= limit) << limit;
            EXPECT_EQ(r.top, top) << limit;  // bands follow each other down the page
            top += r.pixels.height();
            covered += pixels;
        }
        EXPECT_LE(top, kPageHeight / 2) << limit;
        EXPECT_LT(covered, kPageWidth * kPageHeight / 2) << limit;
        EXPECT_EQ(printer.page.calls.size(), 0u) << limit;  // nothing drawn on the page itself
    }
}

}  // namespace
}  // namespace rho
