// Forcing shapes, and keeping the rules on attach.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "edit/Creation.h"
#include "rules/Check.h"
#include "rules/Force.h"
#include "rules/KeepRules.h"
#include "support/FakeShell.h"
#include "support/RulePatches.h"

namespace rho {
namespace {

struct RulesForce : ::testing::Test {
    test::FakeShell shell;
    std::unique_ptr<Tiling> t = createTiling(shell), fresh = createTiling(shell);
    // The deflated star of five, grown by forcing until nothing more is forced.
    std::vector<TileShape> forcedPatch() {
        EXPECT_TRUE(test::loadShapes(*t, test::deflate(test::starAround(*t, {4, 4, 4, 4, 4}, 0), 3)));
        EXPECT_EQ(forceShapes(*t).forced, 660);
        EXPECT_EQ(forceShapes(*t).forced, 0);
        return {t->shapes, t->shapes + t->shapeLast + 1};
    }
    // The contour equals a rebuild of the same table, byte for byte, without a refusal.
    void expectContourOfARebuild() {
        fresh->shapeLast = t->shapeLast;
        std::copy(t->shapes, t->shapes + t->shapeLast + 1, fresh->shapes);
        RebuildObserver quiet;
        ASSERT_TRUE(rebuildContour(*fresh, quiet));
        ASSERT_EQ(fresh->contourLast, t->contourLast);
        for (int i = 0; i <= t->contourLast; ++i)
            ASSERT_TRUE(std::memcmp(fresh->contour[i].sectors, t->contour[i].sectors, kSectorBytes) == 0 &&
                        fresh->contour[i].x == t->contour[i].x && fresh->contour[i].y == t->contour[i].y) << i;
    }
};

TEST_F(RulesForce, AHoleIsRefilledExactly) {
    const std::vector<TileShape> whole = forcedPatch();
    ASSERT_EQ(whole.size(), 850u);
    EXPECT_TRUE(checkRules(*t).clean());
    // Cut the 100 shapes nearest a point inside the patch.
    const Point2 c{whole[300].x, whole[300].y};
    std::vector<TileShape> order = whole;
    std::stable_sort(order.begin(), order.end(), [c](const TileShape& a, const TileShape& b) {
        return std::hypot(a.x - c.x, a.y - c.y) < std::hypot(b.x - c.x, b.y - c.y);
    });
    ASSERT_TRUE(test::loadShapes(*t, {order.begin() + 100, order.end()}));

    const ForceResult r = forceShapes(*t);
    ASSERT_EQ(std::tuple(r.forced, r.deadEnds, r.tableFull, t->shapeCount()), std::tuple(100, 0, false, 850));
    for (const TileShape& s : whole)
        EXPECT_TRUE(std::any_of(t->shapes, t->shapes + 850, [&](const TileShape& u) {
            return std::fabs(s.x - u.x) < 1e-9 && std::fabs(s.y - u.y) < 1e-9 && s.kind == u.kind && s.angle == u.angle;
        }));
    for (int i = 750; i < 850; ++i) EXPECT_EQ(t->shapes[i].color, 1);
    expectContourOfARebuild();
}

// Far copies of the forced patch leave room for 360 of the seed's 660.
TEST_F(RulesForce, AFullTableStopsForcing) {
    const std::vector<TileShape> whole = forcedPatch();
    std::vector<TileShape> shapes;
    for (int k = 1; k <= 17; ++k)
        for (TileShape s : whole) { s.x += 4000.0 * k; shapes.push_back(s); }
    const std::vector<TileShape> seed = test::deflate(test::starAround(*t, {4, 4, 4, 4, 4}, 0), 3);
    shapes.insert(shapes.end(), seed.begin(), seed.end());
    ASSERT_TRUE(test::loadShapes(*t, shapes));
    const ForceResult r = forceShapes(*t);
    EXPECT_EQ(std::tuple(r.tableFull, r.forced, t->shapeLast), std::tuple(true, 360, kMaxShapes - 1));
    expectContourOfARebuild();
}

TEST_F(RulesForce, DeadEndsStayAsTheyAre) {
    ASSERT_TRUE(test::loadShapes(*t, {test::shapeWithCorner(*t, 0, 1, {0, 0}), test::shapeWithCorner(*t, 2, 2, {0, 0})}));
    EXPECT_EQ(forceShapes(*t).deadEnds, 2);
    const RuleReport after = checkRules(*t);
    EXPECT_EQ(std::tuple(after.arrowConflicts, after.illegalVertices, after.deadEnds), std::tuple(0, 0, 2));
    EXPECT_EQ(after.offendingShapes, (std::vector<int>{0, 1}));
    expectContourOfARebuild();
}

// No forced shape touches a conflict, an illegal point or a dead end.
TEST_F(RulesForce, ForcedShapesNeverBreakTheRules) {
    ASSERT_TRUE(test::quasitilerPatch(*t, 14));
    const int before = t->shapeLast;
    const RuleReport was = checkRules(*t);
    ASSERT_GT(was.arrowConflicts + was.illegalVertices, 0);
    const ForceResult r = forceShapes(*t);
    ASSERT_GT(r.forced, 0);
    const RuleReport now = checkRules(*t);
    EXPECT_EQ(std::tuple(now.arrowConflicts, now.illegalVertices, r.deadEnds),
              std::tuple(was.arrowConflicts, was.illegalVertices, now.deadEnds));
    EXPECT_LE(now.deadEnds, was.deadEnds);
    EXPECT_TRUE(now.offendingShapes.empty() || now.offendingShapes.back() <= before);
    expectContourOfARebuild();
}

TEST_F(RulesForce, AttachBreaksRulesForATurnedThinNotForALegalNeighbour) {
    const std::vector<TileShape> whole = forcedPatch();
    // Take out an inner thin shape and a thick one; each fits back as it was.
    for (int kind : {kSmallShape, kLargeShape}) {
        std::vector<TileShape> rest = whole;
        const auto it = std::find_if(rest.begin() + 200, rest.end(), [kind](const TileShape& s) { return s.kind == kind; });
        TileShape s = *it;
        rest.erase(it);
        ASSERT_TRUE(test::loadShapes(*t, rest));
        EXPECT_FALSE(attachBreaksRules(*t, s)) << kind;
        s.angle = (s.angle + 5) % 10;
        EXPECT_TRUE(attachBreaksRules(*t, s)) << kind;
    }
    // The second thin of the glued pair makes dead ends though its arrows agree.
    ASSERT_TRUE(test::loadShapes(*t, {test::shapeWithCorner(*t, 0, 1, {0, 0})}));
    EXPECT_TRUE(attachBreaksRules(*t, test::shapeWithCorner(*t, 2, 2, {0, 0})));
    EXPECT_FALSE(attachBreaksRules(*t, test::shapeWithCorner(*t, 4, 2, {0, 0})));
}

}  // namespace
}  // namespace rho
