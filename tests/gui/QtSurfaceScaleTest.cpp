#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "app/QtSurface.h"
#include "edit/Creation.h"
#include "render/Decoration.h"
#include "render/Renderer.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

constexpr Color kRed = 0x0000ff, kGreen = 0x00ff00;

struct SurfaceAtScale2 : ::testing::Test {
    QImage image = backBuffer(QSize(60, 40), 2);
    QtSurface s{image};
    QRgb at(int x, int y) {
        s.flush();
        return image.pixel(x, y) & 0xffffffu;
    }
    int count(QRgb rgb) {
        s.flush();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xffffffu) == rgb;
        return n;
    }
};

TEST_F(SurfaceAtScale2, LinesAndOutlinesAreOneDevicePixelWide) {
    ASSERT_EQ(image.size(), QSize(120, 80));
    EXPECT_EQ(std::tuple(s.scale(), s.width(), s.height()), std::tuple(2, 60, 40));
    s.moveTo(5, 5);
    s.lineTo(25, 25);  // device (10, 10) to (50, 50), the end left out
    EXPECT_EQ(count(0), 40);
    for (int k = 10; k < 50; ++k) EXPECT_EQ(at(k, k), 0u) << k;
    EXPECT_EQ(at(11, 10), 0xffffffu);
    EXPECT_EQ(at(50, 50), 0xffffffu);

    // A rectangle outlines the device pixels of its columns 30..39 and rows 2..11.
    s.setBrushStyle(BrushStyle::Clear);
    s.rectangle(30, 2, 40, 12);
    EXPECT_EQ(count(0), 40 + 2 * 20 + 2 * 18);
    EXPECT_EQ(std::tuple(at(60, 10), at(79, 10), at(61, 10), at(70, 4), at(70, 23)),
              std::tuple(0u, 0u, 0xffffffu, 0u, 0u));

    // The selection hatch, 4 surface pixels apart along a row as at ratio 1.
    s.setBrushColor(kRed);
    s.setBrushStyle(BrushStyle::DiagonalCross);
    s.rectangle(0, 28, 32, 40);
    std::vector<int> hatched;
    for (int x = 1; x < 63; ++x)
        if (at(x, 58) == 0xff0000u) hatched.push_back(x);
    EXPECT_EQ(hatched, (std::vector<int>{6, 10, 22, 26, 38, 42, 54, 58}));
}

TEST_F(SurfaceAtScale2, PixelsAreBlocksAndFloodFillStopsAtCrispLines) {
    s.setPixel(3, 4, kRed);
    EXPECT_EQ(count(0xff0000), 4);
    EXPECT_EQ(std::tuple(at(6, 8), at(7, 9), at(8, 8)), std::tuple(0xff0000u, 0xff0000u, 0xffffffu));
    EXPECT_EQ(s.pixel(3, 4), kRed);
    s.setLineEnd(10, 10, kGreen);
    EXPECT_EQ(count(0x00ff00), 1);
    EXPECT_EQ(s.pixel(10, 10), kGreen);

    s.setBrushStyle(BrushStyle::Clear);
    s.rectangle(20, 5, 40, 25);  // device border columns 40 and 79, rows 10 and 49
    s.floodFill(30, 15, kGreen);
    EXPECT_EQ(count(0x00ff00), 1 + 38 * 38);
    s.setClipRect(0, 0, 30, 40);
    s.floodFill(30, 15, kRed);  // the seed lies outside the clip: nothing
    s.floodFill(29, 15, kRed);
    EXPECT_EQ(count(0xff0000), 4 + 19 * 38);  // columns 41..59
}

TEST_F(SurfaceAtScale2, AntialiasedLineKeepsItsProfileAtTwiceTheResolution) {
    drawAntialiasedLine(s, 10.0, 10.0, 20.0, 10.0);
    // Half a pixel off the line is grey 100, which a 2 x 2 block could not show.
    const QRgb expected[7] = {0xffffff, 0xc8c8c8, 0x646464, 0, 0x646464, 0xc8c8c8, 0xffffff};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(at(30, 17 + k), expected[k]) << "row " << 17 + k;
}

// Previews, plain and antialiased, xor back out at ratio 2.
TEST(SurfaceAtScale2Window, PreviewDrawnTwiceLeavesTheBufferAsItWas) {
    QImage image = backBuffer(QSize(300, 200), 2);
    QtSurface surface(image);
    test::FakeShell shell{300, 200};
    shell.surface = &surface;
    auto t = createTiling(shell);
    t->decoration = 1;
    for (SetDrawing* d : {&t->set.small, &t->set.large}) {
        d->objects[d->count++] = SetObject{1, 3, kRed, 0, {{-5, -20}, {5, -10}, {-5, 0}, {6, 12}}};
    }
    t->shapes[0] = TileShape{-60, -40, kSmallShape, 2, 4};
    t->shapeLast = 0;
    for (int antialiased : {0, 1}) {
        t->antialiased = antialiased;
        redrawView(*t, shell);
        surface.flush();
        const QImage before = image.copy();
        const TileShape floating{30.3, 20.7, kLargeShape, 3, 1};
        drawShape(*t, shell, surface, floating, kPreview);
        surface.flush();
        EXPECT_NE(image, before);
        drawShape(*t, shell, surface, floating, kPreview);
        surface.flush();
        EXPECT_EQ(image, before) << "antialiased " << antialiased;
    }
}

}  // namespace
}  // namespace rho
