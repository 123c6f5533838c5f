#include "render/PixelRaster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace rho {

namespace {

inline bool insideClip(const PixelBuffer& b, int x, int y) {
    return x >= b.clipLeft && x < b.clipRight && y >= b.clipTop && y < b.clipBottom;
}

inline void plot(PixelBuffer& b, int x, int y, const RasterPen& pen) {
    if (!insideClip(b, x, y)) return;
    uint32_t& p = b.bits[static_cast<ptrdiff_t>(y) * b.stride + x];
    p = pen.notXor ? (~(pen.color ^ p) | 0xff000000u) : pen.color;
}

// Fills columns [x0, x1) of row y with the brush, clipped.
inline void span(PixelBuffer& b, int y, int x0, int x1, const RasterBrush& brush) {
    if (y < b.clipTop || y >= b.clipBottom) return;
    x0 = std::max(x0, b.clipLeft);
    x1 = std::min(x1, b.clipRight);
    if (x0 >= x1) return;
    uint32_t* row = b.bits + static_cast<ptrdiff_t>(y) * b.stride;
    if (brush.style == BrushStyle::Solid && brush.notXor) {
        for (int x = x0; x < x1; ++x) row[x] = ~(brush.color ^ row[x]) | 0xff000000u;
    } else if (brush.style == BrushStyle::Solid) {
        std::fill(row + x0, row + x1, brush.color);
    } else {
        for (int x = x0; x < x1; ++x)
            if (hatchPixel(x, y, brush.hatchScale)) row[x] = brush.color;
    }
}

void fillPolygon(PixelBuffer& b, const PixelPoint* pts, int n, const RasterBrush& brush) {
    int minY = pts[0].y, maxY = pts[0].y;
    for (int i = 1; i < n; ++i) {
        minY = std::min(minY, pts[i].y);
        maxY = std::max(maxY, pts[i].y);
    }
    minY = std::max(minY, b.clipTop);
    maxY = std::min(maxY, b.clipBottom - 1);
    if (minY > maxY) return;

    double stackCrossings[64];
    std::vector<double> heapCrossings;
    double* crossings = stackCrossings;
    if (n > 64) {
        heapCrossings.resize(static_cast<size_t>(n));
        crossings = heapCrossings.data();
    }
    for (int y = minY; y <= maxY; ++y) {
        const double sy = y + 0.5;  // sample at the pixel centre
        int found = 0;
        for (int i = 0; i < n; ++i) {
            const PixelPoint& a = pts[i];
            const PixelPoint& c = pts[(i + 1) % n];
            if (a.y == c.y) continue;
            const bool down = a.y < c.y;
            const double top = down ? a.y : c.y;
            const double bottom = down ? c.y : a.y;
            if (sy < top || sy >= bottom) continue;
            crossings[found++] =
                a.x + (sy - a.y) * (static_cast<double>(c.x) - a.x) / (static_cast<double>(c.y) - a.y);
        }
        if (found < 2) continue;
        std::sort(crossings, crossings + found);
        for (int k = 0; k + 1 < found; k += 2) {
            // Pixels whose centre x + 0.5 lies in [left, right).
            const int x0 = static_cast<int>(std::ceil(crossings[k] - 0.5));
            const int x1 = static_cast<int>(std::ceil(crossings[k + 1] - 0.5));
            span(b, y, x0, x1, brush);
        }
    }
}

}  // namespace

void rasterLine(PixelBuffer& b, int x0, int y0, int x1, int y1, const RasterPen& pen) {
    // 64 bits, so that no difference of two ints overflows.
    const int64_t dx = std::abs(static_cast<int64_t>(x1) - x0);
    const int64_t dy = -std::abs(static_cast<int64_t>(y1) - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    // A line wholly outside the clip on one side draws nothing.
    if ((x0 < b.clipLeft && x1 < b.clipLeft) || (y0 < b.clipTop && y1 < b.clipTop) ||
        (x0 >= b.clipRight && x1 >= b.clipRight) || (y0 >= b.clipBottom && y1 >= b.clipBottom))
        return;
    const int64_t steps = std::max(dx, -dy);  // one pixel per step, the end pixel left out
    if (steps == 0) return;

    // The major axis moves one pixel every step, so only the steps whose
    // major coordinate lies inside the clip can plot anything: the walk
    // starts at the first of them and stops after the last, and its cost
    // follows the pixels the clip shows, not the length of the line.
    const bool xMajor = dx >= -dy;
    const int64_t from = xMajor ? x0 : y0;
    const int64_t dir = xMajor ? sx : sy;
    const int64_t lo = xMajor ? b.clipLeft : b.clipTop;
    const int64_t hi = xMajor ? b.clipRight - 1 : b.clipBottom - 1;
    if (hi < lo) return;
    // Steps k with lo <= from + dir * k <= hi.
    int64_t first = dir > 0 ? lo - from : from - hi;
    int64_t last = dir > 0 ? hi - from : from - lo;
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, steps - 1);
    if (first > last) return;

    // The state of the walk below after `first` steps, in closed form: the
    // error term stays in a window one minor length wide, which fixes the
    // number of minor steps taken so far.
    const int64_t major = xMajor ? dx : -dy;
    const int64_t minor = xMajor ? -dy : dx;
    __extension__ typedef __int128 Wide;  // first * minor may pass 2^63
    const auto minorSteps = static_cast<int64_t>((Wide{major} + Wide{2} * first * minor) / (Wide{2} * major));
    const int64_t xSteps = xMajor ? first : minorSteps;
    const int64_t ySteps = xMajor ? minorSteps : first;
    int x = static_cast<int>(x0 + sx * xSteps);
    int y = static_cast<int>(y0 + sy * ySteps);
    int64_t err = static_cast<int64_t>(Wide{dx} + dy + Wide{xSteps} * dy + Wide{ySteps} * dx);

    for (int64_t k = first; k <= last; ++k) {
        plot(b, x, y, pen);
        const int64_t e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void rasterPolygon(PixelBuffer& b, const PixelPoint* pts, int n, const RasterPen& pen, const RasterBrush& brush) {
    if (n <= 0) return;
    if (brush.style != BrushStyle::Clear && n >= 3) fillPolygon(b, pts, n, brush);
    bool drewEdge = false;
    for (int i = 0; i < n; ++i) {
        const PixelPoint& a = pts[i];
        const PixelPoint& c = pts[(i + 1) % n];
        if (a.x == c.x && a.y == c.y) continue;
        rasterLine(b, a.x, a.y, c.x, c.y, pen);
        drewEdge = true;
    }
    if (!drewEdge) plot(b, pts[0].x, pts[0].y, pen);  // every point the same: one pixel
}

void rasterRectangle(PixelBuffer& b, int x1, int y1, int x2, int y2, const RasterPen& pen,
                     const RasterBrush& brush) {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (right - left < 1 || bottom - top < 1) return;
    if (brush.style != BrushStyle::Clear)
        for (int y = std::max(top + 1, b.clipTop); y < std::min(bottom - 1, b.clipBottom); ++y)
            span(b, y, left + 1, right - 1, brush);
    const PixelPoint corners[4] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
    rasterPolygon(b, corners, 4, pen, RasterBrush{BrushStyle::Clear, 0});
}

}  // namespace rho
