#include "rules/KeepRules.h"

#include <cmath>

#include "rules/Vertices.h"
#include "tiling/Tiling.h"

namespace rho {

bool shapeBreaksRules(const VertexSet& v, const TileShape& candidate) {
    Point2 at[4];
    v.frame().corners(candidate, at);
    int32_t ids[4];
    for (int j = 0; j < 4; ++j) {
        const int id = v.find(at[j]);
        // A corner where no point stands yet gets a number no point has.
        ids[j] = id >= 0 ? id : -1 - j;
        const SlotCorner corner{cornerCode(candidate.kind, j), cornerSlot(candidate.kind, candidate.angle, j)};
        const PointVerdict verdict = v.readWith(id, &corner, 1).verdict;
        if (verdict == PointVerdict::Illegal || verdict == PointVerdict::DeadEnd) return true;
    }
    for (int e = 0; e < 4; ++e) {
        const int32_t p = ids[e], q = ids[(e + 1) & 3];
        if (p < 0 || q < 0) continue;
        const VertexPoint& vp = v.point(p);
        for (int i = 0; i < vp.count; ++i) {
            const VertexCorner& c = vp.corners[i];
            const std::array<int32_t, 4>& pb = v.shapePoints(c.shape);
            for (int step : {1, 3}) {
                if (pb[static_cast<std::size_t>((c.corner + step) & 3)] != q) continue;
                const int edgeB = step == 1 ? c.corner : (c.corner + 3) & 3;
                if (arrowsDiffer(candidate.kind, ids, e, v.shape(c.shape).kind, pb.data(), edgeB)) return true;
            }
        }
    }
    return false;
}

bool attachBreaksRules(const Tiling& t, const TileShape& candidate) {
    // Two shapes that share a point have centres less than two half long
    // diagonals (38.05 each) and the 5-unit tolerance apart.
    constexpr double kReach = 2 * 38.1 + 5.0;
    VertexSet near(t, 32);
    int n = 0;
    for (int i = 0; i <= t.shapeLast; ++i) {
        const TileShape& s = t.shapes[i];
        if (std::fabs(s.x - candidate.x) < kReach && std::fabs(s.y - candidate.y) < kReach) near.addShape(n++, s);
    }
    return shapeBreaksRules(near, candidate);
}

}  // namespace rho
