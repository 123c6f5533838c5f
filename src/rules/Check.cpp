#include "rules/Check.h"

#include <algorithm>

#include "rules/Vertices.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// Every pair of shapes on a shared edge whose arrows differ, sorted by the
// edge's end points, so that the pairs on one edge stand together.
std::vector<SharedEdge> conflictingPairs(const VertexSet& v) {
    std::vector<SharedEdge> conflicts;
    for (const SharedEdge& e : v.sharedEdges()) {
        if (arrowsConflict(v, e)) conflicts.push_back(e);
    }
    std::stable_sort(conflicts.begin(), conflicts.end(),
                     [](const SharedEdge& a, const SharedEdge& b) { return a.p != b.p ? a.p < b.p : a.q < b.q; });
    return conflicts;
}

bool sameEdge(const SharedEdge& a, const SharedEdge& b) { return a.p == b.p && a.q == b.q; }

}  // namespace

int countArrowConflicts(const VertexSet& v) {
    const std::vector<SharedEdge> conflicts = conflictingPairs(v);
    int count = 0;
    for (std::size_t i = 0; i < conflicts.size(); ++i) {
        if (i == 0 || !sameEdge(conflicts[i], conflicts[i - 1])) ++count;
    }
    return count;
}

RuleReport checkRules(const Tiling& t) {
    RuleReport r;
    if (t.shapeLast < 0) return r;
    const VertexSet v(t);
    std::vector<int> offending;

    for (int id = 0; id < v.pointCount(); ++id) {
        const PointVerdict verdict = v.read(id).verdict;
        if (verdict != PointVerdict::Illegal && verdict != PointVerdict::DeadEnd) continue;
        const VertexPoint& p = v.point(id);
        if (verdict == PointVerdict::Illegal) {
            ++r.illegalVertices;
            r.illegalPlaces.push_back(p.at);
        } else {
            ++r.deadEnds;
            r.deadEndPlaces.push_back(p.at);
        }
        for (int i = 0; i < p.count; ++i) offending.push_back(p.corners[i].shape);
    }

    // Several pairs of shapes on one edge (overlapping shapes) count it once.
    const std::vector<SharedEdge> conflicts = conflictingPairs(v);
    for (std::size_t i = 0; i < conflicts.size(); ++i) {
        offending.push_back(conflicts[i].shapeA);
        offending.push_back(conflicts[i].shapeB);
        if (i > 0 && sameEdge(conflicts[i], conflicts[i - 1])) continue;
        const Point2 a = v.point(conflicts[i].p).at, b = v.point(conflicts[i].q).at;
        r.conflictPlaces.push_back({(a.x + b.x) / 2.0, (a.y + b.y) / 2.0});
    }
    r.arrowConflicts = static_cast<int>(r.conflictPlaces.size());

    std::sort(offending.begin(), offending.end());
    offending.erase(std::unique(offending.begin(), offending.end()), offending.end());
    r.offendingShapes = std::move(offending);
    return r;
}

}  // namespace rho
