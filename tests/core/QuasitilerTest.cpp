// The generate menu: the quasitiler (its shape table, the rhombs' geometry,
// the table guards, the command and its dialog) and the colorize commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>
#include <vector>

#include "edit/Creation.h"
#include "generate/Colorize.h"
#include "generate/Quasitiler.h"
#include "generate/QuasitilerDialog.h"
#include "geometry/Geometry.h"
#include "support/FakeShell.h"
#include "tiling/Contour.h"
#include "tiling/Ordering.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using Texts = std::vector<std::string>;

struct Quasitiler : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
};

bool sameShape(const TileShape& a, const TileShape& b, double tolerance = 0.0) {
    return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance && a.kind == b.kind &&
           a.angle == b.angle;
}

// Larger radii stop appending at a full shape table; past 100 the line table
// cannot hold the grid, so the radius is refused and the table kept.
TEST_F(Quasitiler, ShapeTablesOfKnownRadiiAndTheirGuards) {
    const int runs[][3] = {{10, 1, 277}, {50, 1, 13956}, {60, 1, kMaxShapes}, {100, 1, kMaxShapes},
                           {5, 1, 30},   {101, 0, 30},   {-1, 0, 30}};
    for (auto [n, accepted, count] : runs) {
        EXPECT_EQ(generateQuasiTiling(*t, n), accepted == 1) << n;
        EXPECT_EQ(t->shapeCount(), count) << n;
    }
    EXPECT_EQ(std::count_if(t->shapes, t->shapes + 30, [](const TileShape& s) { return s.kind == kLargeShape; }), 15);
    const TileShape first[4] = {{4.490280, 6.180340, 1, 0}, {-26.286556, 16.180340, 0, 1},
                                {-49.797966, 16.180340, 0, 0}, {42.532540, 6.180340, 1, 2}};
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(sameShape(t->shapes[i], first[i], 5e-7)) << i;
}

// The generator buckets the line pairs by ring; the plain scan of all pairs
// for every ring must give the very same table, bit for bit. Each rhomb,
// drawn from its template at its centre and angle, has exactly the four dual
// points of its crossing as corners, so the rhombs fit together.
TEST_F(Quasitiler, RingWalkMatchesThePlainScanAndCornersAreDualPoints) {
    for (int n : {10, 23, 100}) {
        Pentagrid g;
        ASSERT_TRUE(setUpPentagrid(g, n));
        std::vector<TileShape> ref;  // every crossing; the generator stops at a full table
        for (double ring = 0.0; ring <= n - 1; ring += 0.4) {
            for (int q = 0; q < 25 * (n - 2) * (n - 2); ++q) {  // line r of family i crosses line l of family k
                const int i = q % 25 / 5, k = q % 5, r = 1 + q / 25 / (n - 2), l = 1 + q / 25 % (n - 2);
                const int d = (r - g.centre) * (r - g.centre) + (l - g.centre) * (l - g.centre);
                Crossing c;
                if (d < ring * ring || d >= (ring + 0.4) * (ring + 0.4) || i >= k || !crossLines(g, i, r, k, l, c))
                    continue;
                const TileShape s = ref.emplace_back(shapeOfCrossing(g, c));
                ASSERT_EQ(s.kind, k - i == 1 || k - i == 4 ? kLargeShape : kSmallShape);
                const double a[4] = {c.X, c.X + g.cosv[i], c.X + g.cosv[i] + g.cosv[k], c.X + g.cosv[k]};
                const double b[4] = {c.Y, c.Y + g.sinv[i], c.Y + g.sinv[i] + g.sinv[k], c.Y + g.sinv[k]};
                computeCorners(*t, s);
                for (int m = 0; m < 4; ++m) {
                    const auto at = [&](Point2 p) { return std::hypot(p.x - 40.0 * b[m], p.y - 40.0 * a[m]) < 1e-6; };
                    ASSERT_EQ(std::count_if(t->cornerBuffer, t->cornerBuffer + 4, at), 1)
                        << n << ": families " << i << k << ", lines " << r << "," << l;
                }
            }
        }
        ASSERT_TRUE(generateQuasiTiling(*t, n));
        ASSERT_EQ(t->shapeCount(), std::min<int>(ref.size(), kMaxShapes)) << n;
        for (int i = 0; i <= t->shapeLast; ++i) ASSERT_TRUE(sameShape(t->shapes[i], ref[i])) << n << ":" << i;
    }
}

TEST_F(Quasitiler, RunReplacesTheTilingAndMarksItModified) {
    t->shapes[++t->shapeLast] = TileShape{0.0, 0.0, 1, 0, 7};  // earlier work
    runQuasitiler(*t, shell, 10);
    EXPECT_EQ(t->shapeCount(), 277);
    for (int i = 0; i <= t->shapeLast; ++i) ASSERT_EQ(t->shapes[i].color, 1);  // none of the old work left
    EXPECT_EQ(std::tie(t->modified, shell.statusHistory.front(), t->statusText),
              std::tuple(1, "quaitiler works...", "idle"));
    EXPECT_GT(t->contourCount(), 0);
}

// Every radius the dialog accepts gets its contour: a failed one would show
// "Contur calculation failed".
TEST_F(Quasitiler, DialogRunsEveryRadiusFiveToFiftyAndRefusesTheRest) {
    for (const char* text : {"10", "  42", "+5", "-3", "12abc", "5.9", "", "abc", "+ 5"}) {  // read as "%d" reads
        int expected = -1, value = -1;
        const bool scanned = std::sscanf(text, "%d", &expected) == 1;
        EXPECT_EQ(std::pair(scanDecimalInt(text, value), value), std::pair(scanned, expected)) << '"' << text << '"';
    }
    t->shapes[++t->shapeLast] = TileShape{};
    Texts texts = {"4", "51", "", "letters"};
    for (int n = kQuasiMinRadius; n <= kQuasiMaxRadius; ++n) texts.push_back(std::to_string(n));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        QuasitilerDialog dialog(*t, shell);
        dialog.editText = texts[i];
        dialog.Button1Click();
        EXPECT_EQ(std::pair(dialog.closed, t->shapeCount() == 1), std::pair(i >= 4, i < 4)) << '"' << texts[i] << '"';
    }
    EXPECT_EQ(t->shapeCount(), 13956);
    EXPECT_EQ(shell.messageTexts(), Texts(4, "An integer number is required between 5 and 50"));
}

using Colorize = Quasitiler;

TEST_F(Colorize, EachRuleKeepsTheSelectionSignAndMarksTheTilingModified) {
    const std::tuple<void (*)(Tiling&, Shell&), const char*, std::vector<int>> cases[] = {
        {colorizeall1Click, "colorizing all shapes", {8, -8, 8, -8, -8}},
        {colorizeselected1Click, "colorizing selected shapes", {5, -8, 3, 0, -8}},
        {bytype1Click, "colorizing by type", {11, -20, 20, 0, -2}},
        {byangle1Click, "colorizing shapes by angle", {11, -19, 20, -11, -2}},
        {byfullangle1Click, "colorizing shapes by full angle", {11, -15, 20, -16, -2}},
        {restorecolors1Click, "restoring default color", {1, -1, 1, -1, -1}},
    };
    // kind, angle, colour: plain, selected, angle 9, colour 0 (counts as
    // selected), and a damaged record with kind 2 and angle 12.
    const int rows[5][3] = {{0, 0, 5}, {1, 4, -7}, {1, 9, 3}, {0, 5, 0}, {2, 12, -2}};
    t->currentColor = 8;
    for (const auto& [command, statusText, expected] : cases) {
        t->shapeLast = -1;
        for (const auto& r : rows) t->shapes[++t->shapeLast] = TileShape{0.0, 0.0, r[0], r[1], r[2]};
        shell.statusHistory.clear();
        t->modified = 0;
        command(*t, shell);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(t->shapes[i].color, expected[i]) << statusText << ", shape " << i;
        EXPECT_EQ(t->modified, 1) << statusText;  // the colours are saved, so closing must ask
        EXPECT_EQ(shell.statusHistory, (Texts{statusText, "idle"}));
    }
}

}  // namespace
}  // namespace rho
