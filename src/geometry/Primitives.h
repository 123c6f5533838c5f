#pragma once
// Plain geometric records shared by every layer: points, rhomb templates and
// the ten 36-degree sectors around a point.

namespace rho {

constexpr int kSectors = 10;

struct Point2 {
    double x = 0.0;
    double y = 0.0;
};

// Four corners of a rhomb followed by the centre they belong to.
struct ShapeTemplate {
    Point2 corners[4];
    Point2 centre;
};

}  // namespace rho
