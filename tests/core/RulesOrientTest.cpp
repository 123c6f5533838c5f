// Orienting turns shapes by 180 degrees only, and never ends worse than the
// vertex-index orientation.
#include <gtest/gtest.h>

#include <random>

#include "edit/Creation.h"
#include "rules/Check.h"
#include "rules/Orient.h"
#include "support/FakeShell.h"
#include "support/RulePatches.h"

namespace rho {
namespace {

struct RulesOrient : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);

    std::vector<TileShape> table() const { return {t->shapes, t->shapes + t->shapeLast + 1}; }
    // Conflicts left by the vertex-index orientation alone.
    int indexConflicts() {
        const std::vector<TileShape> saved = table();
        const std::vector<bool> turn = indexOrientation(*t);
        for (int i = 0; i <= t->shapeLast; ++i)
            if (turn[static_cast<std::size_t>(i)]) t->shapes[i].angle = (t->shapes[i].angle + 5) % 10;
        const int c = checkRules(*t).arrowConflicts;
        std::copy(saved.begin(), saved.end(), t->shapes);
        return c;
    }
};

bool sameExceptAngle(const TileShape& a, const TileShape& b) {
    return a.x == b.x && a.y == b.y && a.kind == b.kind && a.color == b.color;
}

TEST_F(RulesOrient, RandomTurnsOfALegalPatchAreUndone) {
    ASSERT_TRUE(test::loadShapes(*t, test::deflate(test::starAround(*t, {4, 4, 4, 4, 4}, 0), 4)));
    t->shapes[7].color = -5;  // colours, selection included, stay
    const std::vector<TileShape> legal = table();
    std::mt19937 rng(7);
    int turnedByHand = 0;
    for (int i = 0; i <= t->shapeLast; ++i) {
        if (rng() % 2) continue;
        t->shapes[i].angle = (t->shapes[i].angle + 5) % 10;
        ++turnedByHand;
    }
    ASSERT_GT(checkRules(*t).arrowConflicts, 100);
    const OrientResult r = orientShapes(*t);
    EXPECT_EQ(std::tuple(r.arrowConflicts, r.turned), std::tuple(0, turnedByHand));
    for (int i = 0; i <= t->shapeLast; ++i) {
        const TileShape& was = legal[static_cast<std::size_t>(i)];
        EXPECT_TRUE(sameExceptAngle(t->shapes[i], was) && t->shapes[i].angle == was.angle) << i;
    }
    EXPECT_EQ(orientShapes(*t).turned, 0);
}

// The quasitiler's grid offsets do not sum to an integer, so its patches keep
// conflicts: 86 at radius 20 and 443 at radius 50 by the vertex index.
TEST_F(RulesOrient, QuasitilerPatchesEndNoWorseThanTheVertexIndex) {
    for (int n : {5, 9, 14, 20, 27, 33, 41, 50}) {
        ASSERT_TRUE(test::quasitilerPatch(*t, n));
        const int baseline = indexConflicts();
        if (n == 20 || n == 50) { EXPECT_EQ(baseline, n == 20 ? 86 : 443); }
        const std::vector<TileShape> before = table();
        const OrientResult r = orientShapes(*t);
        EXPECT_LE(r.arrowConflicts, baseline) << n;
        EXPECT_EQ(r.arrowConflicts, checkRules(*t).arrowConflicts) << n;
        int turned = 0;
        for (int i = 0; i <= t->shapeLast; ++i) {
            const int was = before[static_cast<std::size_t>(i)].angle, now = t->shapes[i].angle;
            ASSERT_TRUE(sameExceptAngle(t->shapes[i], before[static_cast<std::size_t>(i)]));
            ASSERT_TRUE(now == was || now == (was + 5) % 10);
            turned += now != was;
        }
        EXPECT_EQ(r.turned, turned) << n;
    }
}

TEST_F(RulesOrient, NoSingleTurnImprovesTheResult) {
    ASSERT_TRUE(test::quasitilerPatch(*t, 20));
    EXPECT_LT(orientShapes(*t).arrowConflicts, 86);
    ASSERT_TRUE(test::quasitilerPatch(*t, 9));
    const int left = orientShapes(*t).arrowConflicts;
    ASSERT_GT(left, 0);
    for (int i = 0; i <= t->shapeLast; ++i) {
        t->shapes[i].angle = (t->shapes[i].angle + 5) % 10;
        EXPECT_GE(checkRules(*t).arrowConflicts, left) << i;
        t->shapes[i].angle = (t->shapes[i].angle + 5) % 10;
    }
}

}  // namespace
}  // namespace rho
