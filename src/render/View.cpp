#include "render/View.h"

#include <cmath>

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

double boundedZoom(double current, double next) {
    return next >= kMinZoom && next <= kMaxZoom ? next : current;
}

namespace {

double zoomedIn(double zoom) { return boundedZoom(zoom, zoom * 1.2); }
double zoomedOut(double zoom) { return boundedZoom(zoom, static_cast<double>(zoom * kZoomOutFactor)); }

// View origins are kept on a grid of 1/65536 pixel. Every other change of
// the origin (scroll, zoom tool, resize, recentre) moves it by whole or half
// pixels, so it stays on the grid; a wheel step rounds to it, which is far
// below a pixel, and so a step in and a step out about the same pixel give
// back the very same origin and picture, not one a rounding error away.
double onOriginGrid(double v) {
    constexpr double kGrid = 65536.0;
    return std::nearbyint(v * kGrid) / kGrid;
}

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
    t.history.noteSelection(t);
}

}  // namespace

void zoomin1Click(Tiling& t, Shell& shell) { setZoom(t, shell, zoomedIn(t.zoom)); }
void zoomout1Click(Tiling& t, Shell& shell) { setZoom(t, shell, zoomedOut(t.zoom)); }
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

void wheelZoom(Tiling& t, Shell& shell, int notches, int px, int py) {
    if (t.captured == 1 || notches == 0) return;
    for (int n = 0; n < std::abs(notches); ++n) {
        const double zoom = notches > 0 ? zoomedIn(t.zoom) : zoomedOut(t.zoom);
        if (zoom == t.zoom) break;
        // The pointer's world point w = (p - origin) / zoom must map to p
        // again: origin' = p - w * zoom' = p + (origin - p) * (zoom' / zoom).
        const double ratio = zoom / t.zoom;
        t.viewOriginX = onOriginGrid(px + (t.viewOriginX - px) * ratio);
        t.viewOriginY = onOriginGrid(py + (t.viewOriginY - py) * ratio);
        t.zoom = zoom;
    }
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
