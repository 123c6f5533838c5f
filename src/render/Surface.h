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
//
// A surface on a high-density screen keeps `scale` x `scale` device pixels
// for each pixel of its coordinates: the rows and the clip count device
// pixels, and the coordinate (x, y) is the device pixel (x * scale, y * scale).
struct PixelRows {
    uint32_t* bits = nullptr;
    int stride = 0;  // words per row
    int clipLeft = 0;
    int clipTop = 0;
    int clipRight = 0;
    int clipBottom = 0;
    int scale = 1;
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

    // On a surface finer than its coordinates (PixelRows::scale above 1)
    // pixel() reads the top-left device pixel of the block at (x, y) and
    // setPixel() writes the whole block.
    virtual Color pixel(int x, int y) const = 0;
    virtual void setPixel(int x, int y, Color color) = 0;
    // Sets the pixel that a line ending at (x, y) leaves out. On a finer
    // surface that is the one device pixel the line would have reached, the
    // one pixel() reads, so that a not-xor line stays one device pixel wide
    // and a second drawing still removes it.
    virtual void setLineEnd(int x, int y, Color color) { setPixel(x, y, color); }
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
