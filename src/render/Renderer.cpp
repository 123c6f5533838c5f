#include "render/Renderer.h"

#include <algorithm>
#include <cstdint>

#include "geometry/Geometry.h"
#include "geometry/MatrixStack.h"
#include "render/CornerPixels.h"
#include "render/Decoration.h"
#include "render/Surface.h"
#include "render/View.h"
#include "tiling/Shell.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xffffff;
constexpr Color kBlue = 0xff0000;  // 0x00BBGGRR

// Palette entry for a shape colour of either sign; a magnitude outside the
// palette (a damaged file) draws black rather than reading past the table.
Color paletteEntry(const Tiling& t, int32_t color) {
    const int64_t index = color < 0 ? -static_cast<int64_t>(color) : color;
    return index < kPaletteSize ? t.palette[index] : kBlack;
}

bool whollyOutside(const PixelPoint p[5], int width, int height) {
    int minX = p[0].x, maxX = p[0].x, minY = p[0].y, maxY = p[0].y;
    for (int k = 1; k < 4; ++k) {
        minX = std::min(minX, p[k].x);
        maxX = std::max(maxX, p[k].x);
        minY = std::min(minY, p[k].y);
        maxY = std::max(maxY, p[k].y);
    }
    return maxX < 0 || maxY < 0 || minX >= width || minY >= height;
}

// What the view is painted with before the shapes, and what erasing leaves.
Color backgroundColor(const Tiling& t) { return t.antialiased == 1 ? kWhite : t.palette[2]; }

void restoreSurface(Surface& surface) {
    surface.setStrokeMode(StrokeMode::Copy);
    surface.setBrushColor(kWhite);
    surface.setBrushStyle(BrushStyle::Solid);
    surface.setStrokeColor(kBlack);
}

}  // namespace

void drawShapeBody(const Tiling& t, Surface& surface, const TileShape& shape, int mode, int cullWidth,
                   int cullHeight, const CornerPixels* mapper) {
    PixelPoint corners[5];
    if (mapper)
        mapper->corners(shape, corners);
    else
        cornerPixelsByStack(t, shape, corners);
    if (cullWidth > 0 && cullHeight > 0 && whollyOutside(corners, cullWidth, cullHeight)) return;

    bool notXorLeft = false;
    if (t.decoration == 1) {
        MatrixStack& ms = matrixStack();
        ms.pushMatrix();
        applyShapeFrame(ms, shape);
        drawDecoration(t, surface, decorationFor(t.set, shape.kind), mode);
        ms.popMatrix();
        // Both paths draw a preview with not-xor strokes.
        notXorLeft = mode == kPreview;
    } else switch (mode) {
    case kPreview:
        surface.setStrokeColor(t.palette[0]);
        surface.setStrokeMode(StrokeMode::NotXor);
        surface.setBrushStyle(BrushStyle::Clear);
        surface.polygon(corners, 5);
        notXorLeft = true;
        break;
    case kNormal:
        surface.setStrokeColor(kBlack);
        surface.setBrushColor(paletteEntry(t, shape.color));
        surface.setBrushStyle(BrushStyle::Solid);
        surface.polygon(corners, 5);
        if (shape.color < 0) {
            surface.setBrushColor(kBlack);
            surface.setBrushStyle(BrushStyle::DiagonalCross);
            surface.polygon(corners, 5);
        }
        break;
    case kErase:
        surface.setStrokeColor(backgroundColor(t));
        surface.setBrushColor(backgroundColor(t));
        surface.setBrushStyle(BrushStyle::Solid);
        surface.polygon(corners, 5);
        break;
    case kOutline:
        surface.setStrokeColor(kBlack);
        surface.setBrushStyle(BrushStyle::Clear);
        surface.polygon(corners, 5);
        break;
    default:
        break;
    }

    if (t.outline == 1) {
        // An erased shape takes its outline with it.
        surface.setStrokeColor(mode == kErase ? backgroundColor(t) : kBlue);
        surface.setStrokeMode(notXorLeft ? StrokeMode::NotXor : StrokeMode::Copy);
        surface.setBrushStyle(BrushStyle::Clear);
        surface.polygon(corners, 5);
    }
    restoreSurface(surface);
}

void drawShape(const Tiling& t, Shell& shell, Surface& surface, TileShape shape, int mode) {
    drawShapeBody(t, surface, shape, mode);
    drawOrigin(t, shell);
    drawBoundingBox(t, shell);
}

void redrawView(const Tiling& t, Shell& shell) {
    Surface& surface = shell.viewSurface();
    const int width = shell.clientWidth();
    const int height = shell.clientHeight();
    surface.setStrokeColor(kBlack);
    surface.setStrokeMode(StrokeMode::Copy);
    surface.setBrushColor(backgroundColor(t));
    surface.setBrushStyle(BrushStyle::Solid);
    surface.rectangle(0, 0, width + 1, height + 1);

    // The overlays drawn after each shape are black copy-mode strokes at the
    // same pixels every time, so drawing them once at the end gives the same
    // picture as drawing them after every shape.
    const int cullWidth = t.decoration == 0 ? surface.width() : 0;
    const int cullHeight = t.decoration == 0 ? surface.height() : 0;
    const CornerPixels mapper(t);
    for (int i = 0; i <= t.shapeLast; ++i)
        drawShapeBody(t, surface, t.shapes[i], kNormal, cullWidth, cullHeight, &mapper);
    if (t.adding == 1) drawShapeBody(t, surface, t.floating, kPreview);
    drawOrigin(t, shell);
    drawBoundingBox(t, shell);
}

void drawOrigin(const Tiling& t, Shell& shell) {
    if (t.displayOrigin != 1) return;
    Surface& surface = shell.viewSurface();
    surface.setStrokeColor(kBlack);
    const Pixel o = worldToPixel(0.0, 0.0);
    surface.moveTo(o.x, 5);
    surface.lineTo(o.x, shell.clientHeight());
    surface.moveTo(5, o.y);
    surface.lineTo(shell.clientWidth(), o.y);
}

void drawBoundingBox(const Tiling& t, Shell& shell) {
    if (t.displayBoundingBox != 1) return;
    Surface& surface = shell.viewSurface();
    surface.setStrokeColor(kBlack);
    surface.setBrushStyle(BrushStyle::Clear);
    const Pixel a = worldToPixel(t.box.x, t.box.y);
    const Pixel b = worldToPixel(t.box.x + t.box.w, t.box.y + t.box.h);
    surface.rectangle(a.x, a.y, b.x, b.y);
}

}  // namespace rho
