#include <gtest/gtest.h>

#include <cstring>

#include "edit/Creation.h"
#include "geometry/Geometry.h"
#include "geometry/MatrixStack.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct GeometryTest : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
};

TEST_F(GeometryTest, TemplatesAndCorners) {
    const double small[4][2] = {{-11.755705, -36.180340}, {-11.755705, 3.819660}, {11.755705, 36.180340},
                                {11.755705, -3.819660}};
    const double large[4][2] = {{-19.021130, -26.180340}, {-19.021130, 13.819660}, {19.021130, 26.180340},
                                {19.021130, -13.819660}};
    for (int j = 0; j < 4; ++j) {
        EXPECT_NEAR(t->smallTemplate.corners[j].x, small[j][0], 5e-7);
        EXPECT_NEAR(t->smallTemplate.corners[j].y, small[j][1], 5e-7);
        EXPECT_NEAR(t->largeTemplate.corners[j].x, large[j][0], 5e-7);
        EXPECT_NEAR(t->largeTemplate.corners[j].y, large[j][1], 5e-7);
    }
    computeCorners(*t, TileShape{0, 0, kSmallShape, 5, 1});  // half a turn
    EXPECT_NEAR(t->cornerBuffer[1].x, 11.755705, 5e-7);
    EXPECT_NEAR(t->cornerBuffer[1].y, -3.819660, 5e-7);
    computeCorners(*t, TileShape{100, 50, 7, 0, 1});  // any kind but 0 is large
    EXPECT_DOUBLE_EQ(t->cornerBuffer[2].x, t->largeTemplate.corners[2].x + 100);
    EXPECT_DOUBLE_EQ(t->cornerBuffer[2].y, t->largeTemplate.corners[2].y + 50);
    EXPECT_EQ(matrixStack().depth(), 0);
}

TEST_F(GeometryTest, SectorPatternsWrapAndCoverTenSectorsPerShape) {
    uint8_t s[kSectors];
    cornerSectorPattern(kSmallShape, 9, 3, s);
    const uint8_t expected[kSectors] = {1, 1, 1, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(0, std::memcmp(s, expected, kSectors));
    for (int kind : {0, 1})
        for (int angle = -13; angle < 10; ++angle) {  // a damaged angle still yields valid bytes
            int covered[kSectors] = {};
            for (int j = 0; j < 4; ++j) {
                cornerSectorPattern(kind, angle, j, s);
                for (int k = 0; k < kSectors; ++k) covered[k] += s[k];
            }
            int total = 0;
            for (int k = 0; k < kSectors; ++k) total += covered[k];
            EXPECT_EQ(total, 10);
        }
}

TEST_F(GeometryTest, ProximityIsStrictAndPickTakesTheTopmostShape) {
    EXPECT_TRUE(nearWithin10(0, 0, 9.99, 0));
    EXPECT_FALSE(nearWithin5(0, 0, 9.99, 0));
    EXPECT_FALSE(nearWithin10(0, 0, 0, -10));
    EXPECT_TRUE(nearWithin10(0, 0, 0, -9.99));
    EXPECT_FALSE(nearWithin10(0, 0, 9.99, 10));
    EXPECT_FALSE(nearWithin5(0, 0, 0, 5));
    EXPECT_TRUE(nearWithin5(0, 0, 0, 4.99));
    EXPECT_TRUE(pointInBox(5, 5, 0, 0, 10, 10));
    EXPECT_FALSE(pointInBox(10, 5, 0, 0, 10, 10));

    // World (0, 0) is at pixel (291.5, 207.5).
    for (int i = 0; i < 10; ++i) t->shapes[i] = TileShape{200.0 + 50 * i, 0, kLargeShape, 0, 1};
    t->shapes[3] = TileShape{4, 3, kLargeShape, 0, 1};
    t->shapes[7] = TileShape{-4, -3, kSmallShape, 0, 1};
    t->shapeLast = 9;
    EXPECT_EQ(pickShape(*t, 291, 207), 7);
    EXPECT_EQ(pickShape(*t, 300, 213), 3);
    EXPECT_EQ(pickShape(*t, 100, 100), -1);
    t->zoom = 2.0;  // picking works in window pixels
    applyView(*t);
    EXPECT_EQ(pickShape(*t, 308, 213), 3);
    EXPECT_EQ(pickShape(*t, 310, 213), -1);
    // Shape 3's centre is at pixel (299.5, 213.5): 9.5 pixels away in y picks it, 10.5 does not.
    EXPECT_EQ(pickShape(*t, 299, 223), 3);
    EXPECT_EQ(pickShape(*t, 299, 224), -1);
}

}  // namespace
}  // namespace rho
