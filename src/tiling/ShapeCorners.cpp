#include "tiling/ShapeCorners.h"

#include "geometry/Geometry.h"
#include "geometry/MatrixStack.h"
#include "tiling/Tiling.h"

namespace rho {

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
