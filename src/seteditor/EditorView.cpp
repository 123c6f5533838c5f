#include "seteditor/EditorView.h"

#include <cmath>

#include "geometry/MatrixStack.h"
#include "render/PixelClip.h"
#include "render/Surface.h"
#include "seteditor/SetEditor.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

const char* const kGridKindHints[5] = {"orthogonal grid", "grid from right", "grid from left", "grid from up",
                                       "grif from down"};
const char* const kGridKindItems[5] = {"orthogonal", "left", "right", "up", "down"};

namespace {

int areaWidth(const SetEditor& e) { return e.shell.clientWidth(); }
int areaHeight(const SetEditor& e) { return e.shell.clientHeight(); }

void loadViewTransform(const SetEditor& e) {
    MatrixStack& m = matrixStack();
    m.loadIdentity();
    m.translate(areaWidth(e) * 0.5, areaHeight(e) * 0.5, 0);
    m.scale(e.viewScale, e.viewScale, 1);
    m.rotateZ(90);
}

PixelPoint truncated(Point2 p) { return {static_cast<int>(p.x), static_cast<int>(p.y)}; }

const ShapeTemplate& shownTemplate(const SetEditor& e) {
    return e.editLarge ? e.t.largeTemplate : e.t.smallTemplate;
}

// Three pixels in the shadow colour above and left, three in the highlight
// colour below and right, the centre left alone: a dot pressed into the face.
void drawGridDot(Surface& s, PixelPoint p, Color shadow, Color highlight) {
    s.setPixel(p.x - 1, p.y, shadow);
    s.setPixel(p.x, p.y - 1, shadow);
    s.setPixel(p.x - 1, p.y - 1, shadow);
    s.setPixel(p.x + 1, p.y, highlight);
    s.setPixel(p.x + 1, p.y + 1, highlight);
    s.setPixel(p.x, p.y + 1, highlight);
}

void drawObjects(SetEditor& e, Surface& s) {
    const SetDrawing& d = e.workingDrawing;
    MatrixStack& m = matrixStack();
    m.pushMatrix();
    loadViewTransform(e);
    s.setStrokeMode(StrokeMode::Copy);
    s.setStrokeColor(0x000000);
    for (int k = 0; k < d.count; ++k) {
        const SetObject& o = d.objects[k];
        Point2 pts[kSetObjectPoints];
        const int n = o.objectKind == 0 ? 2 : o.lastPoint + 1;
        for (int p = 0; p < n; ++p) m.transformPoint(o.points[p].x, o.points[p].y, pts[p].x, pts[p].y);
        // A point may lie any distance away: lines and polygons are cut to
        // the pixel range before their points become ints.
        s.setStrokeColor(o.lineColor);
        if (o.objectKind == 2) {
            s.setBrushColor(o.fillColor);
            const std::vector<PixelPoint> polygon = clippedPolygonPixels(pts, n);
            if (!polygon.empty()) s.polygon(polygon.data(), static_cast<int>(polygon.size()));
        } else {
            strokeClippedPolyline(s, pts, n);
        }
    }
    m.popMatrix();
}

void setGridUnit(SetEditor& e, double unit) {
    e.gridUnit = unit;
    FormPaint(e);
}

void setGridKind(SetEditor& e, int kind) {
    e.gridKind = kind;
    for (int k = 0; k < 5; ++k) {
        e.shell.setMenuChecked(kGridKindItems[k], k == kind);
        e.shell.setButtonDown(kGridKindHints[k], k == kind);
    }
    FormPaint(e);
}

}  // namespace

Point2 modelToPixel(const SetEditor& e, Point2 model) {
    MatrixStack& m = matrixStack();
    m.pushMatrix();
    loadViewTransform(e);
    Point2 out;
    m.transformPoint(model.x, model.y, out.x, out.y);
    m.popMatrix();
    return out;
}

Point2 pixelToModel(const SetEditor& e, Point2 pixel) {
    MatrixStack& m = matrixStack();
    m.pushMatrix();
    m.loadIdentity();
    m.rotateZ(-90);
    m.scale(1 / e.viewScale, 1 / e.viewScale, 1);
    m.translate(-areaWidth(e) / 2.0, -areaHeight(e) / 2.0, 0);
    Point2 out;
    m.transformPoint(pixel.x, pixel.y, out.x, out.y);
    m.popMatrix();
    return out;
}

void updateScreenOutline(SetEditor& e) {
    const ShapeTemplate& tpl = shownTemplate(e);
    for (int k = 0; k < 4; ++k) e.screenOutline[k] = modelToPixel(e, tpl.corners[k]);
}

std::vector<Point2> gridLattice(const SetEditor& e) {
    const Point2* s = e.screenOutline;
    const double u = e.gridUnit;
    const double a = (s[0].x - s[1].x) / u;
    const double b = (s[2].y - s[0].y) / u;
    const double c = s[3].x - s[0].x;
    const int first = static_cast<int>(-2 * u);
    const int last = static_cast<int>(std::floor(2 * u));

    MatrixStack& m = matrixStack();
    m.pushMatrix();
    m.loadIdentity();
    m.translate(areaWidth(e) / 2.0, areaHeight(e) / 2.0, 0);
    const double turn = e.editLarge ? -72.0 : -36.0;
    switch (e.gridKind) {
        case 1: m.rotateZ(turn); m.translate(c / 2, 0, 0); break;
        case 2: m.rotateZ(turn); m.translate(c / -2, 0, 0); break;
        case 3: m.translate(c / -2, 0, 0); break;
        case 4: m.translate(c / 2, 0, 0); break;
        default: break;
    }
    m.scale(a, b, 1);
    std::vector<Point2> points;
    points.reserve(static_cast<std::size_t>((last - first + 1) * (last - first + 1)));
    for (int i = first; i <= last; ++i) {
        for (int j = first; j <= last; ++j) {
            Point2 p;
            m.transformPoint(i, j, p.x, p.y);
            if (e.gridKind == 0) p.x += j * c / u;
            points.push_back(p);
        }
    }
    m.popMatrix();
    return points;
}

void FormResize(SetEditor& e) {
    e.viewScale = areaWidth(e) * 0.0125;
    const double byHeight = areaHeight(e) * 0.014285714285714285;
    if (byHeight < e.viewScale) e.viewScale = byHeight;
    FormPaint(e);
}

void FormPaint(SetEditor& e) {
    Surface& s = e.shell.viewSurface();
    const int w = areaWidth(e);
    const int h = areaHeight(e);
    s.setStrokeMode(StrokeMode::Copy);
    s.setStrokeColor(e.t.palette[2]);
    s.setBrushColor(e.t.palette[2]);
    s.rectangle(-1, -1, w + 2, h + 2);

    updateScreenOutline(e);
    PixelPoint face[5];
    for (int k = 0; k < 4; ++k) face[k] = truncated(e.screenOutline[k]);
    face[4] = face[0];
    s.setStrokeColor(e.t.palette[1]);
    s.setBrushColor(e.t.palette[1]);
    s.polygon(face, 5);

    if (e.displayGrid) {
        const Color shadow = e.shell.systemColor(SystemColor::ButtonShadow);
        const Color highlight = e.shell.systemColor(SystemColor::ButtonHighlight);
        for (const Point2& p : gridLattice(e)) drawGridDot(s, truncated(p), shadow, highlight);
    }
    drawObjects(e, s);
    if (e.rubberBand) drawRubberBand(e);  // a band that follows the mouse stays on screen
    refreshEditorStatus(e);
}

void drawRubberBand(SetEditor& e) {
    Surface& s = e.shell.viewSurface();
    s.setStrokeColor(0x000000);
    s.setStrokeMode(StrokeMode::NotXor);
    const PixelPoint a = truncated(e.bandStart);
    const PixelPoint b = truncated(e.bandEnd);
    s.moveTo(a.x, a.y);
    s.lineTo(b.x, b.y);
}

void gridUnitSmallerButtonClick(SetEditor& e) {
    if (e.gridUnit > 4) setGridUnit(e, e.gridUnit - 2);
}
void gridUnitLargerButtonClick(SetEditor& e) {
    if (e.gridUnit < 14) setGridUnit(e, e.gridUnit + 2);
}
void smaller1Click(SetEditor& e) {
    if (e.gridUnit < 14) setGridUnit(e, e.gridUnit + 1);
}
void larger1Click(SetEditor& e) {
    if (e.gridUnit > 4) setGridUnit(e, e.gridUnit - 1);
}

void displaygrid1Click(SetEditor& e) {
    e.displayGrid = 1 - e.displayGrid;
    e.shell.setMenuChecked("display grid", e.displayGrid != 0);
    FormPaint(e);
}

void gridKindButtonClick(SetEditor& e, int kind) {
    if (kind >= 0 && kind < 5) setGridKind(e, kind);
}
void orthogonal1Click(SetEditor& e) { setGridKind(e, 0); }
void left1Click(SetEditor& e) { setGridKind(e, 1); }
void right1Click(SetEditor& e) { setGridKind(e, 2); }
void up1Click(SetEditor& e) { setGridKind(e, 3); }
void down1Click(SetEditor& e) { setGridKind(e, 4); }

}  // namespace rho
