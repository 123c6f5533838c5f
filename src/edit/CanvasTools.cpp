#include "edit/CanvasTools.h"

#include <charconv>
#include <cmath>
#include <string>

#include "edit/StatusLine.h"
#include "edit/UndoCommands.h"
#include "render/Renderer.h"
#include "render/Surface.h"
#include "render/View.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

constexpr double kToolZoomIn = 1.2;
// The tool zooms out by the double nearest 1 / 1.2, not by the menu's factor.
constexpr double kToolZoomOut = 1.0 / 1.2;

// Appends a number as "%lf" writes it (six decimals), whatever the locale.
void appendFixed(std::string& out, double value) {
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6).ptr;
    out.append(buffer, end);
}

void appendInt(std::string& out, int value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

}  // namespace

// ---------------------------------------------------------------- colorize

void ColorizeTool::press(MouseButton button, int x, int y) {
    if (button != MouseButton::Left) return;
    const int i = pickShape(t_, x, y);
    if (i < 0) return;
    TileShape& s = t_.shapes[i];
    s.color = s.color < 0 ? -t_.currentColor : t_.currentColor;
    documentChanged(t_, "colorize");
    drawShape(t_, shell_, shell_.viewSurface(), s, kNormal);
}

// -------------------------------------------------------------------- zoom

void ZoomTool::press(MouseButton button, int x, int y) {
    // At the end of the zoom range the click only brings its spot to the centre.
    t_.zoom = boundedZoom(t_.zoom, t_.zoom * (button == MouseButton::Left ? kToolZoomIn : kToolZoomOut));
    // The zoom scales about the world origin's pixel; moving the origin by
    // the pointer's offset from the centre brings the clicked spot there.
    t_.viewOriginX -= x - t_.halfWidth;
    t_.viewOriginY -= y - t_.halfHeight;
    applyView(t_);
    redrawView(t_, shell_);
}

// ------------------------------------------------------------------ scroll

void ScrollTool::press(MouseButton, int x, int y) {
    t_.captured = 1;
    t_.dragAnchorX = x - t_.viewOriginX;
    t_.dragAnchorY = y - t_.viewOriginY;
}

void ScrollTool::move(int x, int y) {
    if (t_.captured != 1) return;
    t_.viewOriginX = x - t_.dragAnchorX;
    t_.viewOriginY = y - t_.dragAnchorY;
    applyView(t_);
    redrawView(t_, shell_);
}

void ScrollTool::release(MouseButton, int, int) { t_.captured = 0; }

// ---------------------------------------------------- origo & bounding box

void OrigoBoxTool::press(MouseButton button, int x, int y) {
    switch (button) {
    case MouseButton::Right: moveOrigin(x, y); break;
    case MouseButton::Left: startBox(x, y); break;
    case MouseButton::Middle: break;
    }
}

namespace {

// A point moved by -w keeps finite coordinates.
bool staysFinite(double x, double y, const Point2& w) { return std::isfinite(x - w.x) && std::isfinite(y - w.y); }

}  // namespace

void OrigoBoxTool::moveOrigin(int x, int y) {
    const Point2 w = windowToWorld(t_, x, y);
    // A move that would push a coordinate past the range of a double (a file
    // with points near it) is refused as a whole: infinite or NaN
    // coordinates could never be saved and read again.
    for (int i = 0; i <= t_.shapeLast; ++i)
        if (!staysFinite(t_.shapes[i].x, t_.shapes[i].y, w)) return;
    for (int i = 0; i <= t_.contourLast; ++i)
        if (!staysFinite(t_.contour[i].x, t_.contour[i].y, w)) return;
    for (int i = 0; i <= t_.shapeLast; ++i) {
        t_.shapes[i].x -= w.x;
        t_.shapes[i].y -= w.y;
    }
    for (int i = 0; i <= t_.contourLast; ++i) {
        t_.contour[i].x -= w.x;
        t_.contour[i].y -= w.y;
    }
    documentChanged(t_, "origin move");
    redrawView(t_, shell_);
}

void OrigoBoxTool::startBox(int x, int y) {
    announce(t_, shell_, "bounding box");
    t_.captured = 1;
    shell_.captureMouse();
    const Point2 w = windowToWorld(t_, x, y);
    // Not-xor: drawing the same box again erases it, so the box can follow
    // the pointer without repainting the view.
    shell_.viewSurface().setStrokeMode(StrokeMode::NotXor);
    t_.box = BoundingBox{w.x, w.y, 0.0, 0.0};
    drawBoundingBox(t_, shell_);
}

void OrigoBoxTool::stretchTo(int x, int y) {
    const Point2 w = windowToWorld(t_, x, y);
    t_.box.w = w.x - t_.box.x;
    t_.box.h = w.y - t_.box.y;
    // A page aspect of 0 (no page size known) would make the height infinite.
    if (t_.ratioMode == 1 && t_.pageAspect > 0.0) t_.box.h = t_.box.w / t_.pageAspect;
}

void OrigoBoxTool::move(int x, int y) {
    if (t_.captured != 1) return;
    // A repaint during the drag leaves the stroke in copy mode; the box is
    // always drawn and erased in not-xor.
    shell_.viewSurface().setStrokeMode(StrokeMode::NotXor);
    drawBoundingBox(t_, shell_);
    stretchTo(x, y);
    drawBoundingBox(t_, shell_);

    std::string text = "x=";
    appendFixed(text, t_.box.x);
    text += ";y=";
    appendFixed(text, t_.box.y);
    text += " w=";
    appendFixed(text, t_.box.w);
    text += ";h=";
    appendFixed(text, t_.box.h);
    announce(t_, shell_, text);
}

void OrigoBoxTool::release(MouseButton button, int x, int y) {
    if (button != MouseButton::Left || t_.captured != 1) return;
    t_.captured = 0;
    shell_.releaseMouse();
    stretchTo(x, y);
    shell_.viewSurface().setStrokeMode(StrokeMode::Copy);
    redrawView(t_, shell_);
    announce(t_, shell_, "idle");
}

// --------------------------------------------------------------- floodfill

void FloodfillTool::press(MouseButton, int x, int y) {
    shell_.viewSurface().floodFill(x, y, t_.palette[t_.currentColor]);
}

void FloodfillTool::move(int x, int y) {
    const Color c = shell_.viewSurface().pixel(x, y);
    std::string text = "x=";
    appendInt(text, x);
    text += " y=";
    appendInt(text, y);
    text += "  ";
    appendInt(text, static_cast<int>(c & 0xff));
    text += " ; ";
    appendInt(text, static_cast<int>((c >> 8) & 0xff));
    text += " ; ";
    appendInt(text, static_cast<int>((c >> 16) & 0xff));
    announce(t_, shell_, text);
}

}  // namespace rho
