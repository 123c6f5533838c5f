#include "render/View.h"

#include "geometry/Geometry.h"
#include "geometry/MatrixStack.h"
#include "render/Renderer.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

void applyView(const Tiling& t) {
    MatrixStack& ms = matrixStack();
    ms.loadIdentity();
    ms.translate(t.viewOriginX, t.viewOriginY, 0.0);
    ms.scale(t.zoom, t.zoom, 1.0);
}

Point2 windowToWorld(const Tiling& t, int mx, int my) {
    MatrixStack& ms = matrixStack();
    ms.pushMatrix();
    ms.loadIdentity();
    ms.scale(1.0 / t.zoom, 1.0 / t.zoom, 1.0);
    ms.translate(-t.viewOriginX, -t.viewOriginY, 0.0);
    Point2 w;
    ms.transformPoint(mx, my, w.x, w.y);
    ms.popMatrix();
    return w;
}

int toPixel(double v) {
    // Truncation toward zero; values beyond any surface are held at a bound
    // far outside it, so the conversion never overflows an int.
    constexpr int kBound = static_cast<int>(kPixelLimit);
    if (!(v > -kPixelLimit)) return v != v ? 0 : -kBound;
    if (v > kPixelLimit) return kBound;
    return static_cast<int>(v);
}

Pixel worldToPixel(double x, double y) {
    double wx = 0.0;
    double wy = 0.0;
    matrixStack().transformPoint(x, y, wx, wy);
    return {toPixel(wx), toPixel(wy)};
}

namespace {

void setZoom(Tiling& t, Shell& shell, double zoom) {
    t.zoom = zoom;
    applyView(t);
    redrawView(t, shell);
}

// Selects every unselected shape that has a corner pixel in [left, right) x [top, bottom).
void selectCornersInside(Tiling& t, int left, int top, int right, int bottom) {
    MatrixStack& ms = matrixStack();
    for (int i = 0; i <= t.shapeLast; ++i) {
        TileShape& s = t.shapes[i];
        const ShapeTemplate& tpl = templateFor(t, s.kind);
        ms.pushMatrix();
        ms.translate(s.x, s.y, 0.0);
        ms.rotateZ(s.angle * 36.0);
        for (int k = 0; k < 4; ++k) {
            const Pixel p = worldToPixel(tpl.corners[k].x, tpl.corners[k].y);
            if (left <= p.x && p.x < right && top <= p.y && p.y < bottom && s.color > 0) s.color = -s.color;
        }
        ms.popMatrix();
    }
}

}  // namespace

void zoomin1Click(Tiling& t, Shell& shell) { setZoom(t, shell, t.zoom * 1.2); }
void zoomout1Click(Tiling& t, Shell& shell) {
    setZoom(t, shell, static_cast<double>(t.zoom * kZoomOutFactor));
}
void zoomto111Click(Tiling& t, Shell& shell) { setZoom(t, shell, 1.0); }
void N411Click(Tiling& t, Shell& shell) { setZoom(t, shell, 4.0); }
void N311Click(Tiling& t, Shell& shell) { setZoom(t, shell, 3.0); }
void N211Click(Tiling& t, Shell& shell) { setZoom(t, shell, 2.0); }
void N111Click(Tiling& t, Shell& shell) { setZoom(t, shell, 1.0); }
void N121Click(Tiling& t, Shell& shell) { setZoom(t, shell, 0.5); }
void N131Click(Tiling& t, Shell& shell) { setZoom(t, shell, 0.3333333333333333); }
void N141Click(Tiling& t, Shell& shell) { setZoom(t, shell, 0.25); }

void recentre1Click(Tiling& t, Shell& shell) {
    t.viewOriginX = t.halfWidth;
    t.viewOriginY = t.halfHeight;
    applyView(t);
    redrawView(t, shell);
}

void redraw1Click(Tiling& t, Shell& shell) { redrawView(t, shell); }

void FormResize(Tiling& t, Shell& shell) {
    t.viewOriginX -= t.halfWidth;
    t.viewOriginY -= t.halfHeight;
    t.halfWidth = shell.clientWidth() * 0.5;
    t.halfHeight = shell.clientHeight() * 0.5;
    t.viewOriginX += t.halfWidth;
    t.viewOriginY += t.halfHeight;
    applyView(t);
    redrawView(t, shell);
}

void FormPaint(Tiling& t, Shell& shell) { redrawView(t, shell); }

void visibleshapes1Click(Tiling& t, Shell& shell) {
    selectCornersInside(t, 0, 0, shell.clientWidth(), shell.clientHeight());
    redrawView(t, shell);
}

void insideboundingbox1Click(Tiling& t, Shell& shell) {
    const Pixel topLeft = worldToPixel(t.box.x, t.box.y);
    const Pixel bottomRight = worldToPixel(t.box.x + t.box.w, t.box.y + t.box.h);
    selectCornersInside(t, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    redrawView(t, shell);
}

}  // namespace rho
