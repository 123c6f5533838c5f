#include "seteditor/RuleSets.h"

#include <cmath>

#include "geometry/Geometry.h"

namespace rho {

namespace {

constexpr double kPi = 3.14159265358979323846;
const double kGolden = (1.0 + std::sqrt(5.0)) / 2.0;

ShapeTemplate templateOf(int kind) { return makeTemplate(kind == 0 ? kSmallAngleRad : kLargeAngleRad); }

// The point at distance d from corner i on the edge toward corner j.
SetPoint along(const ShapeTemplate& tp, int i, int j, double d) {
    const Point2 a = tp.corners[i], b = tp.corners[j];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    return {a.x + (b.x - a.x) * d / length, a.y + (b.y - a.y) * d / length};
}

SetObject rhomb(const ShapeTemplate& tp, Color fill) {
    SetObject o;
    o.objectKind = 2;
    o.lastPoint = 3;
    o.lineColor = kRhombEdge;
    o.fillColor = fill;
    for (int k = 0; k < 4; ++k) o.points[k] = {tp.corners[k].x, tp.corners[k].y};
    return o;
}

// The arc of radius r around corner c, from its edge toward the previous
// corner to its edge toward the next one, through the inside of the rhomb
// (whose corners are less than 180 degrees wide).
SetObject arc(const ShapeTemplate& tp, int c, double r, Color color) {
    const Point2 centre = tp.corners[c];
    const SetPoint first = along(tp, c, (c + 3) % 4, r), last = along(tp, c, (c + 1) % 4, r);
    const double from = std::atan2(first.y - centre.y, first.x - centre.x);
    double turn = std::atan2(last.y - centre.y, last.x - centre.x) - from;
    if (turn > kPi) turn -= 2 * kPi;
    if (turn <= -kPi) turn += 2 * kPi;
    SetObject o;
    o.objectKind = 1;
    o.lastPoint = kArcPoints - 1;
    o.lineColor = color;
    o.fillColor = color;
    o.points[0] = first;
    for (int k = 1; k < o.lastPoint; ++k) {
        const double angle = from + turn * k / o.lastPoint;
        o.points[k] = {centre.x + r * std::cos(angle), centre.y + r * std::sin(angle)};
    }
    o.points[o.lastPoint] = last;
    return o;
}

void add(SetDrawing& d, const SetObject& o) { d.objects[d.count++] = o; }

// One bar: from the point at distance d1 from corner i1 toward corner j1 to
// the point at distance d2 from corner i2 toward corner j2.
struct Bar {
    int i1, j1;
    double d1;
    int i2, j2;
    double d2;
};

void addBars(SetDrawing& d, const ShapeTemplate& tp, const Bar (&bars)[5]) {
    for (const Bar& b : bars) {
        SetObject o;
        o.objectKind = 0;
        o.lastPoint = 1;
        o.lineColor = kBarColor;
        o.fillColor = kBarColor;
        o.points[0] = along(tp, b.i1, b.j1, b.d1);
        o.points[1] = along(tp, b.i2, b.j2, b.d2);
        add(d, o);
    }
}

}  // namespace

SetDesign matchingArcsSet() {
    const ShapeTemplate small = templateOf(0), large = templateOf(1);
    const double wide = 80.0 / (kGolden * kGolden), narrow = 40.0 / (kGolden * kGolden * kGolden);
    SetDesign set;
    add(set.large, rhomb(large, kLargeFill));
    add(set.large, arc(large, 0, wide, kArcColorA));
    add(set.large, arc(large, 2, narrow, kArcColorB));
    add(set.small, rhomb(small, kSmallFill));
    add(set.small, arc(small, 1, narrow, kArcColorA));
    add(set.small, arc(small, 3, narrow, kArcColorB));
    return set;
}

SetDesign ammannBarsSet() {
    const double a = 10.0 / kGolden, b = 20.0 / (kGolden * kGolden), half = kEdgeLength / 2;
    const Bar largeBars[5] = {{0, 1, a, 0, 3, half},
                              {0, 1, half, 0, 3, a},
                              {0, 1, half, 1, 2, b},
                              {0, 3, half, 3, 2, b},
                              {1, 2, b, 3, 2, b}};
    const Bar smallBars[5] = {{0, 1, a, 0, 3, b},
                              {2, 1, a, 2, 3, b},
                              {1, 0, half, 1, 2, half},
                              {1, 2, half, 2, 3, b},
                              {1, 0, half, 0, 3, b}};
    SetDesign set;
    addBars(set.large, templateOf(1), largeBars);
    addBars(set.small, templateOf(0), smallBars);
    return set;
}

}  // namespace rho
