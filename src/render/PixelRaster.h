#pragma once
// Software rasterizer for 32-bit pixel buffers (0xAARRGGBB words, as a
// QImage of format RGB32 stores them): polygons filled by the even-odd rule
// at pixel centres, one-pixel outlines and lines drawn with Bresenham's
// algorithm, each line leaving out its end pixel, so that every pixel of a
// closed outline is written exactly once (which keeps not-xor drawing
// reversible). Used for the small polygons a tiling is made of, where a
// general-purpose painter spends most of its time in set-up.

#include <cstdint>

#include "render/Surface.h"

namespace rho {

struct PixelBuffer {
    uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // pixels per row
    // Clip rectangle, half-open: [clipLeft, clipRight) x [clipTop, clipBottom).
    int clipLeft = 0;
    int clipTop = 0;
    int clipRight = 0;
    int clipBottom = 0;
};

struct RasterPen {
    uint32_t color = 0xff000000u;  // stored pixel value
    bool notXor = false;
};

struct RasterBrush {
    BrushStyle style = BrushStyle::Solid;
    uint32_t color = 0xffffffffu;
    bool notXor = false;  // a solid fill combined with the pixels by not-xor
    // Device pixels per coordinate unit: the hatch's lines stay one device
    // pixel wide and keep their spacing of 8 coordinate units.
    int hatchScale = 1;
};

// True when pixel (x, y) belongs to the diagonal-cross hatch pattern.
inline bool hatchPixel(int x, int y) { return ((x + y) & 7) == 0 || ((x - y) & 7) == 0; }

// The same pattern on a buffer of `scale` device pixels per unit, in device pixels.
inline bool hatchPixel(int x, int y, int scale) {
    if (scale <= 1) return hatchPixel(x, y);
    const int period = 8 * scale;
    return (x + y) % period == 0 || (x - y) % period == 0;
}

// Fills the polygon's interior with the brush, then draws its closed outline.
void rasterPolygon(PixelBuffer& buffer, const PixelPoint* points, int count, const RasterPen& pen,
                   const RasterBrush& brush);

// Columns x1..x2-1 and rows y1..y2-1: the border with the pen, the inside with the brush.
void rasterRectangle(PixelBuffer& buffer, int x1, int y1, int x2, int y2, const RasterPen& pen,
                     const RasterBrush& brush);

// The line from (x0, y0) toward (x1, y1), without its end pixel.
void rasterLine(PixelBuffer& buffer, int x0, int y0, int x1, int y1, const RasterPen& pen);

}  // namespace rho
