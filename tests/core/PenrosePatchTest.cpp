#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "edit/Creation.h"
#include "generate/PenrosePatchCommand.h"
#include "generate/PenrosePatchDialog.h"
#include "generate/Quasitiler.h"
#include "generate/QuasitilerDialog.h"
#include "io/TilingFile.h"
#include "rules/PenrosePatch.h"
#include "support/FakeShell.h"
#include "support/PatchRules.h"
#include "tiling/Tiling.h"

namespace rho {
namespace {

using Texts = std::vector<std::string>;

struct PenrosePatch : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
};

// No arrow conflict, only the 8 stars, one disc without holes whose every
// boundary point is in the contour, and thick V0 / thin V1 on index 2 or 3
// of the index found by walking the edges.
TEST_F(PenrosePatch, EveryPatchKeepsTheMatchingRules) {
    const int runs[][2] = {{5, 22}, {12, 515}, {20, 1815}, {50, 13932}};
    for (auto [radius, shapes] : runs) {
        ASSERT_TRUE(generatePenrosePatch(*t, radius));
        EXPECT_EQ(t->shapeCount(), shapes) << radius;
        EXPECT_TRUE(std::all_of(t->shapes, t->shapes + shapes, [](const TileShape& s) { return s.color == 1; }))
            << radius << ": the contour rebuild refused a shape";
        const test::PatchReading r = test::readPatch(*t);
        EXPECT_EQ(r.conflicts, 0) << radius;
        EXPECT_EQ(r.crowdedEdges, 0) << radius;
        EXPECT_EQ(r.illegalPoints, 0) << radius;
        EXPECT_EQ(r.fullPoints + t->contourCount(), r.points) << radius;
        EXPECT_EQ(r.points - r.edges + shapes, 1) << radius;  // Euler: one disc
        EXPECT_TRUE(r.indexConsistent) << radius;
        EXPECT_EQ(r.indexMax - r.indexMin, 3) << radius;
        EXPECT_EQ(r.keyCornersOffIndex, 0) << radius;
        if (radius == 50) {
            EXPECT_TRUE(std::is_sorted(r.stars.rbegin(), r.stars.rend()) && r.stars[7] > 100);
        }
    }
}

// Radius 20 holds about as many shapes as the quasitiler's radius 20, and so
// on; thick and thin shapes stand about as the golden ratio, in all ten turns.
TEST_F(PenrosePatch, SizeFollowsTheQuasitilerScale) {
    for (int radius = 10; radius <= 50; radius += 10) {
        ASSERT_TRUE(fillPenrosePatch(*t, radius));
        const int patch = t->shapeCount();
        int thick = 0;
        bool turns[10] = {};
        for (int i = 0; i <= t->shapeLast; ++i) {
            thick += t->shapes[i].kind == kLargeShape;
            turns[t->shapes[i].angle % 10] = true;
        }
        EXPECT_TRUE(std::all_of(turns, turns + 10, [](bool used) { return used; })) << radius;
        ASSERT_TRUE(generateQuasiTiling(*t, radius));
        EXPECT_NEAR(patch, t->shapeCount(), 0.12 * t->shapeCount()) << radius;
        if (radius == 50) {
            EXPECT_NEAR(static_cast<double>(thick) / (patch - thick), 1.618034, 0.01);
        }
    }
}

// Every crossing of the largest patch, found afresh: no third line passes
// within 1e-6 of it (so every dual point is sharp), and the offsets sum to 0.
TEST_F(PenrosePatch, GridOffsetsMeetNoThreeLines) {
    int sum = 0, crossings = 0;
    double nearest = 1.0;
    for (int n : kPenroseOffsets) sum += n;
    const double rho = penroseGridRadius(kPenroseMaxRadius), pi = 3.141592653589793;
    auto e = [pi](int j) { return Point2{std::cos((18 + 72 * j) * pi / 180), std::sin((18 + 72 * j) * pi / 180)}; };
    auto g = [](int j) { return kPenroseOffsets[j] / double(kPenroseOffsetDenominator); };
    for (int r = 0; r < 5; ++r)
        for (int s = r + 1; s < 5; ++s)
            for (int kr = -40; kr <= 40; ++kr)
                for (int ks = -40; ks <= 40; ++ks) {
                    // z.e_r = kr - g_r and z.e_s = ks - g_s, by Cramer's rule.
                    const Point2 a = e(r), b = e(s);
                    const double det = a.x * b.y - a.y * b.x, p = kr - g(r), q = ks - g(s);
                    const double x = (p * b.y - q * a.y) / det, y = (a.x * q - b.x * p) / det;
                    if (x * x + y * y > rho * rho) continue;
                    ++crossings;
                    for (int j = 0; j < 5; ++j) {
                        if (j == r || j == s) continue;
                        const double v = x * e(j).x + y * e(j).y + g(j);
                        nearest = std::min(nearest, std::fabs(v - std::round(v)));
                    }
                }
    EXPECT_EQ(sum, 0);
    EXPECT_EQ(crossings, 13932);
    EXPECT_GT(nearest, 1e-6);
}

// The table is filled from the centre outward (so a full table would lose
// the rim); the whole generation leaves it in rows.
TEST_F(PenrosePatch, FillsFromTheCentreAndOrdersIntoRows) {
    ASSERT_TRUE(fillPenrosePatch(*t, kPenroseMaxRadius));
    double farthest = 0.0, worstStepBack = 0.0;
    for (int i = 0; i <= t->shapeLast; ++i) {
        const double d = std::hypot(t->shapes[i].x, t->shapes[i].y);
        worstStepBack = std::max(worstStepBack, farthest - d);
        farthest = std::max(farthest, d);
    }
    EXPECT_LT(std::hypot(t->shapes[0].x, t->shapes[0].y), 100.0);
    EXPECT_GT(farthest, 2300.0);
    EXPECT_LT(worstStepBack, 300.0);  // a ring's width plus the dual points' spread
    ASSERT_TRUE(generatePenrosePatch(*t, kPenroseMaxRadius));
    EXPECT_TRUE(std::is_sorted(t->shapes, t->shapes + t->shapeCount(),
                               [](const TileShape& a, const TileShape& b) { return a.y < b.y; }));
}

TEST_F(PenrosePatch, RadiiOutsideFiveToFiftyChangeNothing) {
    ASSERT_TRUE(generatePenrosePatch(*t, 5));
    t->shapes[0].color = 7;
    for (int radius : {4, 51, 0, -5, 1000}) {
        EXPECT_FALSE(generatePenrosePatch(*t, radius)) << radius;
        EXPECT_FALSE(fillPenrosePatch(*t, radius)) << radius;
        runPenrosePatch(*t, shell, radius);
    }
    EXPECT_EQ(std::tuple(t->shapeCount(), t->contourCount(), t->shapes[0].color, t->modified), std::tuple(22, 20, 7, 0));
    EXPECT_TRUE(shell.statusHistory.empty());
}

// The command runs like the quasitiler: its own status text first, ordering,
// the contour with its progress bar, a redraw, "idle", the modified flag.
TEST_F(PenrosePatch, CommandReplacesTheTilingLikeTheQuasitiler) {
    auto reference = createTiling(shell);
    ASSERT_TRUE(generatePenrosePatch(*reference, 12));
    t->shapes[++t->shapeLast] = TileShape{0.0, 0.0, 1, 0, 7};  // earlier work
    runPenrosePatch(*t, shell, 12);
    ASSERT_EQ(t->shapeCount(), reference->shapeCount());
    EXPECT_EQ(tilingText(*t), tilingText(*reference));  // shapes and contour
    const Texts& said = shell.statusHistory;
    EXPECT_EQ(said.front(), "penrose patch works...");
    for (const char* step : {"ordering shapes", "calculating conturs"})
        EXPECT_NE(std::find(said.begin(), said.end(), step), said.end()) << step;
    EXPECT_EQ(std::tuple(said.back(), t->statusText, t->modified, shell.progressMax, shell.progressPos),
              std::tuple("idle", "idle", 1, t->shapeLast, 0));
    EXPECT_GT(shell.recording.count("polygon"), 0);
    EXPECT_TRUE(shell.messages.empty());
}

// The quasitiler dialog's texts and range, under its own caption.
TEST_F(PenrosePatch, DialogTakesFiveToFiftyAndRefusesTheRest) {
    using P = PenrosePatchDialog;
    using Q = QuasitilerDialog;
    EXPECT_EQ(Texts({P::kSizeGroup, P::kRadiusLabel, P::kDoItButton, P::kCancelButton, P::kRangeMessage}),
              Texts({Q::kSizeGroup, Q::kRadiusLabel, Q::kDoItButton, Q::kCancelButton, Q::kRangeMessage}));
    EXPECT_EQ(std::string(P::kCaption), "rho 2.0 - Penrose patch");

    t->shapes[++t->shapeLast] = TileShape{};
    PenrosePatchDialog cancelled(*t, shell);
    EXPECT_EQ(cancelled.editText, "10");
    cancelled.Button2Click();
    EXPECT_TRUE(cancelled.closed);
    for (const char* text : {"4", "51", "", "letters", "-7", "5", " 50"}) {
        PenrosePatchDialog dialog(*t, shell);
        dialog.editText = text;
        dialog.Button1Click();
        EXPECT_EQ(dialog.closed, std::string(text) == "5" || std::string(text) == " 50") << '"' << text << '"';
        if (text[0] == '-') {
            EXPECT_EQ(std::tuple(t->shapeCount(), t->modified), std::tuple(1, 0));
        }
    }
    EXPECT_EQ(std::tuple(t->shapeCount(), t->modified), std::tuple(13932, 1));
    EXPECT_EQ(shell.messageTexts(), Texts(5, "An integer number is required between 5 and 50"));
}

}  // namespace
}  // namespace rho
