#pragma once
// A proper rhomb tiling for tests and benchmarks, made by deflation: a
// wheel of ten half-rhomb triangles is cut into smaller half rhombs level
// by level, and triangles sharing a base are joined into rhombs. Its
// corners lie at least 24 units apart, so every corner of a rhomb meets
// exactly the points it should.

#include <algorithm>
#include <cmath>
#include <complex>
#include <map>
#include <utility>
#include <vector>

#include "tiling/Geometry.h"
#include "tiling/Records.h"
#include "tiling/Tiling.h"

namespace rho::test {

namespace deflation {

using Point = std::complex<double>;

// Half of a rhomb: apex a, base bc. Kind 0 (36-degree apex) halves the
// small shape across its short diagonal; kind 1 (108-degree apex) halves
// the large shape across its long diagonal.
struct Half {
    int kind;
    Point a, b, c;
};

inline double golden() { return (1.0 + std::sqrt(5.0)) / 2.0; }
inline double pi() { return 3.14159265358979323846; }

inline std::vector<Half> deflate(const std::vector<Half>& in) {
    const double g = golden();
    std::vector<Half> out;
    out.reserve(in.size() * 3);
    for (const Half& h : in) {
        if (h.kind == 0) {
            const Point p = h.a + (h.b - h.a) / g;
            out.push_back({0, h.c, p, h.b});
            out.push_back({1, p, h.c, h.a});
        } else {
            const Point q = h.b + (h.a - h.b) / g;
            const Point r = h.b + (h.c - h.b) / g;
            out.push_back({1, r, h.c, h.a});
            out.push_back({1, q, r, h.b});
            out.push_back({0, r, q, h.a});
        }
    }
    return out;
}

inline double degreesOf(Point v) { return std::atan2(v.imag(), v.real()) * 180.0 / pi(); }

// The rhomb of a half and its mirror twin, as a shape with color 1.
inline TileShape shapeOf(const Tiling& t, const Half& h) {
    const Point centre = (h.b + h.c) / 2.0;
    // Corner 0 is acute: the apex of a small half, a base end of a large one.
    const Point acute = (h.kind == 0 ? h.a : h.b) - centre;
    const Point2 c0 = templateFor(t, h.kind).corners[0];
    const long steps = std::lround((degreesOf(acute) - degreesOf({c0.x, c0.y})) / 36.0);
    TileShape s;
    s.x = centre.real();
    s.y = centre.imag();
    s.kind = h.kind;
    s.angle = static_cast<int>(((steps % 10) + 10) % 10);
    s.color = 1;
    return s;
}

}  // namespace deflation

// The whole rhombs after `levels` deflations of a wheel whose rhomb edge
// ends up 40 units, nearest the centre first.
inline std::vector<TileShape> deflatedTiling(const Tiling& t, int levels) {
    using namespace deflation;
    std::vector<Half> halves;
    for (int i = 0; i < 10; ++i) {
        Point b = std::polar(1.0, (2 * i - 1) * pi() / 10);
        Point c = std::polar(1.0, (2 * i + 1) * pi() / 10);
        if (i % 2 == 0) std::swap(b, c);
        halves.push_back({0, {0.0, 0.0}, b, c});
    }
    for (int level = 0; level < levels; ++level) halves = deflate(halves);
    const double scale = kEdgeLength * std::pow(golden(), levels);

    // Halves of one kind with the same base midpoint form one rhomb.
    std::map<std::pair<long long, long long>, int> seen[2];
    std::vector<TileShape> shapes;
    for (Half h : halves) {
        h.a *= scale;
        h.b *= scale;
        h.c *= scale;
        const Point mid = (h.b + h.c) / 2.0;
        const auto key = std::make_pair(std::llround(mid.real() * 1000), std::llround(mid.imag() * 1000));
        if (++seen[h.kind][key] == 2) shapes.push_back(shapeOf(t, h));
    }
    std::sort(shapes.begin(), shapes.end(), [](const TileShape& p, const TileShape& q) {
        return std::hypot(p.x, p.y) < std::hypot(q.x, q.y);
    });
    return shapes;
}

}  // namespace rho::test
