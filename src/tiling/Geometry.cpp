#include "tiling/Geometry.h"

#include <cmath>

#include "render/MatrixStack.h"
#include "tiling/Tiling.h"

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

void buildTemplates(Tiling& t) {
    t.smallTemplate = makeTemplate(kSmallAngleRad);
    t.largeTemplate = makeTemplate(kLargeAngleRad);
}

const ShapeTemplate& templateFor(const Tiling& t, int32_t kind) {
    return kind == kSmallShape ? t.smallTemplate : t.largeTemplate;
}

void computeCorners(Tiling& t, const TileShape& s) {
    const ShapeTemplate& tpl = templateFor(t, s.kind);
    MatrixStack& ms = matrixStack();
    ms.pushMatrix();
    ms.loadIdentity();
    ms.translate(s.x, s.y, 0.0);
    ms.rotateZ(s.angle * 36.0);
    for (int j = 0; j < 4; ++j) {
        ms.transformPoint(tpl.corners[j].x, tpl.corners[j].y, t.cornerBuffer[j].x, t.cornerBuffer[j].y);
    }
    t.cornerBufferCentre = {s.x, s.y};
    ms.popMatrix();
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
    const Run run = (kind == kSmallShape ? kSmallRuns : kLargeRuns)[corner];
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

int pickShape(const Tiling& t, int32_t windowX, int32_t windowY) {
    const MatrixStack& ms = matrixStack();
    int found = -1;
    for (int i = 0; i <= t.shapeLast; ++i) {
        double wx = 0.0;
        double wy = 0.0;
        ms.transformPoint(t.shapes[i].x, t.shapes[i].y, wx, wy);
        if (nearWithin10(wx, wy, windowX, windowY)) found = i;
    }
    return found;
}

}  // namespace rho
