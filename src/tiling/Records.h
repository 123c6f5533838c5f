#pragma once
// Plain records of the tiling document: shapes, contour points, tools.

#include <cstdint>

#include "geometry/Primitives.h"

namespace rho {

using Color = uint32_t;  // 0x00BBGGRR, red in the low byte

enum ShapeKind : int32_t {
    kSmallShape = 0,  // thin rhomb, acute angle 36 degrees
    kLargeShape = 1,  // thick rhomb, acute angle 72 degrees
};

enum class ToolMode : int32_t {
    Edit = 0,
    Select = 1,
    Erase = 2,
    Colorize = 3,
    Zoom = 4,
    Scroll = 5,
    OrigoBoundingBox = 6,
    Floodfill = 7,
};

// One rhomb of the tiling. `color` is a palette index 1..20; its sign is the
// selection (negative while selected).
struct TileShape {
    double x = 0.0;
    double y = 0.0;
    int32_t kind = 0;
    int32_t angle = 0;  // steps of 36 degrees, 0..9
    int32_t color = 1;
};

// Negates a shape's color, flipping its selection. The one value without a
// positive twin is left alone rather than overflow.
inline void flipSelection(TileShape& s) {
    if (s.color != INT32_MIN) s.color = -s.color;
}

constexpr int kSectorBytes = 11;  // ten sectors and one reserved byte

// One boundary point. sectors[k] is 1 when sector k (from 90 + 36k degrees
// to 90 + 36(k+1) degrees) is covered by a shape at this point.
struct ContourVertex {
    uint8_t sectors[kSectorBytes] = {};
    double x = 0.0;
    double y = 0.0;
};

struct BoundingBox {
    double x = 0.0;
    double y = 0.0;
    double w = 1000.0;
    double h = 700.0;
};

}  // namespace rho
