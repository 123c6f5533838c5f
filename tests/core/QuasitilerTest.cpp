// The generate menu: the quasitiler (its shape table, the rhombs' geometry,
// the table guards, the command and its dialog) and the colorize commands.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "generate/Colorize.h"
#include "generate/Quasitiler.h"
#include "generate/QuasitilerDialog.h"
#include "support/FakeShell.h"
#include "tiling/Contour.h"
#include "tiling/Geometry.h"
#include "tiling/Ordering.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

struct Quasitiler : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
};

TEST_F(Quasitiler, ShapesOfKnownRadii) {
    ASSERT_TRUE(generateQuasiTiling(*t, 5));
    int large = 0;
    for (int i = 0; i <= t->shapeLast; ++i) large += t->shapes[i].kind == kLargeShape;
    EXPECT_EQ(t->shapeCount(), 30);
    EXPECT_EQ(large, 15);
    const TileShape first[4] = {{4.490280, 6.180340, 1, 0}, {-26.286556, 16.180340, 0, 1},
                                {-49.797966, 16.180340, 0, 0}, {42.532540, 6.180340, 1, 2}};
    for (int i = 0; i < 4; ++i) {
        const TileShape& s = t->shapes[i];
        EXPECT_TRUE(std::fabs(s.x - first[i].x) < 5e-7 && std::fabs(s.y - first[i].y) < 5e-7 &&
                    s.kind == first[i].kind && s.angle == first[i].angle) << i;
    }
    ASSERT_TRUE(generateQuasiTiling(*t, 10));
    EXPECT_EQ(t->shapeCount(), 277);
    ASSERT_TRUE(generateQuasiTiling(*t, 50));
    EXPECT_EQ(t->shapeCount(), 13956);
}

// Each rhomb, drawn from its template at its centre and angle, has exactly
// the four dual points of its crossing as corners, so the rhombs fit together.
TEST_F(Quasitiler, RhombCornersAreTheDualPointsOfTheirCrossing) {
    const int n = 24;
    Pentagrid g;
    ASSERT_TRUE(setUpPentagrid(g, n));
    for (int r = 1; r <= n - 2; ++r) {
        for (int l = 1; l <= n - 2; ++l) {
            for (int pair = 0; pair < 25; ++pair) {
                const int i = pair / 5, k = pair % 5;
                Crossing c;
                if (i >= k || !crossLines(g, i, r, k, l, c)) continue;
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
                    ASSERT_EQ(matches, 1) << "families " << i << k << ", lines " << r << "," << l;
                }
            }
        }
    }
}

// The generator buckets the line pairs by ring; the plain scan of all pairs
// for every ring must give the very same table, bit for bit.
TEST_F(Quasitiler, RingWalkMatchesThePlainScan) {
    auto ref = createTiling(shell);
    for (int n : {5, 10, 23, 50, 60}) {
        Pentagrid g;
        ASSERT_TRUE(setUpPentagrid(g, n));
        ref->shapeLast = -1;
        for (double rho = 0.0; rho <= n - 1; rho += 0.4) {
            for (int q = 0; q < (n - 2) * (n - 2); ++q) {
                const int r = 1 + q / (n - 2), l = 1 + q % (n - 2);  // line r of family i, l of family k
                const int d = (r - g.centre) * (r - g.centre) + (l - g.centre) * (l - g.centre);
                if (!(rho * rho <= d && d < (rho + 0.4) * (rho + 0.4))) continue;
                for (int pair = 0; pair < 25; ++pair) {
                    Crossing c;
                    if (pair / 5 < pair % 5 && crossLines(g, pair / 5, r, pair % 5, l, c) &&
                        ref->shapeLast < kMaxShapes - 1) {
                        ref->shapes[++ref->shapeLast] = shapeOfCrossing(g, c);
                    }
                }
            }
        }
        ASSERT_TRUE(generateQuasiTiling(*t, n));
        ASSERT_EQ(t->shapeLast, ref->shapeLast) << n;
        for (int i = 0; i <= t->shapeLast; ++i) {
            const TileShape &a = t->shapes[i], &b = ref->shapes[i];
            ASSERT_TRUE(a.x == b.x && a.y == b.y && a.kind == b.kind && a.angle == b.angle) << n << ":" << i;
        }
    }
}

TEST_F(Quasitiler, RadiiPastTheDialogRangeAreGuarded) {
    for (int n : {60, 100}) {  // stop appending when the shape table is full
        ASSERT_TRUE(generateQuasiTiling(*t, n));
        EXPECT_EQ(t->shapeLast, kMaxShapes - 1);
    }
    ASSERT_TRUE(generateQuasiTiling(*t, 5));
    for (int n : {101, -1}) {  // the line table cannot hold them: refused untouched
        EXPECT_FALSE(generateQuasiTiling(*t, n));
        EXPECT_EQ(t->shapeCount(), 30);
    }
}

TEST_F(Quasitiler, EveryDialogRadiusRecalculatesWithoutRefusal) {
    for (int n = kQuasiMinRadius; n <= kQuasiMaxRadius; ++n) {
        ASSERT_TRUE(generateQuasiTiling(*t, n));
        orderShapes(*t, shell);
        EXPECT_TRUE(recalculateContour(*t, shell)) << "radius " << n;
    }
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(Quasitiler, RunReplacesTheTilingAndMarksItModified) {
    t->shapes[++t->shapeLast] = TileShape{0.0, 0.0, 1, 0, 7};  // earlier work
    runQuasitiler(*t, shell, 10);
    EXPECT_EQ(t->shapeCount(), 277);
    for (int i = 0; i <= t->shapeLast; ++i) ASSERT_EQ(t->shapes[i].color, 1);  // none of the old work left
    EXPECT_EQ(t->modified, 1);
    EXPECT_EQ(shell.statusHistory.front(), "quaitiler works...");
    EXPECT_EQ(t->statusText, "idle");
    EXPECT_GT(t->contourCount(), 0);
}

TEST_F(Quasitiler, DialogAcceptsOnlyIntegersFiveToFifty) {
    for (const char* text : {"10", "  42", "+5", "-3", "12abc", "5.9", "", "abc", "+ 5"}) {
        int expected = -1, value = -1;
        const bool scanned = std::sscanf(text, "%d", &expected) == 1;
        EXPECT_EQ(scanDecimalInt(text, value), scanned) << '"' << text << '"';
        EXPECT_EQ(value, expected) << '"' << text << '"';
    }
    t->shapes[++t->shapeLast] = TileShape{};
    QuasitilerDialog dialog(*t, shell);
    for (const char* text : {"4", "51", "", "letters"}) {
        dialog.editText = text;
        dialog.Button1Click();
        EXPECT_FALSE(dialog.closed) << text;
    }
    EXPECT_EQ(shell.messageTexts(), std::vector<std::string>(4, "An integer number is required between 5 and 50"));
    EXPECT_EQ(t->shapeCount(), 1);

    for (const char* text : {"50", "5"}) {
        QuasitilerDialog accepted(*t, shell);
        accepted.editText = text;
        accepted.Button1Click();
        EXPECT_TRUE(accepted.closed) << text;
    }
    EXPECT_EQ(t->shapeCount(), 30);
    EXPECT_EQ(shell.messages.size(), 4u);
}

TEST(Colorize, EachRuleKeepsTheSelectionSign) {
    struct Case {
        void (*command)(Tiling&, Shell&);
        const char* statusText;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {colorizeall1Click, "colorizing all shapes", {8, -8, 8, -8, -8}},
        {colorizeselected1Click, "colorizing selected shapes", {5, -8, 3, 0, -8}},
        {bytype1Click, "colorizing by type", {11, -20, 20, 0, -2}},
        {byangle1Click, "colorizing shapes by angle", {11, -19, 20, -11, -2}},
        {byfullangle1Click, "colorizing shapes by full angle", {11, -15, 20, -16, -2}},
        {restorecolors1Click, "restoring default color", {1, -1, 1, -1, -1}},
    };
    test::FakeShell shell;
    auto t = createTiling(shell);
    t->currentColor = 8;
    // kind, angle, colour: plain, selected, angle 9, colour 0 (counts as
    // selected), and a damaged record with kind 2 and angle 12.
    const int rows[5][3] = {{0, 0, 5}, {1, 4, -7}, {1, 9, 3}, {0, 5, 0}, {2, 12, -2}};
    for (const Case& c : cases) {
        t->shapeLast = -1;
        for (const auto& r : rows) t->shapes[++t->shapeLast] = TileShape{0.0, 0.0, r[0], r[1], r[2]};
        shell.statusHistory.clear();
        c.command(*t, shell);
        std::vector<int> colors;
        for (int i = 0; i <= t->shapeLast; ++i) colors.push_back(t->shapes[i].color);
        EXPECT_EQ(colors, c.expected) << c.statusText;
        EXPECT_EQ(shell.statusHistory, (std::vector<std::string>{c.statusText, "idle"}));
    }
}

}  // namespace
}  // namespace rho
