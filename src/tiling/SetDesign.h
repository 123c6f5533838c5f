#pragma once
// The decoration set: one vector drawing for each rhomb kind, in the rhomb's
// own frame (the frame of the shape templates, origin at the shape's centre).

#include <cstdint>

namespace rho {

constexpr int kSetObjectPoints = 20;
constexpr int kSetDrawingObjects = 50;

struct SetPoint {
    double x = 0.0;
    double y = 0.0;
};

// objectKind: 0 line, 1 polyline, 2 polygon.
struct SetObject {
    int32_t objectKind = 0;
    int32_t lastPoint = 1;
    uint32_t lineColor = 0;
    uint32_t fillColor = 0;
    SetPoint points[kSetObjectPoints];
};

struct SetDrawing {
    SetObject objects[kSetDrawingObjects];
    int32_t count = 0;
};

struct SetDesign {
    SetDrawing small;
    SetDrawing large;
};

}  // namespace rho
