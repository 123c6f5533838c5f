#pragma once
// What the renderers need of a drawing surface (window back buffer,
// offscreen bitmap, printer page). Coordinates are pixels; colours are
// 0x00BBGGRR. rectangle() covers x1..x2-1 and y1..y2-1, outline included.

#include <cstdint>

#include "tiling/Records.h"

namespace rho {

enum class StrokeMode { Copy, NotXor };
enum class BrushStyle { Solid, Clear, DiagonalCross };

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// A surface's pixels as rows of 32-bit words (0xffRRGGBB, as a QImage of
// format RGB32 holds them), and the part that drawing may change:
// [clipLeft, clipRight) x [clipTop, clipBottom). `bits` is null for a
// surface that keeps no pixels of its own (a printer page, a recorder);
// per-pixel work then goes through pixel() and setPixel().
struct PixelRows {
    uint32_t* bits = nullptr;
    int stride = 0;  // words per row
    int clipLeft = 0;
    int clipTop = 0;
    int clipRight = 0;
    int clipBottom = 0;
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual void setStrokeColor(Color color) = 0;
    virtual void setStrokeWidth(int width) = 0;
    virtual void setStrokeMode(StrokeMode mode) = 0;
    virtual void setBrushColor(Color color) = 0;  // also makes the brush solid
    virtual void setBrushStyle(BrushStyle style) = 0;

    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Filled with the brush, outlined with the stroke.
    virtual void polygon(const PixelPoint* points, int count) = 0;
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;

    virtual Color pixel(int x, int y) const = 0;
    virtual void setPixel(int x, int y, Color color) = 0;
    // Fills the 4-connected area of pixels that have the colour of (x, y).
    virtual void floodFill(int x, int y, Color fill) = 0;

    virtual void setClipRect(int left, int top, int right, int bottom) = 0;
    virtual void clearClip() = 0;

    virtual int width() const = 0;
    virtual int height() const = 0;

    // Valid until the next drawing call other than pixel() and setPixel().
    virtual PixelRows pixelRows() { return PixelRows{nullptr, 0, 0, 0, width(), height()}; }
};

}  // namespace rho
