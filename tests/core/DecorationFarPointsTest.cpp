#include <gtest/gtest.h>

#include <cstdio>

#include "edit/Creation.h"
#include "render/RasterSurface.h"
#include "render/Renderer.h"
#include "support/FakeShell.h"
#include "support/PixelColors.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

constexpr Color kGreen = 0x00ff00, kBlue = 0xff0000, kRed = 0x0000ff, kBlack = 0x000000;

// Decoration point (x, y) lies at pixel (400 + x, 300 + y).
struct DecorationFarPointsTest : ::testing::Test {
    test::FakeShell shell{800, 600};
    std::unique_ptr<Tiling> tiling = createTiling(shell);
    Tiling& t = *tiling;
    RasterSurface raster{800, 600};

    void SetUp() override {
        shell.surface = &raster;
        t.viewOriginX = 400.0;
        t.viewOriginY = 300.0;
        t.decoration = 1;
        t.shapes[++t.shapeLast] = {0.0, 0.0, kLargeShape, 0, 1};
    }
    void add(int kind, std::vector<SetPoint> points, Color line, Color fill = 0) {
        SetObject& o = t.set.large.objects[t.set.large.count++];
        o = SetObject{kind, static_cast<int32_t>(points.size()) - 1, line, fill, {}};
        for (std::size_t k = 0; k < points.size(); ++k) o.points[k] = points[k];
    }
    std::string colorsAt(const std::vector<std::pair<int, int>>& pixels) const { return test::colorsAt(raster, pixels); }
    static std::string hex(Color c) {
        char text[16];
        std::snprintf(text, sizeof text, "%06x ", static_cast<unsigned>(c));
        return text;
    }
};

// Columns 400 + 3k up to the right edge, clear of the centre.
const int kSteps[] = {4, 60, 133};

TEST_F(DecorationFarPointsTest, PlainLinesAndPolygonsKeepTheirSlopes) {
    add(2, {{0, 0}, {3e9, 1e9}, {3e9, -1e9}}, kBlue, kGreen);  // a wedge opening right, 1 for 3
    add(0, {{0, 0}, {-3e9, -1e9}}, kRed);
    add(1, {{-3e9, 1e9}, {0, 0}, {0, 1e9}}, kBlack);
    redrawView(t, shell);

    const std::string bg = hex(t.palette[2]);
    for (int k : kSteps) {
        const int x = 400 + 3 * k;
        EXPECT_EQ(colorsAt({{x, 300 - k - 2}, {x, 300 - k}, {x, 300 - k + 2}, {x, 300}, {x, 300 + k - 2},
                            {x, 300 + k}, {x, 300 + k + 2}}),
                  bg + "ff0000 00ff00 00ff00 00ff00 ff0000 " + bg)
            << "column " << x;
        EXPECT_EQ(colorsAt({{800 - x, 300 - k - 2}, {800 - x, 300 - k}, {800 - x, 300 - k + 2}}),
                  bg + "0000ff " + bg)
            << "column " << 800 - x;
        EXPECT_EQ(colorsAt({{800 - x, 300 + k - 2}, {800 - x, 300 + k}, {800 - x, 300 + k + 2}}),
                  bg + "000000 " + bg)
            << "column " << 800 - x;
    }
    EXPECT_EQ(colorsAt({{400, 301}, {400, 450}, {400, 599}, {399, 450}, {401, 450}}),
              "000000 000000 000000 " + bg + bg);
}

TEST_F(DecorationFarPointsTest, AntialiasedLinesKeepTheirSlopes) {
    t.antialiased = 1;
    add(2, {{0, 0}, {3e9, 1e9}, {3e9, -1e9}}, kBlue, kGreen);
    // From beyond where a double counts single pixels to the centre.
    add(0, {{-3e20, -1e20}, {0, 0}}, kRed);
    redrawView(t, shell);

    for (int k : kSteps) {
        const int x = 400 + 3 * k;
        EXPECT_EQ(colorsAt({{x, 300 - k - 3}, {x, 300 - k}, {x, 300 - k + 3}, {x, 300}, {x, 300 + k - 3},
                            {x, 300 + k}, {x, 300 + k + 3}}),
                  "ffffff 000000 ffffff ffffff ffffff 000000 ffffff ")
            << "column " << x;
        EXPECT_EQ(colorsAt({{800 - x, 300 - k - 3}, {800 - x, 300 - k}, {800 - x, 300 - k + 3}}),
                  "ffffff 000000 ffffff ")
            << "column " << 800 - x;
    }
}

}  // namespace
}  // namespace rho
