#pragma once
// Tilings for the matching-rule tests: stars built corner by corner from the
// reading's own corner table, patches grown by deflation, and the
// quasitiler's patch as its command leaves it.

#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "generate/Quasitiler.h"
#include "rules/RuleFacts.h"  // CornerFrame: corners bit for bit as the contour places them
#include "support/PatchRules.h"
#include "tiling/Contour.h"
#include "tiling/Ordering.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho::test {

// The shape whose corner `code` has its first slot at `slot` and stands on the point p.
inline TileShape shapeWithCorner(const Tiling& t, int code, int slot, Point2 p) {
    const int kind = code / 4 == 0 ? kSmallShape : kLargeShape, corner = code % 4;
    const int angle = ((slot - kCornerFirstSlot[code]) % 10 + 10) % 10;
    const Point2 arm = CornerFrame(t).turned(kind, angle, corner);
    return {p.x - arm.x, p.y - arm.y, kind, angle, 1};
}

// The corners `codes`, side by side from slot `rotation` on, around p.
inline std::vector<TileShape> starAround(const Tiling& t, const std::vector<int>& codes, int rotation,
                                         Point2 p = {0, 0}) {
    std::vector<TileShape> out;
    int slot = rotation;
    for (int code : codes) {
        out.push_back(shapeWithCorner(t, code, slot % 10, p));
        slot += kCornerWidth[code];
    }
    return out;
}

// One deflation by the golden ratio: each parent cut into its children,
// coordinates scaled by phi; the children that lie across an edge are kept
// once per centre.
inline std::vector<TileShape> deflateOnce(const std::vector<TileShape>& parents) {
    const double phi = (1.0 + std::sqrt(5.0)) / 2.0, s36 = 20 * std::sin(0.6283185307179586),
                 s72 = 20 * std::sin(1.2566370614359172);
    struct Child { int kind, turn; double ox, oy; };
    const std::vector<Child> thick = {{1, 5, -s36, -10 * phi},     {1, 4, 0, 20 * phi}, {1, 6, s36 + s72, 10},
                                      {0, 1, s72, -10 * phi * phi}, {0, 3, -s36 - s72, 10}};
    const std::vector<Child> thin = {{1, 1, s72, 10 * phi * phi}, {1, 5, 0, -20 * phi}, {0, 3, -s72, -10 / phi},
                                     {0, 7, -s36, 10 * phi}};
    std::vector<TileShape> out;
    std::map<std::pair<long long, long long>, int> seen;
    for (const TileShape& p : parents) {
        const double a = p.angle * 0.6283185307179586, c = std::cos(a), s = std::sin(a);
        for (const Child& ch : p.kind == kSmallShape ? thin : thick) {
            const TileShape k{phi * p.x + c * ch.ox - s * ch.oy, phi * p.y + s * ch.ox + c * ch.oy, ch.kind,
                              (p.angle + ch.turn) % 10, 1};
            if (seen.emplace(std::make_pair(std::llround(k.x * 100), std::llround(k.y * 100)), 1).second) out.push_back(k);
        }
    }
    return out;
}

inline std::vector<TileShape> deflate(std::vector<TileShape> shapes, int times) {
    for (int i = 0; i < times; ++i) shapes = deflateOnce(shapes);
    return shapes;
}

// Puts the shapes into the table and rebuilds the contour; false when a shape was refused.
inline bool loadShapes(Tiling& t, const std::vector<TileShape>& shapes) {
    t.shapeLast = static_cast<int>(shapes.size()) - 1;
    for (std::size_t i = 0; i < shapes.size(); ++i) t.shapes[i] = shapes[i];
    RebuildObserver quiet;
    return rebuildContour(t, quiet);
}

// The quasitiler's patch of radius n, ordered into rows, with its contour.
inline bool quasitilerPatch(Tiling& t, int n) {
    generateQuasiTiling(t, n);
    sortIntoRows(t);
    RebuildObserver quiet;
    return rebuildContour(t, quiet);
}

}  // namespace rho::test
