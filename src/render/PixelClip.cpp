#include "render/PixelClip.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "render/View.h"

namespace rho {

namespace {

constexpr double kL = kPixelLimit;

enum Outside : int { kLeft = 1, kRight = 2, kTop = 4, kBottom = 8 };

// An infinite coordinate stands at the largest double of its sign.
double held(double v) { return std::isinf(v) ? std::copysign(DBL_MAX, v) : v; }
Point2 held(Point2 p) { return {held(p.x), held(p.y)}; }
bool isNumber(Point2 p) { return !std::isnan(p.x) && !std::isnan(p.y); }

int outcode(Point2 p) {
    int c = 0;
    if (p.x < -kL) c |= kLeft;
    else if (p.x > kL) c |= kRight;
    if (p.y < -kL) c |= kTop;
    else if (p.y > kL) c |= kBottom;
    return c;
}

double extent(Point2 p) { return std::max(std::fabs(p.x), std::fabs(p.y)); }

// Where the line through p and q crosses x = X (their x differ), or y = Y
// below. Worked out from the end nearer the square, whose coordinates stay
// small when the other end lies far out, so the crossing keeps its
// precision; the differences are halved first, so they cannot overflow.
Point2 crossX(Point2 p, Point2 q, double X) {
    const bool pNearer = extent(p) <= extent(q);
    const Point2 base = pNearer ? p : q;
    const Point2 far = pNearer ? q : p;
    const double slope = (far.y * 0.5 - base.y * 0.5) / (far.x * 0.5 - base.x * 0.5);
    return held(Point2{X, base.y + (X - base.x) * slope});
}

Point2 crossY(Point2 p, Point2 q, double Y) {
    const bool pNearer = extent(p) <= extent(q);
    const Point2 base = pNearer ? p : q;
    const Point2 far = pNearer ? q : p;
    const double slope = (far.x * 0.5 - base.x * 0.5) / (far.y * 0.5 - base.y * 0.5);
    return held(Point2{base.x + (Y - base.y) * slope, Y});
}

PixelPoint pixel(Point2 p) { return {toPixel(p.x), toPixel(p.y)}; }

// One side of the square for the polygon cut: 0 left, 1 right, 2 top, 3 bottom.
bool insideSide(Point2 p, int side) {
    switch (side) {
    case 0: return p.x >= -kL;
    case 1: return p.x <= kL;
    case 2: return p.y >= -kL;
    default: return p.y <= kL;
    }
}

Point2 crossSide(Point2 p, Point2 q, int side) {
    switch (side) {
    case 0: return crossX(p, q, -kL);
    case 1: return crossX(p, q, kL);
    case 2: return crossY(p, q, -kL);
    default: return crossY(p, q, kL);
    }
}

}  // namespace

bool clipSegment(Point2& a, Point2& b) {
    if (!isNumber(a) || !isNumber(b)) return false;
    a = held(a);
    b = held(b);
    int ca = outcode(a);
    int cb = outcode(b);
    // Cohen-Sutherland: an end outside is moved onto a side it lies beyond,
    // at most twice per end; a crossing that rounding left a hair outside
    // is held by toPixel.
    for (int step = 0; step < 4 && (ca | cb) != 0; ++step) {
        if ((ca & cb) != 0) return false;
        const bool moveA = ca != 0;
        Point2& p = moveA ? a : b;
        const Point2 q = moveA ? b : a;
        const int c = moveA ? ca : cb;
        p = (c & kLeft) ? crossX(p, q, -kL)
            : (c & kRight) ? crossX(p, q, kL)
            : (c & kTop) ? crossY(p, q, -kL)
                         : crossY(p, q, kL);
        (moveA ? ca : cb) = outcode(p);
    }
    return (ca & cb) == 0;
}

bool clippedSegmentPixels(Point2 a, Point2 b, PixelPoint& pa, PixelPoint& pb) {
    if (!clipSegment(a, b)) return false;
    pa = pixel(a);
    pb = pixel(b);
    return true;
}

std::vector<PixelPoint> clippedPolygonPixels(const Point2* points, int count) {
    std::vector<PixelPoint> out;
    if (count <= 0) return out;
    std::vector<Point2> ring;
    ring.reserve(static_cast<std::size_t>(count));
    bool allInside = true;
    for (int k = 0; k < count; ++k) {
        if (!isNumber(points[k])) return out;
        ring.push_back(held(points[k]));
        allInside = allInside && outcode(ring.back()) == 0;
    }
    if (!allInside) {
        std::vector<Point2> next;
        for (int side = 0; side < 4 && !ring.empty(); ++side) {
            next.clear();
            const std::size_t n = ring.size();
            for (std::size_t k = 0; k < n; ++k) {
                const Point2 prev = ring[(k + n - 1) % n];
                const Point2 cur = ring[k];
                const bool prevIn = insideSide(prev, side);
                if (insideSide(cur, side)) {
                    if (!prevIn) next.push_back(crossSide(prev, cur, side));
                    next.push_back(cur);
                } else if (prevIn) {
                    next.push_back(crossSide(prev, cur, side));
                }
            }
            ring.swap(next);
        }
    }
    out.reserve(ring.size());
    for (const Point2& p : ring) out.push_back(pixel(p));
    return out;
}

void strokeClippedPolyline(Surface& surface, const Point2* points, int count,
                           const std::function<void(PixelPoint)>& segmentEnd) {
    if (count <= 0) return;
    PixelPoint pen = pixel(held(points[0]));
    surface.moveTo(pen.x, pen.y);
    for (int k = 1; k < count; ++k) {
        PixelPoint a, b;
        if (!clippedSegmentPixels(points[k - 1], points[k], a, b)) continue;
        if (a.x != pen.x || a.y != pen.y) surface.moveTo(a.x, a.y);
        surface.lineTo(b.x, b.y);
        if (segmentEnd) segmentEnd(b);
        pen = b;
    }
}

}  // namespace rho
