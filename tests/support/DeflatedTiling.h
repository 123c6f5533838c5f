#pragma once
// A proper rhomb tiling for tests and benchmarks, made by deflating a wheel of ten half rhombs.
// Corners lie at least 24 units apart, so every corner meets exactly the points it should.

#include <algorithm>
#include <cmath>
#include <complex>
#include <map>
#include <utility>
#include <vector>

#include "geometry/Geometry.h"
#include "tiling/ShapeCorners.h"
#include "tiling/Tiling.h"

namespace rho::test {

// The whole rhombs, with color 1, after `levels` deflations of a wheel whose
// rhomb edge ends up 40 units, nearest the centre first.
inline std::vector<TileShape> deflatedTiling(const Tiling& t, int levels) {
    using Point = std::complex<double>;
    // Half of a rhomb: apex a, base bc; kind 0 has a 36-degree apex, kind 1 a 108-degree one.
    struct Half { int kind; Point a, b, c; };
    const double pi = 3.14159265358979323846, golden = (1.0 + std::sqrt(5.0)) / 2.0;
    auto rim = [pi](int k) { return std::polar(1.0, k * pi / 10); };
    std::vector<Half> halves;
    for (int k = 1; k < 20; k += 4)  // ten halves around the centre, in pairs mirrored across the ray to rim point k
        halves.insert(halves.end(), {{0, 0.0, rim(k), rim(k - 2)}, {0, 0.0, rim(k), rim(k + 2)}});
    for (int level = 0; level < levels; ++level) {
        std::vector<Half> out;
        for (const Half& h : halves) {
            const Point p = h.a + (h.b - h.a) / golden, q = h.b + (h.a - h.b) / golden, r = h.b + (h.c - h.b) / golden;
            if (h.kind == 0) out.insert(out.end(), {{0, h.c, p, h.b}, {1, p, h.c, h.a}});
            else out.insert(out.end(), {{1, r, h.c, h.a}, {1, q, r, h.b}, {0, r, q, h.a}});
        }
        halves = std::move(out);
    }

    // Two halves of one kind with the same base form a rhomb; its acute corner 0 is the apex
    // of a small half, a base end of a large one.
    std::map<std::pair<long long, long long>, int> seen[2];
    std::vector<TileShape> shapes;
    for (Half h : halves) {
        for (Point* p : {&h.a, &h.b, &h.c}) *p *= kEdgeLength * std::pow(golden, levels);
        const Point mid = (h.b + h.c) / 2.0;
        if (++seen[h.kind][{std::llround(mid.real() * 1000), std::llround(mid.imag() * 1000)}] != 2) continue;
        const Point2 c0 = templateFor(t, h.kind).corners[0];
        const long steps = std::lround((std::arg((h.kind == 0 ? h.a : h.b) - mid) - std::atan2(c0.y, c0.x)) * 5 / pi);
        shapes.push_back({mid.real(), mid.imag(), h.kind, static_cast<int>((steps % 10 + 10) % 10), 1});
    }
    std::sort(shapes.begin(), shapes.end(),
              [](const TileShape& p, const TileShape& q) { return std::hypot(p.x, p.y) < std::hypot(q.x, q.y); });
    return shapes;
}

}  // namespace rho::test
