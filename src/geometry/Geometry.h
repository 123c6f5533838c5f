#pragma once
// Rhomb geometry that needs no document: the corner templates, the sectors
// each corner covers, and the proximity tests.

#include <cstdint>

#include "geometry/Primitives.h"

namespace rho {

// 36 and 72 degrees in radians.
constexpr double kSmallAngleRad = 0.6283185307179586;
constexpr double kLargeAngleRad = 1.2566370614359172;
constexpr double kEdgeLength = 40.0;

// The corners of a rhomb with this acute angle, centred on the origin.
ShapeTemplate makeTemplate(double acuteAngleRad);

// The ten sector bytes covered by corner j of a shape of the given kind
// (0 small, anything else large) and angle: 1 where covered, 0 elsewhere.
void cornerSectorPattern(int32_t kind, int32_t angle, int corner, uint8_t out[kSectors]);

// |ax - bx| < 10 and |ay - by| < 10.
bool nearWithin10(double ax, double ay, double bx, double by);
// |ax - bx| < 5 and |ay - by| < 5.
bool nearWithin5(double ax, double ay, double bx, double by);
// left < px < left + width and top < py < top + height.
bool pointInBox(int32_t px, int32_t py, int32_t left, int32_t top, int32_t width, int32_t height);

}  // namespace rho
