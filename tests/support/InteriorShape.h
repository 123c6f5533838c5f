#pragma once
// Finding shapes of a patch for tests of the rules: a thin shape deep
// inside, and the shapes around a shape.

#include <cmath>
#include <vector>

#include "geometry/Geometry.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho::test {

// The thin shape nearest the origin whose four corners are all full points
// (no contour point near any of them); -1 when there is none.
inline int interiorThin(Tiling& t) {
    int best = -1;
    for (int i = 0; i <= t.shapeLast; ++i) {
        if (t.shapes[i].kind != kSmallShape) continue;
        computeCorners(t, t.shapes[i]);
        bool inside = true;
        for (int j = 0; j < 4 && inside; ++j)
            for (int c = 0; c <= t.contourLast && inside; ++c)
                inside = !nearWithin5(t.contour[c].x, t.contour[c].y, t.cornerBuffer[j].x, t.cornerBuffer[j].y);
        const auto r = [&](int k) { return std::hypot(t.shapes[k].x, t.shapes[k].y); };
        if (inside && (best < 0 || r(i) < r(best))) best = i;
    }
    return best;
}

// Every shape with a corner on one of shape i's corners, i included, in
// table order.
inline std::vector<int> shapesTouching(Tiling& t, int i) {
    computeCorners(t, t.shapes[i]);
    const std::vector<Point2> mine(t.cornerBuffer, t.cornerBuffer + 4);
    std::vector<int> out;
    for (int k = 0; k <= t.shapeLast; ++k) {
        computeCorners(t, t.shapes[k]);
        bool meets = false;
        for (const Point2& p : mine)
            for (const Point2& q : t.cornerBuffer) meets = meets || nearWithin5(p.x, p.y, q.x, q.y);
        if (meets) out.push_back(k);
    }
    return out;
}

}  // namespace rho::test
