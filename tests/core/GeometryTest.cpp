#include <gtest/gtest.h>

#include <cstring>

#include "render/MatrixStack.h"
#include "render/View.h"
#include "support/FakeShell.h"
#include "tiling/Geometry.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct GeometryTest : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
};

TEST_F(GeometryTest, TemplatesMatchTheRhombs) {
    const double small[4][2] = {{-11.755705, -36.180340}, {-11.755705, 3.819660},
                                {11.755705, 36.180340}, {11.755705, -3.819660}};
    const double large[4][2] = {{-19.021130, -26.180340}, {-19.021130, 13.819660},
                                {19.021130, 26.180340}, {19.021130, -13.819660}};
    for (int j = 0; j < 4; ++j) {
        EXPECT_NEAR(t->smallTemplate.corners[j].x, small[j][0], 5e-7);
        EXPECT_NEAR(t->smallTemplate.corners[j].y, small[j][1], 5e-7);
        EXPECT_NEAR(t->largeTemplate.corners[j].x, large[j][0], 5e-7);
        EXPECT_NEAR(t->largeTemplate.corners[j].y, large[j][1], 5e-7);
    }
    EXPECT_EQ(t->smallTemplate.centre.x, 0.0);
    EXPECT_EQ(t->largeTemplate.centre.y, 0.0);
    // Any kind other than 0 is the large shape.
    EXPECT_EQ(&templateFor(*t, 7), &t->largeTemplate);
}

TEST_F(GeometryTest, CornersRotateAboutTheCentreThenMove) {
    const Matrix4 view = matrixStack().current();
    computeCorners(*t, TileShape{0, 0, kSmallShape, 0, 1});
    EXPECT_NEAR(t->cornerBuffer[1].x, -11.755705, 5e-7);
    EXPECT_NEAR(t->cornerBuffer[1].y, 3.819660, 5e-7);
    computeCorners(*t, TileShape{0, 0, kSmallShape, 5, 1});
    EXPECT_NEAR(t->cornerBuffer[1].x, 11.755705, 5e-7);
    EXPECT_NEAR(t->cornerBuffer[1].y, -3.819660, 5e-7);

    computeCorners(*t, TileShape{100, 50, kLargeShape, 0, 1});
    for (int j = 0; j < 4; ++j) {
        EXPECT_DOUBLE_EQ(t->cornerBuffer[j].x, t->largeTemplate.corners[j].x + 100);
        EXPECT_DOUBLE_EQ(t->cornerBuffer[j].y, t->largeTemplate.corners[j].y + 50);
    }
    EXPECT_EQ(t->cornerBufferCentre.x, 100.0);
    EXPECT_EQ(t->cornerBufferCentre.y, 50.0);
    EXPECT_EQ(0, std::memcmp(&view, &matrixStack().current(), sizeof view));
    EXPECT_EQ(matrixStack().depth(), 0);
}

TEST_F(GeometryTest, SectorPatternsWrapAndCoverTenSectorsPerShape) {
    uint8_t s[kSectors];
    cornerSectorPattern(kSmallShape, 9, 3, s);
    const uint8_t expected[kSectors] = {1, 1, 1, 0, 0, 0, 0, 0, 0, 1};
    for (int k = 0; k < kSectors; ++k) EXPECT_EQ(s[k], expected[k]) << k;

    for (int kind : {0, 1}) {
        for (int angle = 0; angle < 10; ++angle) {
            int total = 0;
            int perSector[kSectors] = {};
            for (int j = 0; j < 4; ++j) {
                cornerSectorPattern(kind, angle, j, s);
                for (int k = 0; k < kSectors; ++k) total += s[k];
            }
            EXPECT_EQ(total, 10);
            // An acute corner's run equals the interior angle: 1 sector for the small shape, 2 for the large.
            cornerSectorPattern(kind, angle, 0, s);
            for (int k = 0; k < kSectors; ++k) perSector[k] += s[k];
            int acute = 0;
            for (int k = 0; k < kSectors; ++k) acute += perSector[k];
            EXPECT_EQ(acute, kind == 0 ? 1 : 2);
        }
    }
    // A damaged angle still yields ten valid bytes.
    cornerSectorPattern(kLargeShape, -13, 1, s);
    int sum = 0;
    for (int k = 0; k < kSectors; ++k) sum += s[k];
    EXPECT_EQ(sum, 3);
}

TEST_F(GeometryTest, ProximityTestsAreStrict) {
    EXPECT_TRUE(nearWithin10(0, 0, 9.99, 0));
    EXPECT_FALSE(nearWithin5(0, 0, 9.99, 0));
    EXPECT_FALSE(nearWithin10(0, 0, 10, 0));
    EXPECT_FALSE(nearWithin10(0, 0, 0, -10));
    EXPECT_TRUE(nearWithin5(1, 1, -3.9, 5.9));
    EXPECT_FALSE(nearWithin5(0, 0, 0, 5));

    EXPECT_TRUE(pointInBox(5, 5, 0, 0, 10, 10));
    EXPECT_FALSE(pointInBox(0, 5, 0, 0, 10, 10));
    EXPECT_FALSE(pointInBox(10, 5, 0, 0, 10, 10));
    EXPECT_FALSE(pointInBox(5, 10, 0, 0, 10, 10));
}

TEST_F(GeometryTest, PickReturnsTheTopmostShapeNearThePointer) {
    // The view puts world (0, 0) at (291.5, 207.5).
    for (int i = 0; i < 10; ++i) t->shapes[i] = TileShape{200.0 + 50 * i, 0, kLargeShape, 0, 1};
    t->shapes[3] = TileShape{4, 3, kLargeShape, 0, 1};
    t->shapes[7] = TileShape{-4, -3, kSmallShape, 0, 1};
    t->shapeLast = 9;
    EXPECT_EQ(pickShape(*t, 291, 207), 7);
    EXPECT_EQ(pickShape(*t, 300, 213), 3);  // only shape 3 is within 10 pixels
    EXPECT_EQ(pickShape(*t, 100, 100), -1);

    // Picking works in window pixels: at zoom 2 shape 3 lies 10 pixels right of the origin.
    t->zoom = 2.0;
    applyView(*t);
    EXPECT_EQ(pickShape(*t, 291 + 8 + 9, 207 + 6), 3);
    EXPECT_EQ(pickShape(*t, 310, 213), -1);
}

}  // namespace
}  // namespace rho
