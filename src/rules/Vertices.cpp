#include "rules/Vertices.h"

#include <algorithm>
#include <cmath>

#include "geometry/Geometry.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {
constexpr double kCellSize = 16.0;
// A point near within 5 of a corner lies in a cell that the corner's box,
// widened a little for rounding, overlaps.
constexpr double kReach = 5.5;
constexpr int32_t kCellLimit = 1 << 28;
}  // namespace

VertexSet::VertexSet(const Tiling& t, int expectedShapes) : frame_(t) {
    const std::size_t shapes = static_cast<std::size_t>(std::max(expectedShapes, 1));
    points_.reserve(shapes * 2);
    cells_.reserve(shapes * 2);
    shapePoints_.reserve(shapes);
    shapes_.reserve(shapes);
    std::size_t buckets = 64;
    while (buckets < 4 * shapes) buckets *= 2;
    heads_.assign(buckets, -1);
    mask_ = buckets - 1;
}

VertexSet::VertexSet(const Tiling& t) : VertexSet(t, t.shapeLast + 1) {
    for (int i = 0; i <= t.shapeLast; ++i) addShape(i, t.shapes[i]);
}

int32_t VertexSet::cellOf(double c) {
    const double q = c * (1.0 / kCellSize);
    if (!(q == q)) return 0;
    if (q >= kCellLimit) return kCellLimit;
    if (q <= -kCellLimit) return -kCellLimit;
    return static_cast<int32_t>(std::floor(q));
}

std::size_t VertexSet::bucketOf(int32_t cx, int32_t cy) const {
    const uint32_t h = static_cast<uint32_t>(cx) * 73856093u ^ static_cast<uint32_t>(cy) * 19349663u;
    return static_cast<std::size_t>(h) & mask_;
}

void VertexSet::rehash(std::size_t buckets) {
    heads_.assign(buckets, -1);
    mask_ = buckets - 1;
    for (std::size_t id = 0; id < cells_.size(); ++id) {
        const std::size_t b = bucketOf(cells_[id].cx, cells_[id].cy);
        cells_[id].next = heads_[b];
        heads_[b] = static_cast<int32_t>(id);
    }
}

int VertexSet::find(Point2 p) const {
    const int32_t x0 = cellOf(p.x - kReach), x1 = cellOf(p.x + kReach);
    const int32_t y0 = cellOf(p.y - kReach), y1 = cellOf(p.y + kReach);
    int best = -1;
    for (int32_t cy = y0; cy <= y1; ++cy) {
        for (int32_t cx = x0; cx <= x1; ++cx) {
            for (int32_t id = heads_[bucketOf(cx, cy)]; id != -1; id = cells_[static_cast<std::size_t>(id)].next) {
                const Cell& c = cells_[static_cast<std::size_t>(id)];
                if (c.cx != cx || c.cy != cy) continue;
                const Point2 at = points_[static_cast<std::size_t>(id)].at;
                if (nearWithin5(at.x, at.y, p.x, p.y) && (best < 0 || id < best)) best = id;
            }
        }
    }
    return best;
}

int VertexSet::addPoint(Point2 p) {
    if (points_.size() * 2 > heads_.size()) rehash(heads_.size() * 2);
    const int id = static_cast<int>(points_.size());
    VertexPoint v;
    v.at = p;
    points_.push_back(v);
    Cell c{cellOf(p.x), cellOf(p.y), -1};
    const std::size_t b = bucketOf(c.cx, c.cy);
    c.next = heads_[b];
    heads_[b] = id;
    cells_.push_back(c);
    return id;
}

void VertexSet::addShape(int index, const TileShape& s) {
    if (index != shapeCount()) return;  // shapes come in table order
    Point2 at[4];
    frame_.corners(s, at);
    std::array<int32_t, 4> ids{};
    for (int j = 0; j < 4; ++j) {
        int id = find(at[j]);
        if (id < 0) id = addPoint(at[j]);
        ids[static_cast<std::size_t>(j)] = id;
        VertexPoint& v = points_[static_cast<std::size_t>(id)];
        if (v.count == VertexPoint::kMaxCorners) {
            ++v.dropped;
            continue;
        }
        VertexCorner& c = v.corners[v.count++];
        c.shape = index;
        c.corner = static_cast<int8_t>(j);
        c.slot = static_cast<int8_t>(cornerSlot(s.kind, s.angle, j));
        c.code = static_cast<int8_t>(cornerCode(s.kind, j));
        c.width = static_cast<int8_t>(kRuleCornerWidth[ruleKind(s.kind)][j]);
    }
    shapePoints_.push_back(ids);
    shapes_.push_back(s);
}

PointReading VertexSet::read(int id) const { return readWith(id, nullptr, 0); }

PointReading VertexSet::readWith(int id, const SlotCorner* extra, int extraCount) const {
    SlotCorner all[VertexPoint::kMaxCorners + 4];
    int n = 0;
    bool overfull = false;
    if (id >= 0) {
        const VertexPoint& v = point(id);
        for (int i = 0; i < v.count; ++i) all[n++] = {v.corners[i].code, v.corners[i].slot};
        overfull = v.dropped > 0;
    }
    for (int i = 0; i < extraCount && n < VertexPoint::kMaxCorners + 4; ++i) all[n++] = extra[i];
    PointReading r = readPoint(all, n);
    if (overfull && !r.overlap) {
        // More than ten corners always cover some slot twice.
        r.overlap = true;
        r.candidates = StarMask{};
        r.verdict = r.covered == 0x3ff ? PointVerdict::Illegal : PointVerdict::DeadEnd;
    }
    return r;
}

void VertexSet::sharedEdgesOf(int shape, std::vector<SharedEdge>& out) const {
    const std::array<int32_t, 4>& pa = shapePoints(shape);
    for (int e = 0; e < 4; ++e) {
        const int32_t p = pa[static_cast<std::size_t>(e)], q = pa[static_cast<std::size_t>((e + 1) & 3)];
        if (p == q) continue;
        const VertexPoint& v = point(p);
        for (int i = 0; i < v.count; ++i) {
            const VertexCorner& c = v.corners[i];
            if (c.shape == shape) continue;
            const std::array<int32_t, 4>& pb = shapePoints(c.shape);
            // The other shape's edges at p: forward from its corner, or back into it.
            for (int step : {1, 3}) {
                if (pb[static_cast<std::size_t>((c.corner + step) & 3)] != q) continue;
                const int edgeB = step == 1 ? c.corner : (c.corner + 3) & 3;
                SharedEdge s;
                s.shapeA = shape;
                s.edgeA = static_cast<int8_t>(e);
                s.shapeB = c.shape;
                s.edgeB = static_cast<int8_t>(edgeB);
                s.p = std::min(p, q);
                s.q = std::max(p, q);
                out.push_back(s);
            }
        }
    }
}

std::vector<SharedEdge> VertexSet::sharedEdges() const {
    std::vector<SharedEdge> out;
    out.reserve(shapes_.size() * 2);
    std::vector<SharedEdge> one;
    for (int s = 0; s < shapeCount(); ++s) {
        one.clear();
        sharedEdgesOf(s, one);
        // Each pair is met from both shapes; keep it from the lower index.
        for (const SharedEdge& e : one) {
            if (e.shapeB > s) out.push_back(e);
        }
    }
    return out;
}

bool arrowsDiffer(int32_t kindA, const int32_t ptsA[4], int edgeA, int32_t kindB, const int32_t ptsB[4], int edgeB) {
    const EdgeArrow a = edgeArrow(kindA, edgeA), b = edgeArrow(kindB, edgeB);
    return a.isDouble != b.isDouble || ptsA[a.head] != ptsB[b.head];
}

bool arrowsConflict(const VertexSet& v, const SharedEdge& e) {
    return arrowsDiffer(v.shape(e.shapeA).kind, v.shapePoints(e.shapeA).data(), e.edgeA, v.shape(e.shapeB).kind,
                        v.shapePoints(e.shapeB).data(), e.edgeB);
}

}  // namespace rho
