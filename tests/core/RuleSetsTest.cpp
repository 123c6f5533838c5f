// The rule sets placed by the renderer's shape frame: arcs meet colour to colour and bars run
// straight on across every edge that keeps the arrows, and break where a shape is turned round.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

#include "geometry/MatrixStack.h"
#include "render/Decoration.h"
#include "seteditor/RuleSets.h"
#include "support/PatchRules.h"
#include "support/Placing.h"
#include "support/RulePatches.h"

namespace rho {
namespace {

const double kGolden = (1.0 + std::sqrt(5.0)) / 2.0;

// A set point on a shape, carried by the renderer's own shape frame.
Point2 onShape(const TileShape& s, SetPoint p) {
    MatrixStack& ms = matrixStack();
    ms.pushMatrix();
    ms.loadIdentity();
    applyShapeFrame(ms, s);
    Point2 w;
    ms.transformPoint(p.x, p.y, w.x, w.y);
    ms.popMatrix();
    return w;
}

double distance(Point2 a, Point2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

// An edge's place, whichever way it is walked: its midpoint to 1/100 unit.
std::pair<long, long> edgeKey(Point2 a, Point2 b) {
    return {std::lround((a.x + b.x) * 50), std::lround((a.y + b.y) * 50)};
}

// One end of an arc or a bar: its shape, place, colour and the way it runs into the shape.
struct End {
    int shape;
    Point2 at;
    Color color;
    Point2 inward;
};

struct Junctions {
    int shared = 0;  // edges held by two shapes
    int joined = 0;  // of which the ends of both sides meet
};

struct RuleSetsTest : test::TilingFixture {
    // The ends of every line (bars) or polyline (arcs) of `set`, by the edge they lie on.
    std::map<std::pair<long, long>, std::vector<End>> endsByEdge(const std::vector<TileShape>& shapes,
                                                                 const SetDesign& set, int kind) {
        std::map<std::pair<long, long>, std::vector<End>> byEdge;
        for (int i = 0; i < static_cast<int>(shapes.size()); ++i) {
            const TileShape& s = shapes[i];
            const SetDrawing& d = decorationFor(set, s.kind);
            computeCorners(t, s);
            const std::vector<Point2> c(t.cornerBuffer, t.cornerBuffer + 4);
            for (int j = 0; j < d.count; ++j) {
                const SetObject& o = d.objects[j];
                if (o.objectKind != kind) continue;
                for (const auto& [end, next] : {std::pair(0, 1), std::pair(o.lastPoint, o.lastPoint - 1)}) {
                    const Point2 at = onShape(s, o.points[end]), toward = onShape(s, o.points[next]);
                    int edges = 0;
                    for (int k = 0; k < 4; ++k) {
                        const Point2 a = c[k], b = c[(k + 1) % 4];
                        if (std::abs(distance(a, at) + distance(at, b) - distance(a, b)) > 1e-9) continue;
                        byEdge[edgeKey(a, b)].push_back({i, at, o.lineColor, {toward.x - at.x, toward.y - at.y}});
                        ++edges;
                    }
                    EXPECT_EQ(edges, 1) << "an end off the edges, shape " << i << " object " << j;
                }
            }
        }
        return byEdge;
    }

    // Arcs join where both sides of a shared edge end an arc at one point in one colour.
    Junctions arcJunctions(const std::vector<TileShape>& shapes) {
        Junctions j;
        for (const auto& [edge, ends] : endsByEdge(shapes, matchingArcsSet(), 1)) {
            EXPECT_TRUE(ends.size() == 1 || ends.size() == 2) << ends.size() << " arc ends on one edge";
            if (ends.size() != 2) continue;
            ++j.shared;
            if (distance(ends[0].at, ends[1].at) < 1e-9 && ends[0].color == ends[1].color) ++j.joined;
        }
        return j;
    }

    // Bars join where every bar end of one side meets one of the other side running straight on.
    Junctions barJunctions(const std::vector<TileShape>& shapes) {
        Junctions j;
        for (const auto& [edge, ends] : endsByEdge(shapes, ammannBarsSet(), 0)) {
            std::vector<End> sides[2];
            for (const End& e : ends) sides[e.shape == ends[0].shape ? 0 : 1].push_back(e);
            if (sides[1].empty()) continue;
            ++j.shared;
            bool all = sides[0].size() == sides[1].size();
            for (const End& a : sides[0]) {
                bool met = false;
                for (const End& b : sides[1]) {
                    const double cross = a.inward.x * b.inward.y - a.inward.y * b.inward.x;
                    const double dot = a.inward.x * b.inward.x + a.inward.y * b.inward.y;
                    const double scale = std::hypot(a.inward.x, a.inward.y) * std::hypot(b.inward.x, b.inward.y);
                    met = met || (distance(a.at, b.at) < 1e-9 && std::abs(cross) < 1e-9 * scale && dot < 0);
                }
                all = all && met;
            }
            if (all) ++j.joined;
        }
        return j;
    }

    // The sun of five thicks, and a thin glued to the first's V1V2 edge with its double arrow
    // the same way; attached one by one, so the contour proves nothing overlaps.
    std::vector<TileShape> starWithThin() {
        for (int a = 0; a < 10; a += 2) {
            const double turn = a * std::numbers::pi / 5;
            const Point2 v0 = templateFor(t, 1).corners[0];
            EXPECT_TRUE(attachAt(-(v0.x * std::cos(turn) - v0.y * std::sin(turn)),
                                 -(v0.x * std::sin(turn) + v0.y * std::cos(turn)), 1, a));
        }
        const double pi = std::numbers::pi;
        EXPECT_TRUE(attachAt(20 * (std::sin(pi / 5) + std::sin(2 * pi / 5)), 30 + 20 * kGolden, 0, 9));
        return std::vector<TileShape>(t.shapes, t.shapes + t.shapeLast + 1);
    }

    // The star of five thick acute corners deflated four times: its arrows agree by construction.
    std::vector<TileShape> deflatedStar() { return test::deflate(test::starAround(t, {4, 4, 4, 4, 4}, 0), 4); }
};

TEST_F(RuleSetsTest, ArcsLieOnTheirCornersCirclesOnEveryShapeWhateverItsAngle) {
    // Around the corners the contour computes: thick 0 and 2, thin 1 and 3.
    const SetDesign arcs = matchingArcsSet();
    const double wide = 80 / (kGolden * kGolden), narrow = 40 / (kGolden * kGolden * kGolden);
    for (int kind : {0, 1})
        for (int angle = 0; angle < 10; ++angle) {
            const TileShape s{123.5, -45.25, kind, angle, 1};
            computeCorners(t, s);
            const Point2 corner[2] = {t.cornerBuffer[kind == 1 ? 0 : 1], t.cornerBuffer[kind == 1 ? 2 : 3]};
            const double radius[2] = {kind == 1 ? wide : narrow, narrow};
            const SetDrawing& d = decorationFor(arcs, kind);
            ASSERT_EQ(d.count, 3);
            EXPECT_EQ(std::pair(d.objects[0].objectKind, d.objects[0].lastPoint), std::pair(2, 3));
            for (int k = 0; k < 4; ++k) {
                const Point2 p = onShape(s, d.objects[0].points[k]);
                EXPECT_NEAR(distance(p, t.cornerBuffer[k]), 0.0, 1e-9);
            }
            for (int a = 0; a < 2; ++a) {
                const SetObject& o = d.objects[1 + a];
                EXPECT_EQ(std::tuple(o.objectKind, o.lastPoint, o.lineColor),
                          std::tuple(1, 19, a == 0 ? kArcColorA : kArcColorB));
                for (int k = 0; k <= o.lastPoint; ++k)
                    EXPECT_NEAR(distance(onShape(s, o.points[k]), corner[a]), radius[a], 1e-9)
                        << "kind " << kind << " angle " << angle << " arc " << a << " point " << k;
            }
        }
}

TEST_F(RuleSetsTest, ArcsAndBarsJoinOnTheStarAndBreakWhereAShapeIsTurnedRound) {
    std::vector<TileShape> shapes = starWithThin();
    ASSERT_EQ(shapes.size(), 6u);
    // The first thick turned by 180 degrees: same rhomb, arrows reversed, its three shared edges break.
    for (const auto& [turn, conflicts, joined] : {std::tuple(0, 0, 6), std::tuple(5, 3, 3)}) {
        shapes[0].angle = turn;
        const test::PatchReading arrows = test::readPatch(t, shapes);
        EXPECT_EQ(std::pair(arrows.sharedEdges, arrows.conflicts), std::pair(6, conflicts));
        const Junctions arcs = arcJunctions(shapes), bars = barJunctions(shapes);
        EXPECT_EQ(std::tuple(arcs.shared, arcs.joined, bars.shared, bars.joined), std::tuple(6, joined, 6, joined));
    }
}

TEST_F(RuleSetsTest, OnADeflatedPatchAllJoinAndTheBarsLieOnFiveFamiliesSpacedInTheGoldenRatio) {
    const std::vector<TileShape> shapes = deflatedStar();
    const test::PatchReading arrows = test::readPatch(t, shapes);
    ASSERT_EQ(arrows.conflicts, 0);
    ASSERT_GT(arrows.sharedEdges, 200);
    const Junctions arcs = arcJunctions(shapes), joins = barJunctions(shapes);
    const int n = arrows.sharedEdges;
    EXPECT_EQ(std::tuple(arcs.shared, arcs.joined, joins.shared, joins.joined), std::tuple(n, n, n, n));

    const SetDesign bars = ammannBarsSet();
    // Each bar's line: its direction in 36-degree steps (mod 180) and its signed offset.
    std::map<long, std::vector<double>> offsets;
    for (const TileShape& s : shapes) {
        const SetDrawing& d = decorationFor(bars, s.kind);
        for (int j = 0; j < d.count; ++j) {
            const Point2 a = onShape(s, d.objects[j].points[0]), b = onShape(s, d.objects[j].points[1]);
            double angle = std::atan2(b.y - a.y, b.x - a.x);
            const long step = ((std::lround(angle * 5 / std::numbers::pi) % 5) + 5) % 5;
            EXPECT_NEAR(std::remainder(angle - step * std::numbers::pi / 5, std::numbers::pi), 0.0, 1e-9);
            angle = step * std::numbers::pi / 5;
            offsets[step].push_back(a.y * std::cos(angle) - a.x * std::sin(angle));
        }
    }
    ASSERT_EQ(offsets.size(), 5u);
    const double near = 20 * std::sqrt(5.0), far = near * kGolden;
    for (auto& [step, lines] : offsets) {
        std::sort(lines.begin(), lines.end());
        std::vector<double> distinct{lines[0]};
        for (double o : lines)
            if (o - distinct.back() > 1e-6) distinct.push_back(o);
        ASSERT_GT(distinct.size(), 8u) << "family " << step;
        for (size_t k = 1; k < distinct.size(); ++k) {
            const double gap = distinct[k] - distinct[k - 1];
            EXPECT_TRUE(std::abs(gap - near) < 1e-6 || std::abs(gap - far) < 1e-6)
                << "family " << step << " gap " << gap;
        }
    }
}

}  // namespace
}  // namespace rho
