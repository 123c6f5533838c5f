// Checking tilings against the matching rules: hand-made stars and pairs,
// and patches grown by deflation, which keep the rules by construction.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "edit/Creation.h"
#include "rules/Check.h"
#include "rules/Vertices.h"
#include "support/FakeShell.h"
#include "support/RulePatches.h"

namespace rho {
namespace {

struct RulesCheck : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell);
    // The five thick acute corners round one point, the seed of the patches.
    std::vector<TileShape> starOfFive() { return test::starAround(*t, {4, 4, 4, 4, 4}, 0); }
};

bool at(Point2 p, double x, double y) { return std::fabs(p.x - x) < 1e-9 && std::fabs(p.y - y) < 1e-9; }

// Thin t0 beside thin t2: the arrows agree, but the far end of their common
// edge holds t1 t1, which no star has; both shared points are dead ends.
TEST_F(RulesCheck, ThinPairGluedT0ToT2IsADeadEndAtBothSharedPoints) {
    ASSERT_TRUE(test::loadShapes(*t, {test::shapeWithCorner(*t, 0, 1, {0, 0}), test::shapeWithCorner(*t, 2, 2, {0, 0})}));
    const RuleReport r = checkRules(*t);
    ASSERT_EQ(std::tuple(r.arrowConflicts, r.illegalVertices, r.deadEnds), std::tuple(0, 0, 2));
    // The common edge runs from the origin along slot 2, straight down 40 units.
    EXPECT_TRUE(at(r.deadEndPlaces[0], 0, 0) && at(r.deadEndPlaces[1], 0, 40));
    EXPECT_EQ(r.offendingShapes, (std::vector<int>{0, 1}));
}

TEST_F(RulesCheck, TheEightStarsPassAndWrongStarsFail) {
    for (const VertexStar& star : kVertexStars) {
        const std::vector<int> codes(star.corners, star.corners + star.count);
        for (int rotation = 0; rotation < 10; ++rotation) {
            ASSERT_TRUE(test::loadShapes(*t, test::starAround(*t, codes, rotation)));
            EXPECT_TRUE(checkRules(*t).clean()) << codes.size() << " corners at rotation " << rotation;
        }
    }
    // t1 T3 T1 (star 1 mirrored), t1 t1 T0, t0 t2 beside four T0, T2 among four T0.
    const std::vector<std::vector<int>> wrong = {{1, 7, 5}, {1, 1, 4}, {0, 2, 4, 4, 4, 4}, {6, 4, 4, 4, 4}};
    for (const std::vector<int>& codes : wrong) {
        ASSERT_TRUE(test::loadShapes(*t, test::starAround(*t, codes, 3)));
        const RuleReport r = checkRules(*t);
        ASSERT_GE(r.illegalVertices, 1) << codes.size();
        EXPECT_TRUE(at(r.illegalPlaces[0], 0, 0));
    }
}

TEST_F(RulesCheck, DeflatedPatchKeepsTheRulesAndShowsEveryStar) {
    const std::vector<TileShape> shapes = test::deflate(starOfFive(), 4);
    ASSERT_EQ(shapes.size(), 535u);
    ASSERT_TRUE(test::loadShapes(*t, shapes));
    EXPECT_TRUE(checkRules(*t).clean());

    const VertexSet v(*t);
    int seen[8] = {};
    const StarCatalogue& cat = StarCatalogue::instance();
    for (int id = 0; id < v.pointCount(); ++id) {
        const PointReading p = v.read(id);
        if (p.verdict != PointVerdict::Legal) continue;
        for (int i = 0; i < cat.count(); ++i) {
            if ((i < 64 ? p.candidates.lo >> i : p.candidates.hi >> (i - 64)) & 1) ++seen[cat.placement(i).star];
        }
    }
    for (int s = 0; s < 8; ++s) EXPECT_GT(seen[s], 0) << "star " << s + 1;
}

TEST_F(RulesCheck, OneThinTurnedInALegalPatchGivesFourConflictsAndFourIllegalVertices) {
    ASSERT_TRUE(test::loadShapes(*t, test::deflate(starOfFive(), 4)));
    const VertexSet v(*t);
    int thin = -1;
    for (int s = 0; s <= t->shapeLast && thin < 0; ++s) {
        bool inside = t->shapes[s].kind == kSmallShape;
        for (int j = 0; j < 4 && inside; ++j) inside = v.read(v.shapePoints(s)[j]).verdict == PointVerdict::Legal;
        if (inside) thin = s;
    }
    ASSERT_GE(thin, 0);
    t->shapes[thin].angle = (t->shapes[thin].angle + 5) % 10;
    const RuleReport r = checkRules(*t);
    EXPECT_EQ(std::tuple(r.arrowConflicts, r.illegalVertices, r.deadEnds), std::tuple(4, 4, 0));
    // The conflicts sit on the midpoints of the turned shape's edges.
    Point2 c[4];
    CornerFrame(*t).corners(t->shapes[thin], c);
    for (int e = 0; e < 4; ++e) {
        const Point2 mid{(c[e].x + c[(e + 1) % 4].x) / 2, (c[e].y + c[(e + 1) % 4].y) / 2};
        EXPECT_TRUE(std::any_of(r.conflictPlaces.begin(), r.conflictPlaces.end(),
                                [&](Point2 p) { return std::hypot(p.x - mid.x, p.y - mid.y) < 1e-6; }))
            << e;
    }
    EXPECT_TRUE(std::binary_search(r.offendingShapes.begin(), r.offendingShapes.end(), thin));
}

TEST_F(RulesCheck, OverlappingShapesAreDeadEndsAtTheirCorners) {
    const TileShape s = test::shapeWithCorner(*t, 4, 0, {0, 0});
    t->shapes[0] = t->shapes[1] = s;
    t->shapeLast = 1;
    const RuleReport r = checkRules(*t);
    EXPECT_EQ(std::tuple(r.deadEnds, r.illegalVertices), std::tuple(4, 0));
}

}  // namespace
}  // namespace rho
