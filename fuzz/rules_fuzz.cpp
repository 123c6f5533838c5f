// libFuzzer entry for the matching rules: the bytes build a shape table by
// attaching shapes corner to contour point (with a little jitter now and
// then, so points come close without meeting), then the table is checked and
// forced. Forcing must end, place only shapes the contour takes, and leave a
// contour that a fresh rebuild gives again without refusing a shape.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "rules/Check.h"
#include "rules/Force.h"
#include "rules/RuleFacts.h"
#include "tiling/Contour.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace {

using namespace rho;

void require(bool ok) {
    if (!ok) __builtin_trap();
}

Tiling& fresh(std::unique_ptr<Tiling>& slot) {
    if (!slot) {
        slot = std::make_unique<Tiling>();
        buildTemplates(*slot);
    }
    slot->shapeLast = -1;
    slot->contourLast = -1;
    return *slot;
}

void build(Tiling& t, const uint8_t* data, size_t size) {
    const CornerFrame frame(t);
    constexpr int kMaxBuilt = 400;
    for (size_t i = 0; i + 4 <= size && t.shapeLast + 1 < kMaxBuilt; i += 4) {
        const int kind = data[i] & 1, angle = (data[i] >> 1) % 10, corner = (data[i] >> 5) & 3;
        TileShape s{0.0, 0.0, kind, angle, 1};
        if (t.shapeLast >= 0) {
            const ContourVertex& p = t.contour[data[i + 1] % (t.contourLast + 1)];
            const Point2 arm = frame.turned(kind, angle, corner);
            s.x = p.x - arm.x;
            s.y = p.y - arm.y;
            // One shape in eight is nudged by up to 7 units each way.
            if ((data[i + 2] & 7) == 0) {
                s.x += (static_cast<int>(data[i + 3] & 15) - 7);
                s.y += (static_cast<int>(data[i + 3] >> 4) - 7);
            }
        }
        buildCornerRecords(t, s);
        if (t.shapeLast < 0) {
            for (int j = 0; j < 4; ++j) t.contour[j] = t.cornerScratch[j];
            t.contourLast = 3;
        } else if (mergeIntoContour(t) == 0) {
            continue;
        }
        t.shapes[++t.shapeLast] = s;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static std::unique_ptr<Tiling> live, rebuilt;
    Tiling& t = fresh(live);
    build(t, data, size);

    const RuleReport r = checkRules(t);
    require(r.arrowConflicts == static_cast<int>(r.conflictPlaces.size()));
    require(r.illegalVertices == static_cast<int>(r.illegalPlaces.size()));
    require(r.deadEnds == static_cast<int>(r.deadEndPlaces.size()));
    require(std::is_sorted(r.offendingShapes.begin(), r.offendingShapes.end()));
    require(std::adjacent_find(r.offendingShapes.begin(), r.offendingShapes.end()) == r.offendingShapes.end());
    require(r.offendingShapes.empty() || (r.offendingShapes.front() >= 0 && r.offendingShapes.back() <= t.shapeLast));

    const int before = t.shapeLast;
    const ForceResult f = forceShapes(t);
    require(f.forced == t.shapeLast - before && t.shapeLast < kMaxShapes);
    for (int i = before + 1; i <= t.shapeLast; ++i) require(t.shapes[i].color == 1);

    // The same table rebuilt from scratch: nothing refused, the same contour.
    Tiling& u = fresh(rebuilt);
    u.shapeLast = t.shapeLast;
    std::copy(t.shapes, t.shapes + (t.shapeLast + 1), u.shapes);
    RebuildObserver quiet;
    require(rebuildContour(u, quiet));
    require(u.contourLast == t.contourLast);
    for (int i = 0; i <= t.contourLast; ++i) {
        require(std::memcmp(u.contour[i].sectors, t.contour[i].sectors, kSectorBytes) == 0);
        require(u.contour[i].x == t.contour[i].x && u.contour[i].y == t.contour[i].y);
    }
    return 0;
}
