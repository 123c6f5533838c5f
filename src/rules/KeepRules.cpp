#include "rules/KeepRules.h"

#include <cmath>

#include "rules/Vertices.h"
#include "tiling/Tiling.h"

namespace rho {

bool shapeBreaksRules(const VertexSet& v, const TileShape& candidate) {
    // Every star carries agreeing arrows on the edges between its corners,
    // so a common edge whose arrows disagree leaves both its end points in
    // no star: reading the four points also covers the four edges.
    Point2 at[4];
    v.frame().corners(candidate, at);
    for (int j = 0; j < 4; ++j) {
        const int id = v.find(at[j]);
        const SlotCorner corner{cornerCode(candidate.kind, j), cornerSlot(candidate.kind, candidate.angle, j)};
        const PointVerdict verdict = v.readWith(id, &corner, 1).verdict;
        if (verdict == PointVerdict::Illegal || verdict == PointVerdict::DeadEnd) return true;
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
