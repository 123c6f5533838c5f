// The generation step of the quasitiler: the shape table it fills before
// ordering, the rhombs' geometry, and the guards around the tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "generate/Quasitiler.h"
#include "support/FakeShell.h"
#include "tiling/Geometry.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct QuasitilerGeneration : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);

    int countKind(int kind) const {
        int n = 0;
        for (int i = 0; i <= t->shapeLast; ++i) n += t->shapes[i].kind == kind ? 1 : 0;
        return n;
    }
};

TEST_F(QuasitilerGeneration, ShapeCountsOfKnownRadii) {
    ASSERT_TRUE(generateQuasiTiling(*t, 5));
    EXPECT_EQ(t->shapeCount(), 30);
    EXPECT_EQ(countKind(kLargeShape), 15);
    EXPECT_EQ(countKind(kSmallShape), 15);

    ASSERT_TRUE(generateQuasiTiling(*t, 10));
    EXPECT_EQ(t->shapeCount(), 277);

    ASSERT_TRUE(generateQuasiTiling(*t, 50));
    EXPECT_EQ(t->shapeCount(), 13956);

    // No two share a centre: rhombs with disjoint interiors keep their
    // centres two in-circle radii of the thin rhomb (23.5) apart.
    std::vector<Point2> c;
    for (int i = 0; i <= t->shapeLast; ++i) c.push_back({t->shapes[i].x, t->shapes[i].y});
    std::sort(c.begin(), c.end(), [](const Point2& a, const Point2& b) { return a.x < b.x; });
    for (std::size_t a = 0; a < c.size(); ++a) {
        for (std::size_t b = a + 1; b < c.size() && c[b].x - c[a].x < 23.0; ++b) {
            ASSERT_GT(std::hypot(c[b].x - c[a].x, c[b].y - c[a].y), 23.0);
        }
    }
}

TEST_F(QuasitilerGeneration, FirstShapesOfRadiusFiveComeFromTheCentreRing) {
    ASSERT_TRUE(generateQuasiTiling(*t, 5));
    struct Expected {
        double x, y;
        int kind, angle;
    };
    const Expected expected[4] = {
        {4.490280, 6.180340, 1, 0},
        {-26.286556, 16.180340, 0, 1},
        {-49.797966, 16.180340, 0, 0},
        {42.532540, 6.180340, 1, 2},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(t->shapes[i].x, expected[i].x, 5e-7);
        EXPECT_NEAR(t->shapes[i].y, expected[i].y, 5e-7);
        EXPECT_EQ(t->shapes[i].kind, expected[i].kind);
        EXPECT_EQ(t->shapes[i].angle, expected[i].angle);
    }
}

// Each rhomb, drawn from its template at its centre and angle, has exactly
// the four dual points of its crossing as corners (so the rhombs fit
// together), and crossings of neighbouring families give large rhombs.
TEST_F(QuasitilerGeneration, RhombCornersAreTheDualPointsOfTheirCrossing) {
    for (int n : {5, 24, 50}) {
        Pentagrid g;
        ASSERT_TRUE(setUpPentagrid(g, n));
        for (int r = 1; r <= n - 2; ++r) {
            for (int tt = 1; tt <= n - 2; ++tt) {
                for (int pair = 0; pair < 25; ++pair) {
                    const int i = pair / 5, k = pair % 5;
                    Crossing c;
                    if (i >= k || !crossLines(g, i, r, k, tt, c)) continue;
                    const TileShape s = shapeOfCrossing(g, c);
                    ASSERT_EQ(s.kind, k - i == 1 || k - i == 4 ? kLargeShape : kSmallShape);
                    const double a[4] = {c.X, c.X + g.cosv[i], c.X + g.cosv[i] + g.cosv[k], c.X + g.cosv[k]};
                    const double b[4] = {c.Y, c.Y + g.sinv[i], c.Y + g.sinv[i] + g.sinv[k], c.Y + g.sinv[k]};
                    computeCorners(*t, s);
                    for (int q = 0; q < 4; ++q) {
                        int matches = 0;
                        for (const Point2& p : t->cornerBuffer) {
                            matches += std::fabs(p.x - 40.0 * b[q]) < 1e-6 && std::fabs(p.y - 40.0 * a[q]) < 1e-6;
                        }
                        ASSERT_EQ(matches, 1) << "radius " << n << ", families " << i << k << ", lines " << r
                                              << "," << tt;
                    }
                }
            }
        }
    }
}

// The generator buckets the line pairs by ring instead of scanning all pairs
// for every ring; this reference does the plain scan and must give the very
// same table, shape for shape and bit for bit.
void referenceGeneration(Tiling& tiling, int n) {
    Pentagrid g;
    ASSERT_TRUE(setUpPentagrid(g, n));
    tiling.shapeLast = -1;
    const int c = g.centre;
    for (double rho = 0.0; rho <= n - 1; rho += 0.4) {
        const double next = rho + 0.4;
        for (int r = 1; r <= n - 2; ++r) {
            for (int t = 1; t <= n - 2; ++t) {
                const double d = (r - c) * (r - c) + (t - c) * (t - c);
                if (!(rho * rho <= d && d < next * next)) continue;
                for (int i = 0; i < 4; ++i) {
                    for (int k = i + 1; k < 5; ++k) {
                        Crossing cr;
                        if (!crossLines(g, i, r, k, t, cr)) continue;
                        if (tiling.shapeLast == kMaxShapes - 1) return;
                        tiling.shapes[++tiling.shapeLast] = shapeOfCrossing(g, cr);
                    }
                }
            }
        }
    }
}

TEST_F(QuasitilerGeneration, RingWalkMatchesThePlainScanForEveryRadius) {
    auto reference = createTiling(shell);
    for (int n = 0; n <= kQuasiMaxLines; ++n) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(generateQuasiTiling(*t, n));
        referenceGeneration(*reference, n);
        ASSERT_EQ(t->shapeLast, reference->shapeLast);
        for (int i = 0; i <= t->shapeLast; ++i) {
            const TileShape& a = t->shapes[i];
            const TileShape& b = reference->shapes[i];
            ASSERT_TRUE(a.x == b.x && a.y == b.y && a.kind == b.kind && a.angle == b.angle && a.color == b.color)
                << "shape " << i;
        }
    }
}

TEST_F(QuasitilerGeneration, TablesAreGuardedOutsideTheDialogRange) {
    // Radii the dialog never passes: tiny ones give an empty table ...
    for (int n : {0, 1, 2, 3}) {
        ASSERT_TRUE(generateQuasiTiling(*t, n));
        EXPECT_EQ(t->shapeLast, -1);
    }

    // ... large ones stop appending when the shape table is full ...
    for (int n : {60, 100}) {
        ASSERT_TRUE(generateQuasiTiling(*t, n));
        EXPECT_EQ(t->shapeLast, kMaxShapes - 1);
    }

    // ... and radii the 100-line table cannot hold are refused untouched.
    ASSERT_TRUE(generateQuasiTiling(*t, 5));
    for (int n : {101, 1000, -1}) {
        EXPECT_FALSE(generateQuasiTiling(*t, n));
        EXPECT_EQ(t->shapeCount(), 30);
    }
}

}  // namespace
}  // namespace rho
