#include "rules/Force.h"

#include <deque>
#include <vector>

#include "rules/KeepRules.h"
#include "rules/Vertices.h"
#include "tiling/Contour.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

// The corners (code at first slot) that every candidate placement has and
// the point does not: at most ten.
int forcedCorners(const PointReading& r, SlotCorner out[10]) {
    const StarCatalogue& cat = StarCatalogue::instance();
    int first = -1;
    for (int i = 0; i < cat.count() && first < 0; ++i) {
        const bool in = i < 64 ? (r.candidates.lo >> i) & 1 : (r.candidates.hi >> (i - 64)) & 1;
        if (in) first = i;
    }
    if (first < 0) return 0;
    int n = 0;
    const StarPlacement& p = cat.placement(first);
    for (int slot = 0; slot < 10; ++slot) {
        const int code = p.startCode[slot];
        if (code < 0 || (r.covered >> slot) & 1) continue;
        const StarMask with = r.candidates & cat.containing(slot, code);
        if (with.lo == r.candidates.lo && with.hi == r.candidates.hi) out[n++] = {code, slot};
    }
    return n;
}

}  // namespace

ForceResult forceShapes(Tiling& t) {
    ForceResult r;
    if (t.shapeLast < 0) return r;
    VertexSet v(t);
    std::deque<int> work;
    std::vector<uint8_t> queued;
    auto enqueue = [&](int id) {
        if (static_cast<std::size_t>(id) >= queued.size()) queued.resize(static_cast<std::size_t>(id) + 1, 0);
        if (queued[static_cast<std::size_t>(id)]) return;
        queued[static_cast<std::size_t>(id)] = 1;
        work.push_back(id);
    };
    for (int id = 0; id < v.pointCount(); ++id) enqueue(id);

    while (!work.empty() && !r.tableFull) {
        const int id = work.front();
        work.pop_front();
        queued[static_cast<std::size_t>(id)] = 0;
        const PointReading reading = v.read(id);
        if (reading.verdict != PointVerdict::Open) continue;
        SlotCorner forced[10];
        const int n = forcedCorners(reading, forced);
        for (int k = 0; k < n; ++k) {
            const int kind = forced[k].code / 4 == 0 ? kSmallShape : kLargeShape;
            const int corner = forced[k].code % 4;
            const int angle = ((forced[k].slot - kRuleFirstSlot[ruleKind(kind)][corner]) % 10 + 10) % 10;
            const Point2 at = v.point(id).at;
            const Point2 arm = v.frame().turned(kind, angle, corner);
            const TileShape s{at.x - arm.x, at.y - arm.y, kind, angle, 1};
            if (shapeBreaksRules(v, s)) continue;
            if (t.shapeLast + 1 >= kMaxShapes) {
                r.tableFull = true;
                break;
            }
            buildCornerRecords(t, s);
            const MergeOutcome outcome = mergeIntoContourOutcome(t);
            if (outcome == MergeOutcome::Full) {
                r.tableFull = true;
                break;
            }
            if (outcome != MergeOutcome::Merged) continue;
            t.shapes[++t.shapeLast] = s;
            v.addShape(t.shapeLast, s);
            ++r.forced;
            // Its corners' points, this one among them, are read afresh.
            for (int j = 0; j < 4; ++j) enqueue(v.shapePoints(t.shapeLast)[static_cast<std::size_t>(j)]);
            break;
        }
    }

    for (int id = 0; id < v.pointCount(); ++id) {
        if (v.read(id).verdict == PointVerdict::DeadEnd) ++r.deadEnds;
    }
    return r;
}

}  // namespace rho
