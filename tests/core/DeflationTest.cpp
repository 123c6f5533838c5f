#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "edit/ContourRecalculation.h"
#include "rules/Check.h"
#include "rules/Deflation.h"
#include "support/Placing.h"
#include "tiling/ShapeCorners.h"

namespace rho {
namespace {

const double kPhi = (1.0 + std::sqrt(5.0)) / 2.0;

struct DeflationTest : test::TilingFixture {
    std::vector<TileShape> shapes() const { return {t.shapes, t.shapes + t.shapeLast + 1}; }
    std::vector<Point2> corners(const TileShape& s) {
        computeCorners(t, s);
        return {t.cornerBuffer, t.cornerBuffer + 4};
    }
    // Five thick shapes around the origin with their corner `v` there: the
    // sun (v = 0) and the star (v = 2).
    std::vector<TileShape> fiveThick(int v, int color = 1) {
        std::vector<TileShape> out;
        for (int a = 0; a < 10; a += 2) {
            const Point2 c = corners({0.0, 0.0, kLargeShape, a, color})[v];
            out.push_back({-c.x, -c.y, kLargeShape, a, color});
        }
        return out;
    }
    // Distinct edges by arrow (single, double), worked out from the corners.
    std::pair<int, int> edgesByArrow(const std::vector<TileShape>& in) {
        struct E { Point2 p, q; int arrow; };
        static const int kArrows[2][4][3] = {{{0, 1, 1}, {2, 1, 1}, {0, 3, 2}, {2, 3, 2}},
                                             {{0, 1, 1}, {0, 3, 1}, {1, 2, 2}, {3, 2, 2}}};
        auto near = [](Point2 a, Point2 b) { return std::hypot(a.x - b.x, a.y - b.y) < 1e-6; };
        std::vector<E> seen;
        std::pair<int, int> count{0, 0};
        for (const TileShape& s : in) {
            const std::vector<Point2> c = corners(s);
            for (const auto& r : kArrows[s.kind]) {
                const E e{c[r[0]], c[r[1]], r[2]};
                if (std::any_of(seen.begin(), seen.end(), [&](const E& f) {
                        return (near(e.p, f.p) && near(e.q, f.q)) || (near(e.p, f.q) && near(e.q, f.p));
                    }))
                    continue;
                seen.push_back(e);
                (e.arrow == 1 ? count.first : count.second)++;
            }
        }
        return count;
    }
    int thickCount() const {
        return static_cast<int>(
            std::count_if(t.shapes, t.shapes + t.shapeLast + 1, [](const TileShape& s) { return s.kind == 1; }));
    }
    // The same shapes, kinds, angles and colours, centres within 1e-9, in any order.
    static bool sameSet(std::vector<TileShape> a, std::vector<TileShape> b) {
        if (a.size() != b.size()) return false;
        for (const TileShape& s : a) {
            auto it = std::find_if(b.begin(), b.end(), [&](const TileShape& r) {
                return r.kind == s.kind && r.angle == s.angle && r.color == s.color && std::fabs(r.x - s.x) < 1e-9 &&
                       std::fabs(r.y - s.y) < 1e-9;
            });
            if (it == b.end()) return false;
            b.erase(it);
        }
        return true;
    }
    // Two shapes overlap when no edge direction of either separates them.
    bool overlap(const TileShape& s, const TileShape& r) {
        const std::vector<Point2> a = corners(s), b = corners(r);
        auto spread = [](const std::vector<Point2>& q, double nx, double ny) {
            return std::minmax({q[0].x * nx + q[0].y * ny, q[1].x * nx + q[1].y * ny, q[2].x * nx + q[2].y * ny,
                                q[3].x * nx + q[3].y * ny});
        };
        for (const std::vector<Point2>* p : {&a, &b}) {
            for (int e = 0; e < 4; ++e) {
                const double nx = (*p)[e].y - (*p)[(e + 1) % 4].y, ny = (*p)[(e + 1) % 4].x - (*p)[e].x;
                const auto [alo, ahi] = spread(a, nx, ny);
                const auto [blo, bhi] = spread(b, nx, ny);
                if (ahi <= blo + 1e-3 || bhi <= alo + 1e-3) return false;
            }
        }
        return true;
    }
    bool contourIsFresh() {
        const int last = t.contourLast;
        std::vector<ContourVertex> before(t.contour, t.contour + last + 1);
        if (!recalculateContour(t, shell) || t.contourLast != last) return false;
        return std::memcmp(before.data(), t.contour, before.size() * sizeof(ContourVertex)) == 0;
    }
};

double area(const std::vector<Point2>& p) {
    double a = 0.0;
    for (size_t j = 0; j < p.size(); ++j) a += p[j].x * p[(j + 1) % p.size()].y - p[(j + 1) % p.size()].x * p[j].y;
    return std::fabs(a) / 2.0;
}
double distanceToSegment(Point2 p, Point2 a, Point2 b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double u = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - a.x - u * dx, p.y - a.y - u * dy);
}

TEST_F(DeflationTest, OneShapeSplitsIntoAWholeChildAndHalvesAcrossItsEnlargedEdges) {
    // Worked out by hand: centre phi * (10, -20) plus each offset turned by 108 degrees.
    setShapes({{10.0, -20.0, kLargeShape, 3, -4}});
    ASSERT_EQ(deflateTiling(t).outcome, DeflateOutcome::Done);
    const std::vector<TileShape> expected = {{35.201470, -38.541020, 1, 8, 4}, {-14.596495, -42.360680, 1, 7, 4},
                                             {-2.840790, -6.180340, 1, 9, 4},  {35.201470, -6.180340, 0, 4, 4},
                                             {16.180340, -64.721360, 0, 6, 4}};
    std::vector<TileShape> got = shapes();
    for (TileShape& s : got) s = {std::round(s.x * 1e6) / 1e6, std::round(s.y * 1e6) / 1e6, s.kind, s.angle, s.color};
    EXPECT_TRUE(sameSet(got, expected));

    // Every angle of both kinds: a thick parent keeps one whole child, the halves straddle its
    // enlarged edges, and together the children cover it exactly.
    for (int kind : {0, 1}) {
        for (int a = 0; a < 10; ++a) {
            const TileShape parent{-35.0, 50.0, kind, a, 1};
            std::vector<Point2> big = corners(parent);
            for (Point2& p : big) p = {p.x * kPhi, p.y * kPhi};
            setShapes({parent});
            ASSERT_EQ(deflateTiling(t).shapes, kind == 0 ? 4 : 5);
            double covered = 0.0;
            int wholes = 0;
            for (const TileShape& child : shapes()) {
                const std::vector<Point2> c = corners(child);
                bool halved = false;
                for (int e = 0; e < 4 && !halved; ++e)
                    for (int d = 0; d < 2 && !halved; ++d)
                        halved = distanceToSegment(c[d], big[e], big[(e + 1) % 4]) < 1e-9 &&
                                 distanceToSegment(c[d + 2], big[e], big[(e + 1) % 4]) < 1e-9;
                wholes += !halved;
                covered += area(c) / (halved ? 2.0 : 1.0);
            }
            EXPECT_EQ(wholes, kind) << kind << " " << a;
            EXPECT_NEAR(covered, area(big), 1e-6) << kind << " " << a;
        }
    }
}

TEST_F(DeflationTest, TheSunAndTheStarDeflateIntoLegalPatchesWhoseThickToThinRatioTendsToPhi) {
    std::vector<std::pair<int, int>> counts;  // (thick, thin) after 2, 3 and 7 deflations
    for (int v : {0, 2}) {
        setShapes(fiveThick(v));
        for (int k = 1; k <= 7; ++k) {
            const std::vector<TileShape> before = shapes();
            const auto [single, twofold] = before.size() < 1000 ? edgesByArrow(before) : std::pair(-1, -1);
            const int thick = thickCount();
            const DeflateResult r = deflateTiling(t);
            ASSERT_EQ(r.outcome, DeflateOutcome::Done);
            const std::pair now(thickCount(), t.shapeLast + 1 - thickCount());
            // A thick parent has one whole thick child; each double edge carries a thick half and
            // each single edge a thin one.
            if (single >= 0) {
                EXPECT_EQ(now, std::pair(thick + twofold, single)) << v << " " << k;
            }
            EXPECT_EQ(std::pair(r.shapes, r.dropped), std::pair(t.shapeLast + 1, 0));
            EXPECT_EQ(checkRules(t).arrowConflicts, 0);
            for (int i = 1; i <= t.shapeLast; ++i) ASSERT_LE(t.shapes[i - 1].y, t.shapes[i].y);  // in rows
            ASSERT_TRUE(contourIsFresh()) << v << " " << k;  // nothing refused, and the contour was rebuilt
            if (k == 2 || k == 3 || k == 7) counts.push_back(now);
        }
        EXPECT_NEAR(static_cast<double>(counts.back().first) / counts.back().second, kPhi, 0.025);
    }
    EXPECT_EQ(counts, (std::vector<std::pair<int, int>>{{40, 25}, {120, 70}, {6550, 4090},  // the sun
                                                        {35, 25}, {100, 70}, {5670, 3550}}));  // the star
}

TEST_F(DeflationTest, ComposingUndoesDeflationAndDropsWhatBelongsToNoParent) {
    std::vector<TileShape> start = fiveThick(0);
    for (int i = 0; i < 5; ++i) start[static_cast<size_t>(i)].color = 4 + i;
    setShapes(start);
    ASSERT_EQ(deflateTiling(t, 7).shapes, 10640);
    for (int k = 0; k < 7; ++k) ASSERT_EQ(composeTiling(t).outcome, DeflateOutcome::Done) << k;
    EXPECT_TRUE(sameSet(shapes(), start));  // kinds, angles, colours, centres within 1e-9
    EXPECT_TRUE(contourIsFresh());

    // A thin parent has no whole child: it takes the colour its children share.
    setShapes(fiveThick(2, -7));
    ASSERT_EQ(deflateTiling(t).outcome, DeflateOutcome::Done);
    const std::vector<TileShape> once = shapes();  // 10 thick and 10 thin, colour 7, unselected
    ASSERT_EQ(deflateTiling(t, 2).outcome, DeflateOutcome::Done);
    t.shapes[++t.shapeLast] = {5000.0, 5000.0, kSmallShape, 3, 9};  // a stray shape
    ASSERT_EQ(composeTiling(t).outcome, DeflateOutcome::Done);
    ASSERT_EQ(composeTiling(t).shapes, 20);
    EXPECT_TRUE(sameSet(shapes(), once));
    EXPECT_EQ(composeTiling(t).shapes, 5);
    EXPECT_EQ(composeTiling(t).outcome, DeflateOutcome::NothingComposed);
    EXPECT_EQ(t.shapeLast, 4);
}

TEST_F(DeflationTest, RefusalsChangeNothing) {
    auto unchangedBy = [&](auto command) {
        const std::vector<TileShape> before = shapes();
        const std::vector<ContourVertex> contour(t.contour, t.contour + t.contourLast + 1);
        const DeflateResult r = command();
        EXPECT_TRUE(sameSet(shapes(), before));
        EXPECT_EQ(t.contourLast + 1, static_cast<int>(contour.size()));
        EXPECT_EQ(std::memcmp(contour.data(), t.contour, contour.size() * sizeof(ContourVertex)), 0);
        return r;
    };
    // Arrow conflicts, counted as the rules check counts them. A thick of the sun turned by
    // 180 degrees: same outline, both shared edges disagree.
    auto conflictsRefused = [&] {
        const DeflateResult r = unchangedBy([&] { return deflateTiling(t); });
        EXPECT_EQ(r.outcome, DeflateOutcome::ArrowConflicts);
        EXPECT_EQ(r.arrowConflicts, checkRules(t).arrowConflicts);
        return r;
    };
    setShapes(fiveThick(0));
    t.shapes[2].angle += 5;
    ASSERT_TRUE(recalculateContour(t, shell));
    DeflateResult r = conflictsRefused();
    EXPECT_EQ(r.arrowConflicts, 2);
    EXPECT_EQ(deflateResultText(r, false),
              "Can not deflate: 2 arrow conflicts (the halves of their shapes would overlap)");
    // The unturned one over it as well: all four edges disagree, each counted once.
    t.shapes[++t.shapeLast] = fiveThick(0)[2];
    EXPECT_EQ(conflictsRefused().arrowConflicts, 4);
    // Two thicks glued double edge (V1V2) to single edge (V0V1), arrows the same way.
    const std::vector<Point2> c = corners({0.0, 0.0, kLargeShape, 0, 1}), d = corners({0.0, 0.0, kLargeShape, 8, 1});
    setShapes({{0.0, 0.0, kLargeShape, 0, 1}, {c[1].x - d[0].x, c[1].y - d[0].y, kLargeShape, 8, 1}});
    ASSERT_LT(std::hypot(corners(t.shapes[1])[1].x - c[2].x, corners(t.shapes[1])[1].y - c[2].y), 1e-9);
    EXPECT_EQ(conflictsRefused().arrowConflicts, 1);

    // Past the shape table: 10640 shapes would become 28270; in two steps from 3975 as well.
    setShapes(fiveThick(0));
    ASSERT_EQ(deflateTiling(t, 7).shapes, 10640);
    r = unchangedBy([&] { return deflateTiling(t); });
    EXPECT_EQ(std::pair(r.outcome, r.shapes), std::pair(DeflateOutcome::TooLarge, 28270));
    EXPECT_EQ(deflateResultText(r, false), "Can not deflate: the result would have 28270 shapes, more than 15000");
    ASSERT_EQ(composeTiling(t).shapes, 3975);
    r = unchangedBy([&] { return deflateTiling(t, 2); });
    EXPECT_EQ(std::pair(r.outcome, r.shapes), std::pair(DeflateOutcome::TooLarge, 28270));

    // Past the contour table: 3000 lone thick shapes give 15000 children but 36000 points.
    std::vector<TileShape> lone;
    for (int i = 0; i < 3000; ++i) lone.push_back({200.0 * (i % 60), 200.0 * (i / 60), kLargeShape, i % 10, 1});
    setShapes(lone);
    ASSERT_TRUE(recalculateContour(t, shell));
    r = unchangedBy([&] { return deflateTiling(t); });
    EXPECT_EQ(std::pair(r.outcome, r.shapes), std::pair(DeflateOutcome::TooLarge, 15000));
    EXPECT_EQ(deflateResultText(r, false),
              "Can not deflate: the contour of the result would have more than 12000 points");

    setShapes({});
    EXPECT_EQ(unchangedBy([&] { return deflateTiling(t); }).outcome, DeflateOutcome::Empty);
    EXPECT_EQ(unchangedBy([&] { return composeTiling(t); }).outcome, DeflateOutcome::Empty);
}

TEST_F(DeflationTest, HalvesStickingOutOfAnIllegalPatchGiveWayAndEverythingInsideStays) {
    // Random patches without arrow conflicts, with boundary points no legal star completes.
    int dropped = 0;
    for (int trial = 0; trial < 60; ++trial) {
        setShapes({{0.0, 0.0, below(2), below(10), 1}});
        ASSERT_TRUE(recalculateContour(t, shell));
        for (int step = 0; step < 30 && t.contourLast >= 0; ++step) {
            const ContourVertex p = t.contour[below(t.contourLast + 1)];
            const int kind = below(2), a = below(10);
            const Point2 c = corners({0.0, 0.0, kind, a, 1})[below(4)];
            if (!attachAt(p.x - c.x, p.y - c.y, kind, a)) continue;
            // The contour sees overlaps at shared points only; leave out the others too.
            const TileShape& added = t.shapes[t.shapeLast];
            if (checkRules(t).arrowConflicts > 0 ||
                std::any_of(t.shapes, t.shapes + t.shapeLast, [&](const TileShape& s) { return overlap(s, added); })) {
                --t.shapeLast;
                ASSERT_TRUE(recalculateContour(t, shell));
            }
        }
        const std::vector<TileShape> parents = shapes();
        const DeflateResult r = deflateTiling(t);
        ASSERT_EQ(r.outcome, DeflateOutcome::Done);
        dropped += r.dropped;
        ASSERT_TRUE(contourIsFresh()) << trial;
        // Every whole child stands: what is dropped lies across the boundary.
        for (const TileShape& p : parents) {
            if (p.kind != kLargeShape) continue;
            const Point2 o = corners({0.0, 0.0, kLargeShape, p.angle, 1})[0];  // the whole child sits on V0
            const std::vector<TileShape> all = shapes();
            EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const TileShape& s) {
                const std::vector<Point2> c = corners(s);
                return s.kind == kLargeShape && s.angle == (p.angle + 5) % 10 &&
                       std::hypot(c[2].x - kPhi * (p.x + o.x), c[2].y - kPhi * (p.y + o.y)) < 1e-6;
            })) << trial;
        }
    }
    EXPECT_GT(dropped, 0);
}

TEST_F(DeflationTest, ArbitraryTablesNeverCrashNorLeaveARefusedShape) {
    const double odd[] = {std::nan(""), 1e300, -1e17, 0.0, 3.5};
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<TileShape> table;
        for (int i = below(12); i >= 0; --i)
            table.push_back({below(8) ? uniform(-150, 150) : odd[below(5)], uniform(-150, 150), below(4) - 1,
                             below(30) - 10, below(41) - 20});
        setShapes(table);
        t.contourLast = -1;
        const DeflateResult r = below(2) ? deflateTiling(t, 1 + below(2)) : composeTiling(t);
        if (r.outcome != DeflateOutcome::Done) {
            EXPECT_EQ(t.shapeLast + 1, static_cast<int>(table.size()));
            continue;
        }
        EXPECT_EQ(r.shapes, t.shapeLast + 1);
        for (const TileShape& s : shapes())
            ASSERT_TRUE(s.color > 0 && (s.kind == 0 || s.kind == 1) && s.angle >= 0 && s.angle < 10);
        EXPECT_TRUE(contourIsFresh()) << trial;
    }
}

}  // namespace
}  // namespace rho
