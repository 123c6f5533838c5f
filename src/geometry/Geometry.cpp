#include "geometry/Geometry.h"

#include <cmath>

namespace rho {

ShapeTemplate makeTemplate(double alpha) {
    const double s = std::sin(alpha);
    const double c = std::cos(alpha);
    const Point2 p[4] = {
        {0.0, 0.0},
        {0.0, kEdgeLength},
        {kEdgeLength * s, kEdgeLength * c + kEdgeLength},
        {kEdgeLength * s, kEdgeLength * c},
    };
    const Point2 centre{(p[0].x + p[2].x) / 2.0, (p[0].y + p[2].y) / 2.0};
    ShapeTemplate tpl;
    for (int j = 0; j < 4; ++j) tpl.corners[j] = {p[j].x - centre.x, p[j].y - centre.y};
    tpl.centre = {0.0, 0.0};
    return tpl;
}

void cornerSectorPattern(int32_t kind, int32_t angle, int corner, uint8_t out[kSectors]) {
    // Offsets of the sectors each corner covers, relative to the shape's angle.
    struct Run {
        int first;
        int count;
    };
    static constexpr Run kSmallRuns[4] = {{9, 1}, {5, 4}, {4, 1}, {0, 4}};
    static constexpr Run kLargeRuns[4] = {{8, 2}, {5, 3}, {3, 2}, {0, 3}};
    for (int k = 0; k < kSectors; ++k) out[k] = 0;
    if (corner < 0 || corner > 3) return;
    const Run run = (kind == 0 ? kSmallRuns : kLargeRuns)[corner];
    // Reduce the angle so that a value outside 0..9 still yields a valid index.
    const int base = ((angle % kSectors) + kSectors) % kSectors;
    for (int m = 0; m < run.count; ++m) out[(base + run.first + m) % kSectors] = 1;
}

bool nearWithin10(double ax, double ay, double bx, double by) {
    return std::fabs(ax - bx) < 10.0 && std::fabs(ay - by) < 10.0;
}

bool nearWithin5(double ax, double ay, double bx, double by) {
    return std::fabs(ax - bx) < 5.0 && std::fabs(ay - by) < 5.0;
}

bool pointInBox(int32_t px, int32_t py, int32_t left, int32_t top, int32_t width, int32_t height) {
    return left < px && px < left + width && top < py && py < top + height;
}

}  // namespace rho
