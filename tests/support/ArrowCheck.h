#pragma once
// The arrows on the rhombs' edges and the conflicts between neighbours, for
// tests: a thick rhomb carries single arrows from corner 0 to corners 1 and
// 3 and double arrows from corners 1 and 3 to corner 2; a thin one single
// arrows from corners 0 and 2 to corner 1 and double arrows from corners 0
// and 2 to corner 3. Two shapes that share an edge must give it the same
// kind of arrow pointing the same way.

#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho::test {

struct ArrowedEdge {
    Point2 from, to;
    bool twoHeads = false;
};

// The four edges of a shape in world coordinates, each pointing as its arrow does.
inline std::vector<ArrowedEdge> arrowedEdges(Tiling& t, const TileShape& s) {
    static const int thick[4][2] = {{0, 1}, {0, 3}, {1, 2}, {3, 2}};
    static const int thin[4][2] = {{0, 1}, {2, 1}, {0, 3}, {2, 3}};
    computeCorners(t, s);
    std::vector<ArrowedEdge> edges;
    for (int k = 0; k < 4; ++k) {
        const int* e = s.kind == 0 ? thin[k] : thick[k];
        edges.push_back({t.cornerBuffer[e[0]], t.cornerBuffer[e[1]], k >= 2});
    }
    return edges;
}

// An edge's place, whichever way it is walked: its midpoint to 1/100 unit.
inline std::pair<long, long> edgeKey(Point2 a, Point2 b) {
    return {std::lround((a.x + b.x) * 50), std::lround((a.y + b.y) * 50)};
}

struct ArrowCount {
    int shared = 0;     // edges held by two shapes
    int conflicts = 0;  // of which their arrows differ
};

inline ArrowCount countArrowConflicts(Tiling& t, const std::vector<TileShape>& shapes) {
    std::map<std::pair<long, long>, std::vector<ArrowedEdge>> byPlace;
    for (const TileShape& s : shapes)
        for (const ArrowedEdge& e : arrowedEdges(t, s)) byPlace[edgeKey(e.from, e.to)].push_back(e);
    ArrowCount count;
    for (const auto& [place, edges] : byPlace) {
        if (edges.size() < 2) continue;
        ++count.shared;
        const ArrowedEdge &a = edges[0], &b = edges[1];
        const bool sameWay = std::hypot(a.from.x - b.from.x, a.from.y - b.from.y) < 1e-6;
        if (a.twoHeads != b.twoHeads || !sameWay) ++count.conflicts;
    }
    return count;
}

// Turns shapes by 180 degrees (which keeps their outlines) so that their
// arrows agree with the first shape's, walking shared edges outward from it.
inline void orientAlongEdges(Tiling& t, std::vector<TileShape>& shapes) {
    std::map<std::pair<long, long>, std::vector<int>> holders;
    for (int i = 0; i < static_cast<int>(shapes.size()); ++i)
        for (const ArrowedEdge& e : arrowedEdges(t, shapes[i])) holders[edgeKey(e.from, e.to)].push_back(i);
    std::vector<bool> fixed(shapes.size(), false);
    std::vector<int> queue{0};
    fixed[0] = true;
    for (size_t q = 0; q < queue.size(); ++q) {
        const int i = queue[q];
        for (const ArrowedEdge& e : arrowedEdges(t, shapes[i]))
            for (int n : holders[edgeKey(e.from, e.to)]) {
                if (fixed[n]) continue;
                fixed[n] = true;
                queue.push_back(n);
                for (const ArrowedEdge& f : arrowedEdges(t, shapes[n]))
                    if (edgeKey(f.from, f.to) == edgeKey(e.from, e.to) &&
                        (f.twoHeads != e.twoHeads || std::hypot(f.from.x - e.from.x, f.from.y - e.from.y) > 1e-6))
                        shapes[n].angle = (shapes[n].angle + 5) % 10;
            }
    }
}

}  // namespace rho::test
