#include "rules/DeflationTable.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "geometry/Geometry.h"
#include "rules/Deflation.h"
#include "tiling/Tiling.h"

namespace rho::deflation_detail {

namespace {

// Exact values, so that repeated deflation (every coordinate times the
// golden ratio each time) keeps shapes meeting far inside the contour's
// 5-unit tolerance.
const double kPhi = (1.0 + std::sqrt(5.0)) / 2.0;
const double kSin36 = std::sqrt(10.0 - 2.0 * std::sqrt(5.0)) / 4.0;
const double kSin72 = std::sqrt(10.0 + 2.0 * std::sqrt(5.0)) / 4.0;
const double kCos36 = kPhi / 2.0;
const double kCos72 = (kPhi - 1.0) / 2.0;

// Turning by a * 36 degrees, from +x toward +y; the values of the ten
// angles are exact up to the last bit and symmetric.
const double kCos[10] = {1.0, kCos36, kCos72, -kCos72, -kCos36, -1.0, -kCos36, -kCos72, kCos72, kCos36};
const double kSin[10] = {0.0, kSin36, kSin72, kSin72, kSin36, 0.0, -kSin36, -kSin72, -kSin72, -kSin36};

Point2 turn(int a, double x, double y) { return {x * kCos[a] - y * kSin[a], x * kSin[a] + y * kCos[a]}; }

// Offsets: 20 sin 36 = 11.7557, 10 phi = 16.1803, 20 phi = 32.3607,
// 20 (sin 36 + sin 72) = 30.7768, 20 sin 72 = 19.0211, 10 phi^2 = 26.1803,
// 10 / phi = 6.1803.
const ChildRule kThickChildren[5] = {
    {1, 5, -20.0 * kSin36, -10.0 * kPhi, true},
    {1, 4, 0.0, 20.0 * kPhi, false},
    {1, 6, 20.0 * (kSin36 + kSin72), 10.0, false},
    {0, 1, 20.0 * kSin72, -10.0 * kPhi * kPhi, false},
    {0, 3, -20.0 * (kSin36 + kSin72), 10.0, false},
};
const ChildRule kThinChildren[4] = {
    {1, 1, 20.0 * kSin72, 10.0 * kPhi * kPhi, false},
    {1, 5, 0.0, -20.0 * kPhi, false},
    {0, 3, -20.0 * kSin72, -10.0 / kPhi, false},
    {0, 7, -20.0 * kSin36, 10.0 * kPhi, false},
};

// One edge with its arrow: single (1) or double (2), pointing from `from` to `to`.
struct Edge {
    Point2 from;
    Point2 to;
    int arrow;
    int shape;
};

// The arrows of each kind as (from corner, to corner, arrow).
struct ArrowRule {
    int from;
    int to;
    int arrow;
};
constexpr ArrowRule kThickArrows[4] = {{0, 1, 1}, {0, 3, 1}, {1, 2, 2}, {3, 2, 2}};
constexpr ArrowRule kThinArrows[4] = {{0, 1, 1}, {2, 1, 1}, {0, 3, 2}, {2, 3, 2}};

bool same(const Point2& p, const Point2& q) { return nearWithin5(p.x, p.y, q.x, q.y); }

// Midpoints of edges that share their ends lie within 5 of each other, so
// they fall in the same or neighbouring cells of this size.
constexpr double kEdgeCell = 10.0;

int64_t edgeCell(double v) { return static_cast<int64_t>(std::floor(v / kEdgeCell)); }
uint64_t cellKey(int64_t cx, int64_t cy) { return static_cast<uint64_t>(cx) * 0x9E3779B97F4A7C15ULL ^ static_cast<uint64_t>(cy); }

}  // namespace

std::span<const ChildRule> childRules(int parentKind) {
    if (parentKind == 0) return kThinChildren;
    return kThickChildren;
}

TileShape childOf(const ChildRule& rule, int parentAngle, double parentX, double parentY, int32_t color) {
    const Point2 o = turn(parentAngle, rule.ox, rule.oy);
    return {kPhi * parentX + o.x, kPhi * parentY + o.y, rule.kind, (parentAngle + rule.turn) % 10, color};
}

TileShape parentOf(const ChildRule& rule, int parentKind, const TileShape& child) {
    const int angle = ((child.angle - rule.turn) % 10 + 10) % 10;
    const Point2 o = turn(angle, rule.ox, rule.oy);
    return {(child.x - o.x) / kPhi, (child.y - o.y) / kPhi, parentKind == 0 ? 0 : 1, angle, 1};
}

int countEdgeConflicts(const TileShape* shapes, int count) {
    static const ShapeTemplate kTemplates[2] = {makeTemplate(kSmallAngleRad), makeTemplate(kLargeAngleRad)};
    std::vector<Edge> edges;
    edges.reserve(static_cast<std::size_t>(count) * 4);
    for (int i = 0; i < count; ++i) {
        const TileShape& s = shapes[i];
        // Far-off centres cannot share an edge with a shape of a real tiling.
        if (!(std::fabs(s.x) < 1e12 && std::fabs(s.y) < 1e12)) continue;
        const int kind = s.kind == 0 ? 0 : 1;
        const int a = ((s.angle % 10) + 10) % 10;
        Point2 corner[4];
        for (int j = 0; j < 4; ++j) {
            const Point2 p = turn(a, kTemplates[kind].corners[j].x, kTemplates[kind].corners[j].y);
            corner[j] = {p.x + s.x, p.y + s.y};
        }
        for (const ArrowRule& r : kind == 0 ? kThinArrows : kThickArrows)
            edges.push_back({corner[r.from], corner[r.to], r.arrow, i});
    }

    // The edges by the cell of their midpoint.
    std::unordered_map<uint64_t, std::vector<int>> cells;
    cells.reserve(edges.size());
    auto midCell = [](const Edge& e, int64_t& cx, int64_t& cy) {
        cx = edgeCell((e.from.x + e.to.x) / 2.0);
        cy = edgeCell((e.from.y + e.to.y) / 2.0);
    };
    for (std::size_t i = 0; i < edges.size(); ++i) {
        int64_t cx, cy;
        midCell(edges[i], cx, cy);
        cells[cellKey(cx, cy)].push_back(static_cast<int>(i));
    }

    int conflicts = 0;
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const Edge& e = edges[i];
        int64_t cx, cy;
        midCell(e, cx, cy);
        for (int64_t dx = -1; dx <= 1; ++dx) {
            for (int64_t dy = -1; dy <= 1; ++dy) {
                const auto it = cells.find(cellKey(cx + dx, cy + dy));
                if (it == cells.end()) continue;
                for (const int j : it->second) {
                    // Each pair once, and never two edges of one shape.
                    if (j <= static_cast<int>(i) || edges[static_cast<std::size_t>(j)].shape == e.shape) continue;
                    const Edge& f = edges[static_cast<std::size_t>(j)];
                    if (same(e.from, f.from) && same(e.to, f.to)) {
                        if (e.arrow != f.arrow) ++conflicts;
                    } else if (same(e.from, f.to) && same(e.to, f.from)) {
                        ++conflicts;
                    }
                }
            }
        }
    }
    return conflicts;
}

int countEdgeConflictsForDeflation(const Tiling& t) {
    return countEdgeConflicts(t.shapes, std::clamp(t.shapeLast, -1, kMaxShapes - 1) + 1);
}

}  // namespace rho::deflation_detail
