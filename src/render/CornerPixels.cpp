#include "render/CornerPixels.h"

#include <cmath>

#include "geometry/Geometry.h"
#include "geometry/MatrixStack.h"
#include "render/View.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho {

void cornerPixelsByStack(const Tiling& t, const TileShape& s, PixelPoint out[5]) {
    const ShapeTemplate& tpl = templateFor(t, s.kind);
    MatrixStack& ms = matrixStack();
    ms.pushMatrix();
    ms.translate(s.x, s.y, 0.0);
    ms.rotateZ(s.angle * 36.0);
    for (int k = 0; k < 4; ++k) {
        const Pixel p = worldToPixel(tpl.corners[k].x, tpl.corners[k].y);
        out[k] = {p.x, p.y};
    }
    out[4] = out[0];
    ms.popMatrix();
}

CornerPixels::CornerPixels(const Tiling& t) : tiling_(t) {
    const auto& m = matrixStack().current().m;
    // Only a view that scales and moves: zeros off the diagonal, the last
    // two rows those of the identity, finite entries.
    fast_ = m[0][1] == 0.0 && m[0][2] == 0.0 && m[1][0] == 0.0 && m[1][2] == 0.0 && m[2][0] == 0.0 &&
            m[2][1] == 0.0 && m[2][2] == 1.0 && m[2][3] == 0.0 && m[3][0] == 0.0 && m[3][1] == 0.0 &&
            m[3][2] == 0.0 && m[3][3] == 1.0 && std::isfinite(m[0][0]) && std::isfinite(m[1][1]) &&
            std::isfinite(m[0][3]) && std::isfinite(m[1][3]);
    if (!fast_) return;
    scaleX_ = m[0][0];
    scaleY_ = m[1][1];
    originX_ = m[0][3];
    originY_ = m[1][3];
    for (int angle = 0; angle < 10; ++angle) {
        // The rotation factor exactly as rotateZ builds it.
        const Matrix4 r = rotationMatrix(angle * 36.0);
        // The view times the rotation, rounded as the matrix product rounds
        // it (the other terms of each sum are exact zeros).
        const double a = static_cast<double>(scaleX_ * r.m[0][0]);
        const double b = static_cast<double>(scaleX_ * r.m[0][1]);
        const double c = static_cast<double>(scaleY_ * r.m[1][0]);
        const double d = static_cast<double>(scaleY_ * r.m[1][1]);
        for (int kind = 0; kind < 2; ++kind) {
            const ShapeTemplate& tpl = templateFor(t, kind);
            for (int k = 0; k < 4; ++k) {
                const double x = tpl.corners[k].x;
                const double y = tpl.corners[k].y;
                long double sx = static_cast<long double>(a) * x;
                sx += static_cast<long double>(b) * y;
                long double sy = static_cast<long double>(c) * x;
                sy += static_cast<long double>(d) * y;
                termX_[kind][angle][k] = sx;
                termY_[kind][angle][k] = sy;
            }
        }
    }
}

void CornerPixels::corners(const TileShape& s, PixelPoint out[5]) const {
    if (!fast_ || s.angle < 0 || s.angle > 9 || !std::isfinite(s.x) || !std::isfinite(s.y)) {
        cornerPixelsByStack(tiling_, s, out);
        return;
    }
    // translate(x, y) on the view: the translation column, rounded once.
    const double tx = static_cast<double>(scaleX_ * s.x + originX_);
    const double ty = static_cast<double>(scaleY_ * s.y + originY_);
    const int kind = s.kind == kSmallShape ? 0 : 1;
    for (int k = 0; k < 4; ++k) {
        const double X = static_cast<double>(termX_[kind][s.angle][k] + static_cast<long double>(tx));
        const double Y = static_cast<double>(termY_[kind][s.angle][k] + static_cast<long double>(ty));
        out[k] = {toPixel(X), toPixel(Y)};
    }
    out[4] = out[0];
}

}  // namespace rho
