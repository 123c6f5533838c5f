#include "rules/Orient.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <deque>

#include "rules/Vertices.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// One shared edge with its conflicts for each choice of turning: cost[fa][fb]
// is 1 when the edge conflicts with shape A turned (fa) and B turned (fb).
struct EdgeCost {
    int a = 0, b = 0;
    uint8_t cost[2][2] = {};
};

// The points of a shape's corners after turning it by 180 degrees: corner j
// then sits where corner j + 2 was.
std::array<int32_t, 4> turnedPoints(const std::array<int32_t, 4>& p) { return {p[2], p[3], p[0], p[1]}; }

std::vector<EdgeCost> edgeCosts(const VertexSet& v, const std::vector<SharedEdge>& shared) {
    std::vector<EdgeCost> out;
    out.reserve(shared.size());
    for (const SharedEdge& e : shared) {
        EdgeCost c;
        c.a = e.shapeA;
        c.b = e.shapeB;
        const std::array<int32_t, 4> pa[2] = {v.shapePoints(e.shapeA), turnedPoints(v.shapePoints(e.shapeA))};
        const std::array<int32_t, 4> pb[2] = {v.shapePoints(e.shapeB), turnedPoints(v.shapePoints(e.shapeB))};
        for (int fa = 0; fa < 2; ++fa) {
            for (int fb = 0; fb < 2; ++fb) {
                // Turned, the edge between the same two points is edge e + 2.
                c.cost[fa][fb] = arrowsDiffer(v.shape(e.shapeA).kind, pa[fa].data(), (e.edgeA + 2 * fa) & 3,
                                              v.shape(e.shapeB).kind, pb[fb].data(), (e.edgeB + 2 * fb) & 3);
            }
        }
        out.push_back(c);
    }
    return out;
}

// The shared edges of each shape.
struct EdgeGraph {
    std::vector<int> start;  // edges of shape s: list[start[s] .. start[s+1])
    std::vector<int> list;
};

EdgeGraph edgeGraph(int shapes, const std::vector<EdgeCost>& edges) {
    EdgeGraph g;
    g.start.assign(static_cast<std::size_t>(shapes) + 1, 0);
    for (const EdgeCost& e : edges) {
        ++g.start[static_cast<std::size_t>(e.a) + 1];
        ++g.start[static_cast<std::size_t>(e.b) + 1];
    }
    for (int s = 0; s < shapes; ++s) g.start[static_cast<std::size_t>(s) + 1] += g.start[static_cast<std::size_t>(s)];
    g.list.assign(edges.size() * 2, 0);
    std::vector<int> fill(g.start.begin(), g.start.end() - 1);
    for (std::size_t i = 0; i < edges.size(); ++i) {
        g.list[static_cast<std::size_t>(fill[static_cast<std::size_t>(edges[i].a)]++)] = static_cast<int>(i);
        g.list[static_cast<std::size_t>(fill[static_cast<std::size_t>(edges[i].b)]++)] = static_cast<int>(i);
    }
    return g;
}

int edgeCost(const EdgeCost& e, const std::vector<uint8_t>& f) {
    return e.cost[f[static_cast<std::size_t>(e.a)]][f[static_cast<std::size_t>(e.b)]];
}

// What turning shape s would change in the conflicts (negative: fewer).
int turnDelta(int s, const EdgeGraph& g, const std::vector<EdgeCost>& edges, const std::vector<uint8_t>& f) {
    int delta = 0;
    for (int k = g.start[static_cast<std::size_t>(s)]; k < g.start[static_cast<std::size_t>(s) + 1]; ++k) {
        const EdgeCost& e = edges[static_cast<std::size_t>(g.list[static_cast<std::size_t>(k)])];
        int fa = f[static_cast<std::size_t>(e.a)], fb = f[static_cast<std::size_t>(e.b)];
        const int now = e.cost[fa][fb];
        if (e.a == s) fa ^= 1;
        else fb ^= 1;
        delta += e.cost[fa][fb] - now;
    }
    return delta;
}

// Turns single shapes while that lowers the conflicts.
void descend(const EdgeGraph& g, const std::vector<EdgeCost>& edges, std::vector<uint8_t>& f) {
    const int shapes = static_cast<int>(f.size());
    std::deque<int> work;
    std::vector<uint8_t> queued(f.size(), 1);
    for (int s = 0; s < shapes; ++s) work.push_back(s);
    while (!work.empty()) {
        const int s = work.front();
        work.pop_front();
        queued[static_cast<std::size_t>(s)] = 0;
        if (turnDelta(s, g, edges, f) >= 0) continue;
        f[static_cast<std::size_t>(s)] ^= 1;
        for (int k = g.start[static_cast<std::size_t>(s)]; k < g.start[static_cast<std::size_t>(s) + 1]; ++k) {
            const EdgeCost& e = edges[static_cast<std::size_t>(g.list[static_cast<std::size_t>(k)])];
            const int y = e.a == s ? e.b : e.a;
            if (!queued[static_cast<std::size_t>(y)]) {
                queued[static_cast<std::size_t>(y)] = 1;
                work.push_back(y);
            }
        }
    }
}

// Edge e of a shape of this kind and angle runs in this slot's direction.
struct EdgeSlots {
    int slot[2][10][4];
    explicit EdgeSlots(const CornerFrame& frame) {
        for (int kind = 0; kind < 2; ++kind) {
            for (int a = 0; a < 10; ++a) {
                for (int e = 0; e < 4; ++e) {
                    slot[kind][a][e] = directionSlot(frame.turned(kind, a, e), frame.turned(kind, a, (e + 1) & 3));
                }
            }
        }
    }
};

std::vector<uint8_t> indexTurns(const VertexSet& v) {
    const int points = v.pointCount(), shapes = v.shapeCount();
    const EdgeSlots slots(v.frame());
    // Walking an edge along one of the directions 18 + 72k degrees (even
    // slots) adds 1; the odd slots are the same directions walked backwards.
    auto step = [&](int shape, int edge) {
        const TileShape& s = v.shape(shape);
        return slots.slot[ruleKind(s.kind)][ruleAngle(s.angle)][edge] % 2 == 0 ? 1 : -1;
    };
    std::vector<int> index(static_cast<std::size_t>(points), INT_MIN);
    std::vector<int> piece(static_cast<std::size_t>(points), -1);
    std::vector<std::pair<int, int>> values;  // (piece, index) of every point
    values.reserve(static_cast<std::size_t>(points));
    std::vector<int> stack;
    int pieces = 0;
    for (int p0 = 0; p0 < points; ++p0) {
        if (piece[static_cast<std::size_t>(p0)] >= 0) continue;
        index[static_cast<std::size_t>(p0)] = 0;
        piece[static_cast<std::size_t>(p0)] = pieces;
        stack.push_back(p0);
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            values.emplace_back(pieces, index[static_cast<std::size_t>(p)]);
            const VertexPoint& vp = v.point(p);
            for (int i = 0; i < vp.count; ++i) {
                const VertexCorner& c = vp.corners[i];
                const std::array<int32_t, 4>& sp = v.shapePoints(c.shape);
                const int fwd = sp[static_cast<std::size_t>((c.corner + 1) & 3)];
                const int back = sp[static_cast<std::size_t>((c.corner + 3) & 3)];
                const int next[2] = {fwd, back};
                const int delta[2] = {step(c.shape, c.corner), -step(c.shape, (c.corner + 3) & 3)};
                for (int k = 0; k < 2; ++k) {
                    if (piece[static_cast<std::size_t>(next[k])] >= 0) continue;
                    piece[static_cast<std::size_t>(next[k])] = pieces;
                    index[static_cast<std::size_t>(next[k])] = index[static_cast<std::size_t>(p)] + delta[k];
                    stack.push_back(next[k]);
                }
            }
        }
        ++pieces;
    }

    // Per piece, the shift that puts its four most frequent consecutive values on 1..4.
    std::sort(values.begin(), values.end());
    std::vector<int> shift(static_cast<std::size_t>(pieces), 0);
    for (std::size_t lo = 0; lo < values.size();) {
        std::size_t hi = lo;
        while (hi < values.size() && values[hi].first == values[lo].first) ++hi;
        // Runs of equal values inside [lo, hi).
        std::vector<std::pair<int, int>> runs;  // (value, count)
        for (std::size_t i = lo; i < hi;) {
            std::size_t j = i;
            while (j < hi && values[j].second == values[i].second) ++j;
            runs.emplace_back(values[i].second, static_cast<int>(j - i));
            i = j;
        }
        int best = -1, bestStart = runs.front().first;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            int sum = 0;
            for (std::size_t j = i; j < runs.size() && runs[j].first <= runs[i].first + 3; ++j) sum += runs[j].second;
            if (sum > best) {
                best = sum;
                bestStart = runs[i].first;
            }
        }
        shift[static_cast<std::size_t>(values[lo].first)] = 1 - bestStart;
        lo = hi;
    }

    std::vector<uint8_t> turn(static_cast<std::size_t>(shapes), 0);
    for (int s = 0; s < shapes; ++s) {
        const std::array<int32_t, 4>& sp = v.shapePoints(s);
        const int key = ruleKind(v.shape(s).kind) == 1 ? 0 : 1;  // thick V0, thin V1
        auto at = [&](int corner) {
            const int p = sp[static_cast<std::size_t>(corner)];
            return index[static_cast<std::size_t>(p)] + shift[static_cast<std::size_t>(piece[static_cast<std::size_t>(p)])];
        };
        const int here = at(key), there = at(key + 2);
        if (here != 2 && here != 3 && (there == 2 || there == 3)) turn[static_cast<std::size_t>(s)] = 1;
    }
    return turn;
}

}  // namespace

std::vector<bool> indexOrientation(const Tiling& t) {
    if (t.shapeLast < 0) return {};
    const VertexSet v(t);
    const std::vector<uint8_t> turn = indexTurns(v);
    return std::vector<bool>(turn.begin(), turn.end());
}

OrientResult orientShapes(Tiling& t) {
    OrientResult r;
    if (t.shapeLast < 0) return r;
    const int shapes = t.shapeLast + 1;
    const VertexSet v(t);
    const std::vector<SharedEdge> shared = v.sharedEdges();
    const std::vector<EdgeCost> edges = edgeCosts(v, shared);
    const EdgeGraph g = edgeGraph(shapes, edges);

    // The vertex index first, then single turns while they lower the
    // conflicts: never more than the index leaves. (Spreading one shape's
    // choice across shared edges from a seed was tried as a second start;
    // on the quasitiler's patches it never ended below this.)
    std::vector<uint8_t> f = indexTurns(v);
    descend(g, edges, f);

    for (int s = 0; s < shapes; ++s) {
        if (!f[static_cast<std::size_t>(s)]) continue;
        t.shapes[s].angle = (ruleAngle(t.shapes[s].angle) + 5) % 10;
        ++r.turned;
    }
    // Count conflicting edges, one per pair of points.
    std::vector<std::pair<int, int>> conflicting;
    for (std::size_t i = 0; i < edges.size(); ++i) {
        if (edgeCost(edges[i], f)) conflicting.emplace_back(shared[i].p, shared[i].q);
    }
    std::sort(conflicting.begin(), conflicting.end());
    r.arrowConflicts =
        static_cast<int>(std::unique(conflicting.begin(), conflicting.end()) - conflicting.begin());
    return r;
}

}  // namespace rho
