#include "render/Decoration.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "geometry/MatrixStack.h"
#include "render/PixelClip.h"
#include "render/Renderer.h"
#include "render/Surface.h"
#include "tiling/Tiling.h"

namespace rho {

namespace {

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xffffff;

// From a distance of 1.275 on the stamp is white, which no pixel is lighter
// than, so it is never written; offsets farther than this along either
// axis are not visited.
constexpr double kWhiteDistance = 1.28;
// Segments longer than this many steps reach far beyond any surface; only
// their steps near the clip rectangle are sampled.
constexpr double kMaxSteps = 1 << 16;
// A dot of radius 2 reaches at most this far from its point.
constexpr double kDotReach = 3.0;

int lastPointOf(const SetObject& o) { return std::clamp(o.lastPoint, 0, kSetObjectPoints - 1); }
int countOf(const SetDrawing& d) { return std::clamp(d.count, 0, kSetDrawingObjects); }

void mapped(const SetPoint& p, double& x, double& y) { matrixStack().transformPoint(p.x, p.y, x, y); }

// Points 0..last of an object in window coordinates, unbounded: a point may
// lie any distance away, so lines and polygons are cut to the pixel range
// before their points become ints, keeping their slopes.
void mappedPoints(const SetObject& o, int last, Point2* out) {
    for (int k = 0; k <= last; ++k) mapped(o.points[k], out[k].x, out[k].y);
}

// The polygon through the pixels of the points, cut to the pixel range.
void clippedPolygon(Surface& surface, const Point2* points, int count) {
    const std::vector<PixelPoint> pixels = clippedPolygonPixels(points, count);
    if (!pixels.empty()) surface.polygon(pixels.data(), static_cast<int>(pixels.size()));
}

int scaleOf(const PixelRows& r) { return r.bits && r.scale > 1 ? r.scale : 1; }

// Whether the surface pixel of (x, y) lies in the clip rectangle, which the
// rows give in device pixels, whole multiples of the scale.
bool endInClip(const PixelRows& r, double x, double y) {
    const int s = scaleOf(r);
    const double tx = std::trunc(x);
    const double ty = std::trunc(y);
    return tx >= r.clipLeft / s && tx < r.clipRight / s && ty >= r.clipTop / s && ty < r.clipBottom / s;
}

enum class Stamp { Darken, Whiten };

template <Stamp kind>
void stampPixel(Surface& surface, const PixelRows& rows, int px, int py, int level) {
    if (px < rows.clipLeft || px >= rows.clipRight || py < rows.clipTop || py >= rows.clipBottom) return;
    const uint32_t grey = static_cast<uint32_t>(level) * 0x010101u;
    if (rows.bits) {
        uint32_t& word = rows.bits[static_cast<std::ptrdiff_t>(py) * rows.stride + px];
        if (kind == Stamp::Whiten) {
            word = 0xffffffffu;
        } else {
            const uint32_t lowest = std::min({word & 0xff, (word >> 8) & 0xff, (word >> 16) & 0xff});
            word = lowest > static_cast<uint32_t>(level) ? 0xff000000u | grey : word;
        }
        return;
    }
    if (kind == Stamp::Whiten) {
        surface.setPixel(px, py, kWhite);
        return;
    }
    const Color c = surface.pixel(px, py);
    const uint32_t lowest = std::min({c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff});
    if (lowest > static_cast<uint32_t>(level)) surface.setPixel(px, py, grey);
}

// The stamp at (x, y), given in the rows' device pixels. On a surface of
// scale s the stamp keeps its size in surface pixels: it reaches r * s
// device pixels and lightens by 200 / s grey levels per device pixel, so a
// line keeps its width and profile and only gains resolution.
template <Stamp kind>
void dot(Surface& surface, const PixelRows& rows, double x, double y, int r) {
    // Points this far out lie beyond every surface (and beyond an int).
    if (!(std::fabs(x) < 1e9 && std::fabs(y) < 1e9)) return;
    const int s = scaleOf(rows);
    const int reach = r * s;
    const double ramp = 200.0 / s;
    const double white = kWhiteDistance * s;
    const int ix = static_cast<int>(x);
    const int iy = static_cast<int>(y);
    // With r of 2 or more only the offsets within the white distance of
    // the point can get a stamp darker than white. The pixel is written
    // back without a branch: which pixels darken is hard to predict.
    int iLo = -reach, iHi = reach, jLo = -reach, jHi = reach;
    if (r >= 2) {
        // x - ix lies in (-1, 1): the lower bound is negative, so truncation
        // is its ceiling; the upper is positive, so truncation is its floor.
        iLo = std::max(iLo, static_cast<int>(x - ix - white));
        iHi = std::min(iHi, static_cast<int>(x - ix + white));
        jLo = std::max(jLo, static_cast<int>(y - iy - white));
        jHi = std::min(jHi, static_cast<int>(y - iy + white));
    }
    for (int i = iLo; i <= iHi; ++i) {
        for (int j = jLo; j <= jHi; ++j) {
            const double ddx = x - (ix + i);
            const double ddy = y - (iy + j);
            const double d2 = ddx * ddx + ddy * ddy;
            double d = std::sqrt(d2);
            if (d > reach) d = reach;
            double g = ramp * d;
            if (g > 255.0) g = 255.0;
            const int level = static_cast<int>(g);
            if (kind == Stamp::Whiten && level >= 255) continue;
            // The target is the truncated sum, which differs from (ix + i)
            // only left of or above the origin.
            stampPixel<kind>(surface, rows, static_cast<int>(x + i), static_cast<int>(y + j), level);
        }
    }
}

template <Stamp kind>
void segment(Surface& surface, double x0, double y0, double x1, double y1) {
    const PixelRows rows = surface.pixelRows();
    if (!endInClip(rows, x0, y0) && !endInClip(rows, x1, y1)) return;
    // From here on in device pixels: one dot per device pixel of the major axis.
    const int scale = scaleOf(rows);
    if (scale > 1) {
        x0 *= scale;
        y0 *= scale;
        x1 *= scale;
        y1 *= scale;
    }
    const double dx = std::fabs(x1 - x0);
    const double dy = std::fabs(y1 - y0);
    const double n = dy > dx ? dy : dx;
    if (!(n > 0.0) || !std::isfinite(n)) return;
    const double sx = (x1 - x0) / n;
    const double sy = (y1 - y0) / n;
    // Dots farther than their reach from the clip rectangle change nothing.
    const double reach = kDotReach * scale;
    const double left = rows.clipLeft - reach, right = rows.clipRight + reach;
    const double top = rows.clipTop - reach, bottom = rows.clipBottom + reach;
    auto near = [&](double x, double y) { return x > left && x < right && y > top && y < bottom; };

    if (n <= kMaxSteps) {
        double x = x0, y = y0;
        for (double i = 0.0; i <= n; i += 1.0) {
            if (near(x, y)) dot<kind>(surface, rows, x, y, 2);
            x += sx;
            y += sy;
        }
        return;
    }
    // The steps k whose point lies near the clip rectangle form one range.
    double lo = 0.0, hi = std::floor(n);
    auto limit = [&](double start, double step, double low, double high) {
        if (step == 0.0) {
            if (!(start > low && start < high)) hi = -1.0;
            return;
        }
        double a = (low - start) / step, b = (high - start) / step;
        if (a > b) std::swap(a, b);
        lo = std::max(lo, std::floor(a));
        hi = std::min(hi, std::ceil(b));
    };
    limit(x0, sx, left, right);
    limit(y0, sy, top, bottom);
    // Counted from lo with a small counter: past 2^53 adding 1 to k itself
    // changes nothing. No more steps than the rectangle spans can be near it.
    const double steps = std::min(hi - lo, (right - left) + (bottom - top));
    for (double c = 0.0; c <= steps; c += 1.0) {
        const double k = lo + c;
        const double x = x0 + k * sx, y = y0 + k * sy;
        if (near(x, y)) dot<kind>(surface, rows, x, y, 2);
    }
}

// The end pixel of a plain segment, which the line primitive leaves out.
void endPixel(Surface& surface, PixelPoint p, int mode, Color lineColor, Color background) {
    switch (mode) {
    case kPreview: surface.setLineEnd(p.x, p.y, ~(lineColor ^ surface.pixel(p.x, p.y)) & 0xffffffu); break;
    case kErase: surface.setLineEnd(p.x, p.y, background); break;
    default: surface.setLineEnd(p.x, p.y, lineColor); break;
    }
}

}  // namespace

const SetDrawing& decorationFor(const SetDesign& set, int32_t kind) { return kind == 0 ? set.small : set.large; }

void applyShapeFrame(MatrixStack& ms, const TileShape& shape) {
    ms.translate(shape.x, shape.y, 0.0);
    ms.rotateZ(shape.angle * 36.0);
}

void drawDecoration(const Tiling& t, Surface& surface, const SetDrawing& drawing, int mode) {
    if (t.antialiased == 1)
        drawDecorationAntialiased(t, surface, drawing, mode);
    else
        drawDecorationPlain(t, surface, drawing, mode);
}

void drawDecorationPlain(const Tiling& t, Surface& surface, const SetDrawing& drawing, int mode) {
    if (mode < kPreview || mode > kOutline) return;
    const Color background = t.palette[2];
    surface.setStrokeColor(kBlack);
    if (mode == kPreview) surface.setStrokeMode(StrokeMode::NotXor);
    if (mode == kErase) {
        surface.setStrokeColor(background);
        surface.setBrushColor(background);
    }
    if (mode == kOutline) surface.setBrushStyle(BrushStyle::Clear);

    for (int j = 0; j < countOf(drawing); ++j) {
        const SetObject& o = drawing.objects[j];
        const int last = lastPointOf(o);
        switch (o.objectKind) {
        case 0:
        case 1: {
            if (mode != kErase) surface.setStrokeColor(o.lineColor);
            // A line uses points 0 and 1 whatever its lastPoint says.
            const int end = o.objectKind == 0 ? 1 : last;
            Point2 pts[kSetObjectPoints];
            mappedPoints(o, end, pts);
            strokeClippedPolyline(surface, pts, end + 1,
                                  [&](PixelPoint p) { endPixel(surface, p, mode, o.lineColor, background); });
            break;
        }
        case 2: {
            if (mode != kErase) {
                surface.setStrokeColor(o.lineColor);
                surface.setBrushColor(o.fillColor);
                if (mode == kOutline) surface.setBrushStyle(BrushStyle::Clear);
            }
            Point2 pts[kSetObjectPoints];
            mappedPoints(o, last, pts);
            clippedPolygon(surface, pts, last + 1);
            break;
        }
        default:
            break;
        }
    }
}

void drawDecorationAntialiased(const Tiling& t, Surface& surface, const SetDrawing& drawing, int mode) {
    if (mode == kPreview) {
        drawDecorationPlain(t, surface, drawing, mode);
        return;
    }
    if (mode != kNormal && mode != kErase && mode != kOutline) return;
    if (mode == kOutline) surface.setBrushStyle(BrushStyle::Clear);
    const auto stroke = mode == kErase ? eraseAntialiasedLine : drawAntialiasedLine;
    // An end beyond the pixel range is moved along the line onto it: far
    // out, the stepping from that end would lose the line's place to
    // rounding. Segments within the range are drawn as they are.
    const auto line = [&](Point2 a, Point2 b) {
        if (clipSegment(a, b)) stroke(surface, a.x, a.y, b.x, b.y);
    };

    for (int j = 0; j < countOf(drawing); ++j) {
        const SetObject& o = drawing.objects[j];
        const int last = lastPointOf(o);
        Point2 pts[kSetObjectPoints];
        switch (o.objectKind) {
        case 0:
            mappedPoints(o, 1, pts);
            line(pts[0], pts[1]);
            break;
        case 1:
        case 2: {
            mappedPoints(o, last, pts);
            if (o.objectKind == 2) {
                surface.setStrokeColor(kWhite);
                surface.setBrushColor(kWhite);
                if (mode == kOutline) surface.setBrushStyle(BrushStyle::Clear);
                clippedPolygon(surface, pts, last + 1);
            }
            for (int k = 1; k <= last; ++k) line(pts[k - 1], pts[k]);
            // The closing edge runs between the truncated pixels.
            PixelPoint first, end;
            if (o.objectKind == 2 && clippedSegmentPixels(pts[0], pts[last], first, end))
                stroke(surface, first.x, first.y, end.x, end.y);
            break;
        }
        default:
            break;
        }
    }
}

void drawAntialiasedLine(Surface& surface, double x0, double y0, double x1, double y1) {
    segment<Stamp::Darken>(surface, x0, y0, x1, y1);
}

void eraseAntialiasedLine(Surface& surface, double x0, double y0, double x1, double y1) {
    segment<Stamp::Whiten>(surface, x0, y0, x1, y1);
}

void plotAntialiasedDot(Surface& surface, double x, double y, int r) {
    const PixelRows rows = surface.pixelRows();
    const int scale = scaleOf(rows);
    dot<Stamp::Darken>(surface, rows, x * scale, y * scale, r);
}

}  // namespace rho
