#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "render/RasterSurface.h"
#include "support/EditorFixture.h"
#include "support/PixelColors.h"

namespace rho {
namespace {

constexpr Color kSilver = 0xc0c0c0, kGreen = 0x00ff00, kBlue = 0xff0000, kRed = 0x0000ff, kYellow = 0x00ffff,
                kBlack = 0x000000;

// Set points any distance away, drawn on real pixels: what shows is what
// the unbounded figures would show, lines keeping their slopes.
struct SetEditorFarPointsTest : test::EditorFixture {
    RasterSurface raster{800, 600};  // viewScale 600 / 70; model (x, y) at pixel (400 - s y, 300 + s x)

    std::string colorsAt(const std::vector<std::pair<int, int>>& pixels) const { return test::colorsAt(raster, pixels); }
};

TEST_F(SetEditorFarPointsTest, FarPointsAreCutToThePixelRangeKeepingTheirLines) {
    editorShell.surface = &raster;
    // A triangle around everything, far beyond a double's reach on screen.
    addObject(2, {{1e308, 1e308}, {1e308, -1e308}, {-1e308, 0}}, kSilver, kSilver);
    // A wedge from the centre downwards, its sides running 1 across for 3 down.
    addObject(2, {{0, 0}, {6e8, 2e8}, {6e8, -2e8}}, kBlue, kGreen);
    // A line from the centre up and to the left, 1 across for 3 up.
    addObject(0, {{0, 0}, {-6e8, 2e8}}, kRed);
    // From far above straight down to (314.29, 300), then left far out.
    addObject(1, {{-1e308, 10}, {0, 10}, {0, 5e8}}, kBlack);
    // A row across the whole area, both ends far out.
    addObject(0, {{20, -5e8}, {20, 5e8}}, kYellow);
    FormPaint(e);

    // Wedge sides at 400 -+ round((y - 300) / 3); green inside, silver outside.
    for (int y : {400, 500, 590}) {
        const int r = static_cast<int>(std::lround((y - 300) / 3.0));
        EXPECT_EQ(colorsAt({{400 - r - 2, y}, {400 - r, y}, {400 - r + 2, y}, {400, y}, {400 + r - 2, y},
                            {400 + r, y}, {400 + r + 2, y}}),
                  "c0c0c0 ff0000 00ff00 00ff00 00ff00 ff0000 c0c0c0 ")
            << "row " << y;
    }
    // The red line at 400 - round((300 - y) / 3).
    for (int y : {0, 100, 200}) {
        const int x = 400 - static_cast<int>(std::lround((300 - y) / 3.0));
        EXPECT_EQ(colorsAt({{x - 2, y}, {x, y}, {x + 2, y}}), "c0c0c0 0000ff c0c0c0 ") << "row " << y;
    }
    // The polyline: column 314 from the top edge to row 300, then row 300 to the left edge.
    EXPECT_EQ(colorsAt({{314, 0}, {314, 150}, {314, 299}, {313, 150}, {315, 150}}),
              "000000 000000 000000 c0c0c0 c0c0c0 ");
    EXPECT_EQ(colorsAt({{0, 300}, {200, 300}, {313, 300}, {314, 300}, {315, 300}, {200, 299}, {200, 301}}),
              "000000 000000 000000 000000 c0c0c0 c0c0c0 c0c0c0 ");
    // The yellow row 300 + 20 s, edge to edge, over the wedge.
    EXPECT_EQ(colorsAt({{0, 471}, {400, 471}, {799, 471}, {400, 470}, {400, 472}}),
              "00ffff 00ffff 00ffff 00ff00 00ff00 ");
    // The corners, far from every line, are the big triangle's.
    EXPECT_EQ(colorsAt({{0, 0}, {799, 0}, {0, 599}, {799, 599}}), "c0c0c0 c0c0c0 c0c0c0 c0c0c0 ");
}

}  // namespace
}  // namespace rho
